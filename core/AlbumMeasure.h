#pragma once

#include "core/FileOperations.h"
#include "core/LoudnessLevel.h"
#include "core/LoudnessPolicy.h"
#include "core/RunOutcome.h"
#include "core/StepRunner.h"

#include <optional>
#include <string>
#include <vector>

namespace marulo {

// The measuring step of an album run: before the first file, the loudness of
// all the files to be normalised, measured together as one programme, gives
// the one gain every file then gets. The files go to the normaliser through a
// list in the work folder, so any number of them fits, and the list is removed
// when the step has ended, however it ended.
class AlbumMeasure {
public:
    AlbumMeasure(FileOperations& files, std::string baseFolder);

    // Writes the list and gives the step; nothing when the list could not be written.
    std::optional<StepStart> Prepare(const std::vector<std::string>& paths);
    // How the step ended, judged: a normaliser that printed no loudness
    // failed too (NoResult), since no file may be normalised with a guessed
    // gain. On success the album's gain is in gain(), and in note() as the
    // log shows it.
    RunOutcome Finish(const RunOutcome& outcome, const LoudnessPolicy& policy);

    double gain() const { return gain_; }
    std::string note() const { return "gain " + LevelNumber(gain_) + " dB"; }
    const std::string& listPath() const { return listPath_; }

private:
    FileOperations& files_;
    std::string listPath_;
    double gain_ = 0;
};

} // namespace marulo
