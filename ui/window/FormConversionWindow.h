#pragma once

#include "core/ConversionWindow.h"

namespace marulo {

class TForm1;
class Controls;

// The main window as the conversion sees it. Every call reads the controls
// anew, so a switch the user changes while a converter runs counts from the
// next step on.
class FormConversionWindow : public ConversionWindow {
public:
    FormConversionWindow(TForm1& form, const Controls& ui);

    EncoderSettings TakeSettings() override;
    bool Decode() override;
    bool Normalize() override;
    bool DeleteTemp() override;
    EncodeMode Mode() override;
    std::string OpenedFolder() override;
    std::string SelectedPath() override;
    std::vector<std::string> ListedPaths() override;
    void SelectListedFile(const std::string& path) override;
    void SetStatusText(const ConversionMessage& message) override;
    void ShowNotice(const ConversionMessage& message) override;
    void NoteSkipped(const std::string& inputName, const std::string& existingResult) override;

private:
    TForm1& form_;
    const Controls& ui_;
};

} // namespace marulo
