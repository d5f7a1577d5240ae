// Prints timings; asserts nothing. Run: QT_QPA_PLATFORM=offscreen bench_window
#include "app/SingleInstance.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace marulo;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void report(const char* what, const std::vector<double>& ms)
{
    std::printf("%-44s median %8.2f ms  (min %.2f, max %.2f, n=%zu)\n", what, median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()), ms.size());
}

void waitUntil(const std::function<bool()>& condition)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    poll.start(5);
    if (!condition())
        loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    QDir::setCurrent(root);

    std::vector<double> build;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        TForm1 form;
        build.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    report("window construction", build);

    const QString big = QDir(root).filePath(QStringLiteral("big"));
    QDir().mkpath(big);
    for (int i = 0; i < 2000; ++i) {
        QFile file(QDir(big).filePath(
            QStringLiteral("track%1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(i % 2 ? "wav" : "mp3")));
        file.open(QIODevice::WriteOnly);
    }
    FileList list;
    list.setMask(QStringLiteral("*.wav"));
    std::vector<double> reads;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        list.setDirectory(big);
        reads.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    report("file list, 2000 files (1000 listed)", reads);

    // The real program, with its lock and socket in a private folder.
    qputenv("TMPDIR", root.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString title = QStringLiteral("Marulo Ver 1.3a");
    QProcess primary;
    primary.setWorkingDirectory(root);
    primary.start(QStringLiteral(MARULO_EXECUTABLE), {});
    QElapsedTimer startClock;
    startClock.start();
    waitUntil([&] {
        QLocalSocket probe;
        probe.connectToServer(SingleInstance::serverName(title));
        return probe.state() == QLocalSocket::ConnectedState;
    });
    std::printf("%-44s        %8.2f ms\n", "first start until it answers",
                static_cast<double>(startClock.nsecsElapsed()) / 1e6);

    std::vector<double> handovers;
    for (int i = 0; i < 10; ++i) {
        QProcess later;
        QElapsedTimer clock;
        clock.start();
        later.start(QStringLiteral(MARULO_EXECUTABLE), {});
        waitUntil([&] { return later.state() == QProcess::NotRunning; });
        handovers.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (later.exitCode() != 0)
            std::printf("later start ended with status %d\n", later.exitCode());
    }
    report("later start, hand over and exit", handovers);
    primary.kill();
    waitUntil([&] { return primary.state() == QProcess::NotRunning; });
    return 0;
}
