#include "launcher/Translation.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/texts/SettingsTexts.h"
#include "ui/window/TForm1.h"

#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

namespace marulo {

// Everything the settings add answers keys and clicks the window leaves
// unused: Ctrl+, and a right click where no control is.
void TForm1::startSettings()
{
    settingsPath_ = SettingsFilePath();
    settings_ = LoadSettings(settingsPath_);
    setRunPolicy(settings_.policy);

    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(shortcut, &QShortcut::activated, this, &TForm1::openSettings);
    ui.P1()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui.P1(), &QWidget::customContextMenuRequested, this, &TForm1::showFreeAreaMenu);
}

// Not modal for the application: the window stays live, a run goes on, and
// nothing waits in a nested event loop for the answer.
void TForm1::openSettings()
{
    if (auto* open = findChild<SettingsDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new SettingsDialog(settings_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { applySettings(dialog->chosen()); });
    dialog->open();
}

// A press copies the run policy when it starts, so a run keeps the settings of
// its press. The file is written only when something changed: OK on the
// settings as they were leaves a user without a file without one.
void TForm1::applySettings(const UserSettings& chosen)
{
    if (chosen == settings_)
        return;
    settings_ = chosen;
    setRunPolicy(settings_.policy);
    if (!SaveSettings(settings_, settingsPath_))
        showNotice(Translated("SettingsTexts", SettingsTexts::SaveFailed));
}

// Only where no control is: a right click on a label or a frame reaches the
// panel too, and those belong to the designed window.
void TForm1::showFreeAreaMenu(const QPoint& position)
{
    if (ui.P1()->childAt(position))
        return;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("FreeAreaMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(Translated("SettingsTexts", SettingsTexts::MenuEntry), this, &TForm1::openSettings);
    menu->popup(ui.P1()->mapToGlobal(position));
}

// A failure here has no window left to be reported in; the folder is simply
// not remembered this time.
void TForm1::rememberFolderAtExit()
{
    const QString folder = ui.DLB1()->directory();
    if (!settings_.rememberFolder || folder == settings_.lastFolder)
        return;
    if (SaveLastFolder(folder, settingsPath_))
        settings_.lastFolder = folder;
}

} // namespace marulo
