#pragma once

#include "core/CommandLine.h"

#include <optional>
#include <string>
#include <vector>

namespace marulo {

// What the normalise step of a press does: the window's peak level (E1), a
// loudness target for each file, or one fixed gain for all of them (an
// album's, measured before the first file).
struct NormalizeLevel {
    enum class Kind { Peak, Loudness, Gain };
    Kind kind = Kind::Peak;
    double target = -16; // LUFS, for Loudness
    double ceiling = -1; // dBTP, for Loudness
    double gain = 0;     // dB, for Gain

    bool operator==(const NormalizeLevel&) const = default;
};

// A level as the command line carries it, the same in every locale: at most
// two decimals, no trailing zeros, "-16", "-1", "-7.3", "-7.25".
std::string LevelNumber(double value);

// The normalise step: "normalize.exe -m P -o OUT IN" (peakOption is E1's
// " -m P"), "normalize.exe -l T -t C -o OUT IN" or "normalize.exe -g G -o OUT IN".
CommandLine BuildLevelCommand(const NormalizeLevel& level, const std::string& peakOption, const std::string& outputPath,
                              const std::string& inputPath);

// "normalize.exe --measure --list FILE": the loudness of every file the list
// names, measured as one programme.
CommandLine BuildMeasureCommand(const std::string& listPath);

// What the measuring step printed: "integrated X LUFS true-peak Y dBTP";
// -inf stands for silence.
struct MeasuredLoudness {
    double integrated = 0; // LUFS
    double truePeak = 0;   // dBTP
};
std::optional<MeasuredLoudness> ParseMeasured(const std::vector<std::string>& output);

// The album's gain: the target less the album's loudness, lowered so that the
// loudest true peak stays at or below the ceiling, and never beyond the +-60 dB
// the normaliser takes. Rounded down to hundredths, so the ceiling holds for
// the number the command line carries. A silent album keeps its level.
double AlbumGain(double target, double ceiling, const MeasuredLoudness& measured);

// "gain -7.30 dB", the line a loudness or gain step ends with (the latest
// such line of the output); empty when the output has none.
std::string AppliedGain(const std::vector<std::string>& output);

} // namespace marulo
