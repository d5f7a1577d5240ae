// Prints the mean time of each window rule over many runs on a shown window.
// Run with QT_QPA_PLATFORM=offscreen; figures are reported, not asserted.
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

void Measure(const char* what, int runs, const std::function<void(int)>& once)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < runs; ++i)
        once(i);
    const double micros = double(clock.nsecsElapsed()) / 1000.0 / runs;
    std::printf("%-40s %8.1f us per run (%d runs)\n", what, micros, runs);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Started in an empty folder: the converter check finds nothing there,
    // the same work as finding everything.
    QTemporaryDir tools;
    QDir::setCurrent(tools.path());
    marulo::TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowActive(&form))
        return 1;

    const QList<QRadioButton*> modes = form.findChild<QGroupBox*>("RG1")->findChildren<QRadioButton*>();
    auto* vbr = form.findChild<QCheckBox*>("CB2");
    auto* decode = form.findChild<QCheckBox*>("CB0");
    auto* percent = form.findChild<QLineEdit*>("E1");

    Measure("mode change (RG1Click, converter check)", 7000, [&](int i) { modes.at(i % 7)->click(); });
    modes.at(0)->click();
    Measure("VBR click (CB2Click with interlock)", 10000, [&](int) { vbr->click(); });
    Measure("decode mode in or out (CB0Click)", 2000, [&](int) { decode->click(); });
    Measure("Enter in E1 (limit and focus move)", 10000, [&](int) {
        percent->setFocus();
        percent->setText(QStringLiteral("150"));
        QTest::keyClick(percent, Qt::Key_Return);
    });
    return 0;
}
