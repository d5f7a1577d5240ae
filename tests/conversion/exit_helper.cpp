// A whole program for the test of Exit during "ALL Encode": it opens the
// folder it is given, presses "ALL Encode", presses "Exit" while the encoder
// runs, and records the moment its event loop has ended.
//   exit_helper <folder> <gate file>
// The stand-ins beside it wait for the gate file (MARULO_STANDIN_GATE).
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <chrono>

using namespace marulo;

namespace {

bool LameHasStarted(const QString& log)
{
    QFile file(log);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("start lame.exe");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 64;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString gate = QString::fromLocal8Bit(argv[2]);
    const QString log = qEnvironmentVariable("MARULO_STANDIN_LOG");

    TForm1 form;
    form.show();
    form.findChild<FolderList*>("DLB1")->setDirectory(folder);

    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!LameHasStarted(log))
            return;
        watch.stop();
        form.findChild<QPushButton*>("B3")->click();
        QFile(gate).open(QIODevice::WriteOnly);
    });
    QTimer::singleShot(0, [&] {
        watch.start();
        form.findChild<QPushButton*>("B2")->click();
    });
    const int status = app.exec();

    QFile record(log);
    if (record.open(QIODevice::Append)) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        record.write("exit " + QByteArray::number(qint64(std::chrono::nanoseconds(now).count())) + "\n");
    }
    return status;
}
