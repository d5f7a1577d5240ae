#include "ui/texts/FormTexts.h"
#include "app/SingleInstance.h"
#include "ui/window/TForm1.h"

#include <QApplication>

using namespace marulo;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = QString::fromUtf8(FormTexts::ApplicationTitle);

    // Decided before any window exists: a later start only hands over.
    SingleInstance instance(title);
    if (!instance.isPrimary()) {
        instance.activatePrimary();
        return 0;
    }

    // The title names the program to the window system (its window class).
    // It is deliberately not the display name: Qt would append that to the
    // window caption, which must read exactly as designed.
    QApplication::setApplicationName(title);
    TForm1 window;
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] { window.bringForward(); });
    window.show();
    // A newly started program's window comes up active, as the tool check expects.
    window.activateWindow();
    return app.exec();
}
