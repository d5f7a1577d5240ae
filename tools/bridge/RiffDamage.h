#pragma once

#include <optional>
#include <string>

namespace marulo::bridge {

// Where a WAV file's chunk list stops making sense, said in a few words
// ("chunk "LIST" at byte 44 runs past the end of the file"), or nothing when
// every chunk fits. TagLib reads the chunks before that point and silently
// drops the rest; this names what was dropped.
std::optional<std::string> riffDamage(const std::string& path);

} // namespace marulo::bridge
