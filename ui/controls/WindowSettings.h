#pragma once

#include "core/EncodeMode.h"
#include "core/EncoderSettings.h"

namespace marulo {

class Controls;

// The window's values as a conversion reads them: texts as the controls show
// them, check marks as they stand, disabled and hidden controls all the same.
EncoderSettings ReadEncoderSettings(const Controls& ui);

// The mode of RG1's selected item; no selected item reads as WAV, the mode in
// which no encoder and no decoder runs.
EncodeMode ReadEncodeMode(const Controls& ui);

} // namespace marulo
