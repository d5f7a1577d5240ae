#pragma once

#include <string>

namespace marulo::bridge {

// What an audio file holds, by its first bytes rather than its name: the
// temporary output's name may end in anything the user typed.
enum class AudioKind { Unknown, Wav, Mpeg, Adts, OggVorbis, Flac, Tta };

AudioKind audioKindOf(const std::string& path);

} // namespace marulo::bridge
