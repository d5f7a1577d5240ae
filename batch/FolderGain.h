#pragma once

#include "batch/BatchFiles.h"
#include "core/LoudnessPolicy.h"
#include "core/RunOutcome.h"
#include "core/StepRunner.h"

#include <optional>

namespace marulo {

// The album's gain of one folder's files, measured by the same step "ALL
// Encode" runs there before its first file, so that jobs converting the files
// one by one give each the gain the whole press would. Nothing when the
// measure failed; failure then says how. A work folder made only for the
// measure's list is removed again.
std::optional<double> MeasureFolderGain(const FolderFiles& run, StepRunner& runner, const LoudnessPolicy& policy,
                                        RunOutcome& failure);

} // namespace marulo
