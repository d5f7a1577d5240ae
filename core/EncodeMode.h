#pragma once

namespace marulo {

// The index of the selected item of the encode-mode group: the order is fixed,
// the window and the converter table both index by it.
enum class EncodeMode : int { Mp3 = 0, Mp2 = 1, Ogg = 2, Aac = 3, Flac = 4, Tta = 5, Wav = 6 };

inline constexpr int EncodeModeCount = 7;

enum class ChannelMode { Mono, Stereo, DualChannel, JointStereo };

} // namespace marulo
