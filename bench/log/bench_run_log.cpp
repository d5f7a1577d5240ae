// Prints the heap the run log takes for 100,000 steps, and the time to add
// them with the log window open; asserts nothing.
// Run: QT_QPA_PLATFORM=offscreen bench_run_log
#include "launcher/RunLog.h"
#include "ui/log/LogWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>
#include <malloc.h>

using namespace marulo;

namespace {

constexpr int Steps = 100000;

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// Two steps a file, as a default encode writes them: the normaliser and the
// encoder, with full paths of a usual length; one step in a hundred failed
// and keeps eight lines of the converter's output.
void WriteSteps(RunLog& log)
{
    const QString folder = QStringLiteral("/home/someone/Music/Some Artist - Some Album (2019)");
    for (int i = 0; i < Steps; ++i) {
        const QString file =
            QStringLiteral("%1 - Some Track Title Of Usual Length.wav").arg(i / 2 + 1, 5, 10, QChar('0'));
        const bool encoder = i % 2 == 1;
        LogEntry entry;
        entry.started = QDateTime::currentDateTime();
        entry.file = file;
        entry.index = i / 2 + 1;
        entry.count = Steps / 2;
        entry.converter = encoder ? QStringLiteral("lame.exe") : QStringLiteral("normalize.exe");
        entry.commandText = encoder
                                ? QStringLiteral("lame.exe  -m j -b 128 -q 2  \"%1/Zorvik/%2\" \"%1/Zorvik/%3\"")
                                      .arg(folder, file, QString(file).replace(".wav", ".mp3"))
                                : QStringLiteral("normalize.exe -m 90 -o \"%1/Zorvik/%2\" \"%1/%2\"").arg(folder, file);
        entry.program = QStringLiteral("/usr/libexec/marulo/") + entry.converter;
        const qint64 id = log.begin(std::move(entry));
        log.progress(id, 50.0);
        QStringList output;
        const bool failed = i % 100 == 99;
        for (int line = 0; failed && line < 8; ++line)
            output << QStringLiteral("lame: some message of the converter, line %1 of its output").arg(line);
        log.finish(id, failed ? QStringLiteral("exit status 1") : QStringLiteral("succeeded"), failed, output);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    const std::size_t before = HeapInUse();
    {
        RunLog log;
        WriteSteps(log);
        const std::size_t after = HeapInUse();
        std::printf("run log, %d steps: %.1f MB on the heap (%.0f bytes a step)\n", Steps, double(after - before) / 1e6,
                    double(after - before) / Steps);
    }

    RunLog log;
    LogWindow window(log, nullptr, [] { return false; });
    window.show();
    const std::size_t windowBefore = HeapInUse();
    QElapsedTimer clock;
    clock.start();
    WriteSteps(log);
    app.processEvents();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    std::printf("with the log window open: %.0f ms for %d steps (%.1f us a step), %.1f MB on the heap\n", ms, Steps,
                ms * 1000.0 / Steps, double(HeapInUse() - windowBefore) / 1e6);
    std::printf("rows in the window: %d\n", window.view()->model()->rowCount());
    return 0;
}
