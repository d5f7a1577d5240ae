#include "app/Program.h"

#include "app/LocationOpener.h"
#include "app/SingleInstance.h"
#include "app/StartArguments.h"
#include "batch/BatchOptions.h"
#include "batch/BatchProgram.h"
#include "launcher/Translation.h"
#include "launcher/UserSettings.h"
#include "ui/texts/FormTexts.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace marulo {

namespace {

int handOver(SingleInstance& instance, const QString& path)
{
    switch (instance.handOver(path)) {
    case SingleInstance::HandOverResult::Opened:
        return 0;
    case SingleInstance::HandOverResult::NotOpened:
        std::fprintf(stderr,
                     "marulo: \"%s\" could not be opened: no such folder or file, or no permission to read it.\n",
                     qUtf8Printable(path));
        return 1;
    case SingleInstance::HandOverResult::Refused:
        std::fputs("marulo: the running copy refused the hand-over (is it another version?).\n", stderr);
        return 1;
    case SingleInstance::HandOverResult::NoAnswer:
        break;
    }
    std::fputs("marulo: the running copy did not answer.\n", stderr);
    return 0;
}

} // namespace

int RunProgram(int argc, char* argv[], const std::function<void(TForm1&)>& onWindow)
{
    // Read before the application object exists: --help, --version and a
    // mistyped option need no display and leave a running copy alone.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // A batch converts without a window: no QApplication, no display, and no
    // hand-over to a running copy.
    if (IsBatchCommandLine(arguments))
        return RunBatch(argc, argv);
    const StartRequest request = ParseStartArguments(arguments, QDir::currentPath());
    if (request.action != StartRequest::Action::Start) {
        std::fputs(qPrintable(request.text), request.action == StartRequest::Action::Refuse ? stderr : stdout);
        return ExitStatusOf(request.action);
    }

    // Qt sees the program name only: the arguments have been read, and a
    // folder called "-reverse" must not turn the window around.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const QString title = QString::fromUtf8(FormTexts::ApplicationTitle);

    // Decided before any window exists: a later start only hands over.
    SingleInstance instance(title);
    if (!instance.isPrimary()) {
        // The running copy's texts are already on its screen, in its language.
        if (request.language)
            std::fputs("marulo: --language changes nothing in the running copy; it keeps its language.\n", stderr);
        return handOver(instance, request.path);
    }

    // Before the window exists, so every text it makes is in the language chosen.
    InstallTranslation(ChosenLanguage(request.language, SettingsFilePath()));

    // The title names the program to the window system (its window class).
    // It is deliberately not the display name: Qt would append that to the
    // window caption, which must read exactly " Marulo Encoder　Ver 1.3a".
    QApplication::setApplicationName(title);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MARULO_APP_ID));
    TForm1 window;
    LocationOpener opener(window);
    instance.setHandler([&window, &opener](const QString& path) {
        const bool opened = opener.open(path);
        window.bringForward();
        return opened;
    });
    if (onWindow)
        onWindow(window);
    // Opened after the folder the settings remember, which the window opens
    // itself at its start-up check: a folder given on the command line wins.
    opener.open(request.path);
    window.show();
    // A newly started program's window comes up active, as the tool check expects.
    window.activateWindow();
    return app.exec();
}

} // namespace marulo
