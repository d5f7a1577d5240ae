#pragma once

namespace marulo {

class Controls;

// The rate-control boxes; each does nothing in a mode it does not act in. The
// first two return the status sentence, nullptr where they write none.
const char* VbrRule(const Controls& ui);   // "VBR" (CB2Click)
const char* AbrRule(const Controls& ui);   // "ABR" (CB3Click)
void BitrateRangeRule(const Controls& ui); // "Bitrate Set (F)" (CB8Click)
void DownmixRule(const Controls& ui);      // "2CH -> 1CH" (CB9Click)

} // namespace marulo
