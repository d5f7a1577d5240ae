// The program itself (RunProgram, as main() runs it) with a reporter on the
// window, for the hand-over tests: one line on standard output for each thing
// a test watches, and commands read from standard input.
//   out: checked <tool folder> <status>   after the first activation's check
//        status <text>                    the status bar's text changed
//        folder <folder>                  the folder list moved
//        selected <path>                  the file list's selection changed
//   in:  press <button>                   clicks B1 or B2
//        quit                             closes the window
// Fields are separated by a tab. It lives in a folder with the stand-in
// converters beside it.
#include "app/Program.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QFile>
#include <QPushButton>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>

using namespace marulo;

namespace {

void report(const QString& kind, const QStringList& fields)
{
    std::fputs(qUtf8Printable(kind + QLatin1Char('\t') + fields.join(QLatin1Char('\t')) + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void watch(TForm1& window)
{
    QObject::connect(&window, &TForm1::startUpCheckDone, &window, [&window] {
        report(QStringLiteral("checked"), {window.toolFolder(), window.statusText()});
    });
    QObject::connect(window.findChild<QStatusBar*>(QStringLiteral("SB1")), &QStatusBar::messageChanged, &window,
                     [](const QString& text) { report(QStringLiteral("status"), {text}); });
    QObject::connect(window.findChild<FolderList*>(QStringLiteral("DLB1")), &FolderList::directoryChanged, &window,
                     [](const QString& folder) { report(QStringLiteral("folder"), {folder}); });
    auto* files = window.findChild<FileList*>(QStringLiteral("FLB1"));
    QObject::connect(files, &QListWidget::itemSelectionChanged, &window,
                     [files] { report(QStringLiteral("selected"), {files->selectedPath()}); });

    auto* in = new QFile(&window);
    if (!in->open(stdin, QIODevice::ReadOnly))
        return;
    auto* notifier = new QSocketNotifier(0, QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, in, notifier] {
        const QString line = QString::fromUtf8(in->readLine()).trimmed();
        if (line.isEmpty() || line == QLatin1String("quit")) {
            // End of input too: a test that went away takes the window along.
            notifier->setEnabled(false);
            window.close();
        } else if (line.startsWith(QLatin1String("press "))) {
            // After this slot: a press runs the conversion's own event loop.
            if (auto* button = window.findChild<QPushButton*>(line.mid(6)))
                QTimer::singleShot(0, button, &QPushButton::click);
        }
    });
}

} // namespace

int main(int argc, char* argv[])
{
    return RunProgram(argc, argv, watch);
}
