#pragma once

#include "ui/controls/ControlNames.h"

namespace marulo {

class Controls;

// A channel button (RB1Click ... RB4Click): whether "2CH -> 1CH" is enabled.
void ChannelRule(const Controls& ui, Ctl button);
// "Normalize" (CB4Click): the percentage and the temporary-file switch follow it.
void NormalizeRule(const Controls& ui);

} // namespace marulo
