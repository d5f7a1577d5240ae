#include "ui/window/FormConversionWindow.h"

#include "launcher/ConversionMessages.h"
#include "launcher/Translation.h"
#include "ui/controls/Controls.h"
#include "ui/controls/WindowSettings.h"
#include "ui/texts/RunTexts.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QCheckBox>

namespace marulo {

FormConversionWindow::FormConversionWindow(TForm1& form, const Controls& ui) : form_(form), ui_(ui) {}

EncoderSettings FormConversionWindow::TakeSettings()
{
    return ReadEncoderSettings(ui_);
}

bool FormConversionWindow::Decode()
{
    return ui_.CB0()->isChecked();
}

bool FormConversionWindow::Normalize()
{
    return ui_.CB4()->isChecked();
}

bool FormConversionWindow::DeleteTemp()
{
    return ui_.CB6()->isChecked();
}

EncodeMode FormConversionWindow::Mode()
{
    return ReadEncodeMode(ui_);
}

std::string FormConversionWindow::OpenedFolder()
{
    return ui_.DLB1()->directory().toStdString();
}

std::string FormConversionWindow::SelectedPath()
{
    return ui_.FLB1()->selectedPath().toStdString();
}

std::vector<std::string> FormConversionWindow::ListedPaths()
{
    std::vector<std::string> paths;
    for (const QString& path : ui_.FLB1()->listedPaths())
        paths.push_back(path.toStdString());
    return paths;
}

void FormConversionWindow::SelectListedFile(const std::string& path)
{
    // The list may show another folder or another mask by now; the file keeps
    // its place only in the list that still shows it.
    const auto index = static_cast<int>(ui_.FLB1()->listedPaths().indexOf(QString::fromStdString(path)));
    if (index >= 0)
        ui_.FLB1()->selectItem(index);
}

void FormConversionWindow::SetStatusText(const ConversionMessage& message)
{
    form_.setStatusText(ConversionMessageText(message));
}

void FormConversionWindow::ShowNotice(const ConversionMessage& message)
{
    form_.showNotice(ConversionMessageText(message));
}

void FormConversionWindow::NoteSkipped(const std::string& inputName, const std::string& existingResult)
{
    form_.runLog().note(QString::fromStdString(inputName),
                        Translated("RunTexts", RunTexts::SkippedNote) + QString::fromStdString(existingResult));
}

} // namespace marulo
