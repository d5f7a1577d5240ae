// Starts the real window in the current folder, as the program does, and
// prints what the converter check says at the first activation and after each
// encode mode is chosen, then where the launcher finds each converter:
//   start <status>
//   mode <name> <status>
//   locate <converter> <path>
// Fields are separated by a tab. The install test runs it from inside an
// installed tree (copied into its bin/), where it looks for the converters as
// the installed program does.
#include "launcher/ToolLauncher.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

using namespace marulo;

namespace {

void print(const QStringList& fields)
{
    std::fputs(qUtf8Printable(fields.join(QLatin1Char('\t')) + QLatin1Char('\n')), stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TForm1 window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    print({QStringLiteral("start"), window.statusText()});

    auto* modes = window.findChild<RadioGroup*>(QStringLiteral("RG1"));
    if (!modes)
        return 1;
    // Every mode once, ending where the window started.
    for (int step = 1; step <= modes->count(); ++step) {
        const int index = step % modes->count();
        modes->setItemIndex(index);
        print({QStringLiteral("mode"), modes->item(index)->text(), window.statusText()});
    }
    for (const char* name :
         {"lame.exe", "toolame.exe", "oggenc.exe", "aacenc.exe", "flac.exe", "ttaenc.exe", "normalize.exe"})
        print({QStringLiteral("locate"), QString::fromLatin1(name),
               ToolLauncher::Locate(QString::fromLatin1(name), window.toolFolder())});
    return 0;
}
