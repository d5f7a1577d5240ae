#pragma once

#include "core/ConverterTable.h"
#include "tools/bridge/Job.h"

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

using CallParser = Job (*)(CallArgs);

struct CalledName {
    std::string_view name;
    CallParser parse;
};

// The names this one program answers to, by the file name it was started as.
inline constexpr CalledName kCalledNames[] = {
    {Converter::Lame, lameCall},           {Converter::Toolame, toolameCall}, {Converter::Oggenc, oggencCall},
    {Converter::Aacenc, aacencCall},       {Converter::Flac, flacCall},       {Converter::Ttaenc, ttaencCall},
    {Converter::Normalize, normalizeCall},
};

} // namespace marulo::bridge
