#pragma once

#include "batch/BatchOptions.h"
#include "core/ConversionWindow.h"

#include <functional>

namespace marulo {

// The window as a run without one: its controls fixed at the batch's
// settings, its list one folder's files of the batch, in the batch's order.
class BatchWindow : public ConversionWindow {
public:
    using SkipNoted = std::function<void(const std::string& inputName, const std::string& existingResult)>;

    BatchWindow(const BatchSettings& settings, std::string folder, std::vector<std::string> paths, SkipNoted skipped);

    EncoderSettings TakeSettings() override { return settings_.encoder; }
    bool Decode() override { return settings_.decode; }
    bool Normalize() override { return settings_.normalize; }
    bool DeleteTemp() override { return settings_.deleteTemp; }
    EncodeMode Mode() override { return settings_.encoder.mode; }

    std::string OpenedFolder() override { return folder_; }
    std::string SelectedPath() override { return paths_.empty() ? std::string() : paths_.front(); }
    std::vector<std::string> ListedPaths() override { return paths_; }
    void SelectListedFile(const std::string&) override {}

    // The batch reports each file and sums up itself.
    void SetStatusText(const ConversionMessage&) override {}
    void ShowNotice(const ConversionMessage&) override {}
    void NoteSkipped(const std::string& inputName, const std::string& existingResult) override;

private:
    const BatchSettings& settings_;
    std::string folder_;
    std::vector<std::string> paths_;
    SkipNoted skipped_;
};

} // namespace marulo
