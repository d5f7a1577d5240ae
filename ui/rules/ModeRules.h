#pragma once

#include <functional>
#include <string_view>

namespace marulo {

class Controls;

// Whether a converter of that file name stands in the tool folder captured at
// the first activation.
using ConverterCheck = std::function<bool(std::string_view fileName)>;

// Choosing an encode mode (RG1Click): forced choices, enabled and shown
// states, captions; returns the status sentence of the converter check.
const char* ModeRule(const Controls& ui, const ConverterCheck& converterPresent);

} // namespace marulo
