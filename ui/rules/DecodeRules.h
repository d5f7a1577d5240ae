#pragma once

namespace marulo {

class Controls;

// The decode box CB0 (CB0Click), entering or leaving decode mode; returns the
// status sentence, nullptr where it writes none.
const char* DecodeRule(const Controls& ui);

} // namespace marulo
