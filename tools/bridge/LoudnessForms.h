#pragma once

#include "tools/bridge/Job.h"
#include "tools/bridge/ToolCalls.h"

#include <initializer_list>
#include <string>

namespace marulo::bridge {

// The true peak ceiling of "-l" when "-t" is not given, in dBTP.
inline constexpr double kDefaultCeiling = -1;

// sox copying IN to a WAV at OUT through one effect.
Job soxGainJob(const std::string& input, const std::string& output, std::initializer_list<std::string> effect);

// "-l LUFS -t DBTP": measures the input first, then applies the one gain
// that brings it to LUFS, lowered as far as the ceiling asks.
Job loudnessJob(const std::string& input, const std::string& output, double lufs, double ceiling);

// The line every "-l" and "-g" run ends with: "gain G dB".
std::string gainLine(double decibels);

} // namespace marulo::bridge
