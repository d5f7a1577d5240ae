#pragma once

namespace marulo {

class Controls;

// In OGG the channel buttons only show the downmix choice: "2CH -> 1CH"
// checked leaves "Mono" enabled and checked and "Stereo" disabled; unchecked,
// the other way round. Checking a button runs its own rule at once.
void ApplyDownmixPair(const Controls& ui);

} // namespace marulo
