#pragma once

#include "core/ConversionMessage.h"
#include "core/EncodeMode.h"
#include "core/EncoderSettings.h"

#include <string>
#include <vector>

namespace marulo {

// The window as a conversion sees it. The settings are taken once, at the
// press; the step switches and the mode are asked again at every step, since
// the user may change them while a converter runs.
class ConversionWindow {
public:
    virtual ~ConversionWindow() = default;

    virtual EncoderSettings TakeSettings() = 0;
    virtual bool Decode() = 0;
    virtual bool Normalize() = 0;
    virtual bool DeleteTemp() = 0;
    virtual EncodeMode Mode() = 0;

    // The folder list's folder, as the list reports it.
    virtual std::string OpenedFolder() = 0;
    // Full path of the file list's selected file; empty when none is selected.
    virtual std::string SelectedPath() = 0;
    // Full paths of every file the list shows, in list order.
    virtual std::vector<std::string> ListedPaths() = 0;
    // Shows the user which file is being converted: selects that file in the
    // list if the list still shows it, and leaves the selection alone if not.
    virtual void SelectListedFile(const std::string& path) = 0;

    // The two designed messages of the buttons, worded by the window.
    virtual void SetStatusText(const ConversionMessage& message) = 0;
    // What the run itself reports at its end (failures, a stop, a skipped
    // file): shown in the status bar until the next press.
    virtual void ShowNotice(const ConversionMessage& message) = 0;
    // A file left alone because its result is already there.
    virtual void NoteSkipped(const std::string& inputName, const std::string& existingResult) = 0;
};

} // namespace marulo
