#include "core/LoudnessLevel.h"

#include "core/CommandBuilder.h"
#include "core/ConverterTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace marulo {

namespace {

constexpr double MaxGain = 60; // the normaliser's range for "-g"

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(std::move(word));
    return words;
}

// from_chars reads the C locale's numbers whatever the user's locale is, and
// "-inf" as well.
std::optional<double> Number(const std::string& word)
{
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string LevelNumber(double value)
{
    const double hundredths = std::round(value * 100);
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, hundredths / 100, std::chars_format::fixed, 2).ptr;
    std::string number(text, end);
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

CommandLine BuildLevelCommand(const NormalizeLevel& level, const std::string& peakOption, const std::string& outputPath,
                              const std::string& inputPath)
{
    std::string option;
    switch (level.kind) {
    case NormalizeLevel::Kind::Peak:
        return BuildNormalizeCommand(peakOption, outputPath, inputPath);
    case NormalizeLevel::Kind::Loudness:
        option = " -l " + LevelNumber(level.target) + " -t " + LevelNumber(level.ceiling);
        break;
    case NormalizeLevel::Kind::Gain:
        option = " -g " + LevelNumber(level.gain);
        break;
    }
    // The same fragments as the peak line, the option aside.
    return BuildNormalizeCommand(option, outputPath, inputPath);
}

CommandLine BuildMeasureCommand(const std::string& listPath)
{
    CommandLine command;
    command.appendText(NormalizerExecutable).appendText(" --measure --list ").appendPath(listPath);
    return command;
}

std::optional<MeasuredLoudness> ParseMeasured(const std::vector<std::string>& output)
{
    for (auto line = output.rbegin(); line != output.rend(); ++line) {
        const std::vector<std::string> words = Words(*line);
        if (words.size() != 6 || words[0] != "integrated" || words[2] != "LUFS" || words[3] != "true-peak" ||
            words[5] != "dBTP")
            continue;
        const std::optional<double> integrated = Number(words[1]);
        const std::optional<double> truePeak = Number(words[4]);
        if (integrated && truePeak)
            return MeasuredLoudness{*integrated, *truePeak};
    }
    return std::nullopt;
}

double AlbumGain(double target, double ceiling, const MeasuredLoudness& measured)
{
    if (!std::isfinite(measured.integrated))
        return 0;
    double gain = target - measured.integrated;
    if (std::isfinite(measured.truePeak))
        gain = std::min(gain, ceiling - measured.truePeak);
    // The small allowance keeps -7.3 from turning into -7.31 by the binary
    // fraction it is stored as.
    gain = std::floor(gain * 100 + 1e-6) / 100;
    return std::clamp(gain, -MaxGain, MaxGain);
}

std::string AppliedGain(const std::vector<std::string>& output)
{
    for (auto line = output.rbegin(); line != output.rend(); ++line) {
        const std::vector<std::string> words = Words(*line);
        if (words.size() == 3 && words[0] == "gain" && words[2] == "dB" && Number(words[1]))
            return "gain " + words[1] + " dB";
    }
    return {};
}

} // namespace marulo
