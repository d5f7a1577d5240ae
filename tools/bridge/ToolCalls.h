#pragma once

#include "core/ConverterTable.h"
#include "tools/bridge/Job.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace marulo::bridge {

// Each reads the arguments that the front end sends under one name and turns
// them into a run of the Debian tool that does the work, or refuses them.
using CallArgs = std::span<const std::string>;

Job lameCall(CallArgs args);
Job toolameCall(CallArgs args);
Job oggencCall(CallArgs args);
Job aacencCall(CallArgs args);
Job flacCall(CallArgs args);
Job ttaencCall(CallArgs args);
Job normalizeCall(CallArgs args);
std::optional<int> measureCall(CallArgs args);

using CallParser = Job (*)(CallArgs);
// A call the bridge answers itself, writing no file (normalize.exe's
// measuring): the exit status, or nothing when the call is for parse.
using CallAnswer = std::optional<int> (*)(CallArgs);

struct CalledName {
    std::string_view name;
    CallParser parse;
    CallAnswer answer = nullptr;
};

// The names this one program answers to, by the file name it was started as.
inline constexpr CalledName kCalledNames[] = {
    {Converter::Lame, lameCall},
    {Converter::Toolame, toolameCall},
    {Converter::Oggenc, oggencCall},
    {Converter::Aacenc, aacencCall},
    {Converter::Flac, flacCall},
    {Converter::Ttaenc, ttaencCall},
    {Converter::Normalize, normalizeCall, measureCall},
};

} // namespace marulo::bridge
