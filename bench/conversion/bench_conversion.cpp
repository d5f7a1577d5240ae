// Measures what the program itself costs while converters run: the real
// window, offscreen, with the stand-in converters placed beside this program.
//   (1) CPU time of the program while one converter runs for 5 s
//   (2) the gap from one converter's end to the next one's start during
//       "ALL Encode" over 500 files (from the stand-ins' own log)
//   (3) peak memory
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

using namespace marulo;

namespace {

constexpr int ConverterMs = 5000;
constexpr int FolderFiles = 500;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Run {
    qint64 start = 0;
    qint64 end = 0;
};

std::vector<Run> ReadRuns(const QString& log)
{
    std::vector<Run> runs;
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.first() == "start")
            runs.push_back({words.value(2).toLongLong(), 0});
        else if (words.first() == "end" && !runs.empty())
            runs.back().end = words.value(2).toLongLong();
    }
    return runs;
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, std::size_t(share * double(values.size() - 1) + 0.5));
    return values[index];
}

void MakeFiles(const QString& folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(QDir(folder).filePath(QString("track%1.wav").arg(i, 4, 10, QChar('0'))));
        file.open(QIODevice::WriteOnly);
        file.write("RIFF-bench-WAVEdata");
    }
}

void Open(TForm1& form, const QString& folder)
{
    form.findChild<FolderList*>("DLB1")->setDirectory(folder);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    const QString log = root.filePath("standin.log");
    qputenv("MARULO_STANDIN_LOG", log.toUtf8());

    TForm1 form;
    form.show();

    // (1) One encoder that works for 5 s; no normalise step.
    const QString one = root.filePath("one");
    MakeFiles(one, 1);
    Open(form, one);
    form.findChild<FileList*>("FLB1")->selectItem(0);
    form.findChild<QCheckBox*>("CB4")->setChecked(false);
    qputenv("MARULO_STANDIN_SLEEP_MS", QByteArray("lame.exe=") + QByteArray::number(ConverterMs));
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    form.findChild<QPushButton*>("B1")->click();
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const std::vector<Run> single = ReadRuns(log);
    const double converterSeconds = single.size() == 1 ? double(single[0].end - single[0].start) / 1e9 : wall;
    std::printf("(1) one converter for %.3f s: program CPU %.2f ms = %.3f %% of the converter's run "
                "(press took %.3f s; target <= 1 %%)\n",
                converterSeconds, cpu * 1e3, 100.0 * cpu / converterSeconds, wall);

    // (2) ALL Encode over 500 files with the default steps: normalise, encode,
    // remove, so 1000 converter runs one after another.
    qunsetenv("MARULO_STANDIN_SLEEP_MS");
    QFile::remove(log);
    const QString many = root.filePath("many");
    MakeFiles(many, FolderFiles);
    Open(form, many);
    form.findChild<QCheckBox*>("CB4")->setChecked(true);
    const auto allBefore = std::chrono::steady_clock::now();
    const double allCpuBefore = CpuSeconds();
    form.findChild<QPushButton*>("B2")->click();
    const double allCpu = CpuSeconds() - allCpuBefore;
    const double allWall = std::chrono::duration<double>(std::chrono::steady_clock::now() - allBefore).count();
    const std::vector<Run> runs = ReadRuns(log);
    std::vector<double> gaps, within, between;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        const double gapMs = double(runs[i].start - runs[i - 1].end) / 1e6;
        gaps.push_back(gapMs);
        (i % 2 ? within : between).push_back(gapMs);
    }
    std::printf("(2) ALL Encode, %d files, %zu converter runs in %.2f s (program CPU %.2f s):\n", FolderFiles,
                runs.size(), allWall, allCpu);
    std::printf("    gap end -> next start, all steps:      median %.3f ms, p95 %.3f ms, max %.3f ms "
                "(target median <= 2 ms)\n",
                Percentile(gaps, 0.5), Percentile(gaps, 0.95), Percentile(gaps, 1.0));
    std::printf("    normaliser -> encoder of one file:     median %.3f ms, p95 %.3f ms\n", Percentile(within, 0.5),
                Percentile(within, 0.95));
    std::printf("    encoder -> next file's normaliser:     median %.3f ms, p95 %.3f ms\n", Percentile(between, 0.5),
                Percentile(between, 0.95));

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("(3) peak memory (ru_maxrss): %.1f MiB\n", double(usage.ru_maxrss) / 1024.0);

    const bool complete = runs.size() == std::size_t(2 * FolderFiles) && single.size() == 1;
    if (!complete)
        std::printf("incomplete: expected %d runs and 1, got %zu and %zu\n", 2 * FolderFiles, runs.size(),
                    single.size());
    return complete ? 0 : 1;
}
