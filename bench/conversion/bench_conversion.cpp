// Measures what the program itself costs while converters run: the real
// window, offscreen, with the stand-in converters placed beside this program.
//   (1) CPU time of the program while one converter runs for 5 s
//   (2) the gap from one converter's end to the next one's start during
//       "ALL Encode" over 500 files (from the stand-ins' own log)
//   (3) peak memory
//   (4) CPU share while a converter prints progress 50 times a second
//   (5) time from Esc to the last process of the stopped converter gone
//       (the converter and a child in its group), median of 20
//   (6) "ALL Encode" over 1,000 files with 4 jobs: every file converted once,
//       the gap from a converter's end to the next start, peak memory
// "bench_conversion parallel" runs (6) alone, so that its peak memory is its own.
#include "tests/support/StandinLog.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    for (const marulo::test::StandinRun& run : marulo::test::ReadStandinLog(log))
        runs.push_back({run.startNs, run.endNs});
    return runs;
}

// For every converter's end, the wait until the next converter started.
std::vector<double> Gaps(std::vector<Run> runs)
{
    std::vector<qint64> starts;
    for (const Run& run : runs)
        starts.push_back(run.start);
    std::sort(starts.begin(), starts.end());
    std::vector<double> gaps;
    for (const Run& run : runs) {
        const auto next = std::lower_bound(starts.begin(), starts.end(), run.end);
        if (next != starts.end())
            gaps.push_back(double(*next - run.end) / 1e6);
    }
    return gaps;
}

double PeakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
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

void SetJobs(TForm1& form, int jobs)
{
    RunPolicy policy = form.runPolicy();
    policy.jobs = jobs;
    form.setRunPolicy(policy);
}

// (6) 1,000 files, 4 at once, the stand-in ending at once.
int Parallel(TForm1& form, const QString& root, const QString& log)
{
    constexpr int Files = 1000;
    QFile::remove(log);
    const QString many = root + "/parallel";
    MakeFiles(many, Files);
    Open(form, many);
    form.findChild<QCheckBox*>("CB4")->setChecked(true);
    SetJobs(form, 4);
    const auto before = std::chrono::steady_clock::now();
    const double cpuBefore = CpuSeconds();
    form.findChild<QPushButton*>("B2")->click();
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    SetJobs(form, 1);
    const QList<marulo::test::StandinRun> runs = marulo::test::ReadStandinLog(log);
    QMap<QString, int> stepsPerFile;
    for (const marulo::test::StandinRun& run : runs)
        ++stepsPerFile[QFileInfo(run.inputOf()).completeBaseName()];
    bool once = stepsPerFile.size() == Files;
    for (int steps : stepsPerFile)
        once = once && steps == 2;
    const int results = int(QDir(many + "/Zorvik").entryList(QDir::Files).size());
    const std::vector<double> gaps = Gaps(ReadRuns(log));
    std::printf("(6) ALL Encode, %d files, 4 jobs: %lld converter runs in %.2f s (program CPU %.2f s); "
                "every file converted once: %s (%d results)\n",
                Files, static_cast<long long>(runs.size()), wall, cpu, once ? "yes" : "NO", results);
    std::printf("    gap end -> next start: median %.3f ms, p95 %.3f ms (target median <= 2 ms)\n",
                Percentile(gaps, 0.5), Percentile(gaps, 0.95));
    std::printf("    peak memory (ru_maxrss): %.1f MiB\n", PeakMiB());
    return once && results == Files ? 0 : 1;
}

// (5) Esc while one converter (and a child in its group) runs; the time until
// both are gone.
void StopTimes(TForm1& form, const QString& root, const QString& log)
{
    constexpr int Rounds = 20;
    const QString one = root + "/stop";
    MakeFiles(one, 1);
    Open(form, one);
    form.findChild<FileList*>("FLB1")->selectItem(0);
    form.findChild<QCheckBox*>("CB4")->setChecked(false);
    qputenv("MARULO_STANDIN_SLEEP_MS", "lame.exe=60000");
    qputenv("MARULO_STANDIN_CHILD", "lame.exe");
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        QFile::remove(log);
        QElapsedTimer sinceEsc;
        marulo::test::StandinRun stopped;
        QTimer watch;
        watch.setInterval(2);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const QList<marulo::test::StandinRun> runs = marulo::test::ReadStandinLog(log);
            if (runs.isEmpty() || runs.first().childPid == 0)
                return;
            watch.stop();
            stopped = runs.first();
            sinceEsc.start();
            QTest::keyClick(form.findChild<FileList*>("FLB1"), Qt::Key_Escape);
        });
        watch.start();
        form.findChild<QPushButton*>("B1")->click();
        // Only this measurement waits actively: the moment the last process
        // goes. A process left after 5 s counts as 5 s.
        while ((!marulo::test::ProcessGone(stopped.pid) || !marulo::test::ProcessGone(stopped.childPid)) &&
               sinceEsc.elapsed() < 5000)
            ;
        times.push_back(double(sinceEsc.nsecsElapsed()) / 1e6);
    }
    qunsetenv("MARULO_STANDIN_SLEEP_MS");
    qunsetenv("MARULO_STANDIN_CHILD");
    std::printf("(5) Esc -> last converter process gone, %d rounds: median %.2f ms, max %.2f ms (target < 1000 ms)\n",
                Rounds, Percentile(times, 0.5), Percentile(times, 1.0));
}

// (4) One encoder printing progress 50 times a second for 5 s.
void ProgressCpu(TForm1& form, const QString& root, const QString& log)
{
    QFile::remove(log);
    const QString one = root + "/progress";
    MakeFiles(one, 1);
    Open(form, one);
    form.findChild<FileList*>("FLB1")->selectItem(0);
    form.findChild<QCheckBox*>("CB4")->setChecked(false);
    qputenv("MARULO_STANDIN_PROGRESS", "lame.exe=250:20");
    const double cpuBefore = CpuSeconds();
    form.findChild<QPushButton*>("B1")->click();
    const double cpu = CpuSeconds() - cpuBefore;
    qunsetenv("MARULO_STANDIN_PROGRESS");
    const std::vector<Run> runs = ReadRuns(log);
    const double converterSeconds = runs.size() == 1 ? double(runs[0].end - runs[0].start) / 1e9 : 0;
    std::printf("(4) one converter printing progress 50 times a second for %.3f s: program CPU %.2f ms = %.3f %% "
                "(target <= 1 %%)\n",
                converterSeconds, cpu * 1e3, converterSeconds > 0 ? 100.0 * cpu / converterSeconds : 0.0);
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

    if (argc > 1 && QByteArray(argv[1]) == "parallel")
        return Parallel(form, root.path(), log);
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

    std::printf("(3) peak memory (ru_maxrss): %.1f MiB\n", PeakMiB());

    ProgressCpu(form, root.path(), log);
    StopTimes(form, root.path(), log);
    const int parallel = Parallel(form, root.path(), log);

    const bool complete = runs.size() == std::size_t(2 * FolderFiles) && single.size() == 1;
    if (!complete)
        std::printf("incomplete: expected %d runs and 1, got %zu and %zu\n", 2 * FolderFiles, runs.size(),
                    single.size());
    return complete && parallel == 0 ? 0 : 1;
}
