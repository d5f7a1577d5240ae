#pragma once

#include "core/LoudnessPolicy.h"

namespace marulo {

// What the user's settings file may change about a run; the defaults are the
// program's own behaviour without one.
enum class ExistingResults {
    Overwrite, // a result of the same name is replaced
    Skip,      // a file whose result exists is not converted at all
    Number,    // the new result takes the first free name "song (1).mp3", ...
};

struct RunPolicy {
    // Written out so that a policy may still be given as {jobs, existing}
    // with the loudness left as it is by default.
    RunPolicy(int jobsAtOnce = 1, ExistingResults whenExisting = ExistingResults::Overwrite,
              LoudnessPolicy normalizing = {})
        : jobs(jobsAtOnce),
          existing(whenExisting),
          loudness(normalizing)
    {
    }

    int jobs = 1; // files converted at once by "ALL Encode"
    ExistingResults existing = ExistingResults::Overwrite;
    LoudnessPolicy loudness;

    bool operator==(const RunPolicy&) const = default;
};

} // namespace marulo
