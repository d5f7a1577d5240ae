#pragma once

#include <functional>
#include <string>
#include <vector>

namespace marulo::bridge {

// How loud a programme sounds (ITU-R BS.1770 integrated loudness, gated as
// EBU R128 asks) and its highest true peak. Both are minus infinity for
// silence: no block is above the absolute gate, or every sample is zero.
struct Loudness {
    double integrated = 0;  // LUFS
    double truePeak = 0;    // dBTP
    unsigned long rate = 0; // of the one file measured; of one of them when rates differ
};

// Called with how far the measuring is, from 0 to 1.
using MeasureProgress = std::function<void(double)>;

// Measures the files as one programme, the way an album is measured: the
// gating blocks of every file together, not an average of each file's
// figure. sox decodes each file to raw floats through a pipe; its warnings
// pass on to standard error. Throws a Refusal when a file cannot be decoded.
Loudness measureLoudness(const std::vector<std::string>& paths, const MeasureProgress& progress);

// The file's true peak found on a copy that sox's best resampler has raised
// to 384 kHz (twice its rate if higher): the standard's own estimate,
// interpolating four times with a short filter, can read up to 0.7 dB below
// the peak a converter's output reaches, most of all on content near the
// top of the band. For a ceiling that must hold, measured by any meter.
double closerTruePeak(const std::string& path, unsigned long rate);

} // namespace marulo::bridge
