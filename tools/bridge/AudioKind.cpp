#include "tools/bridge/AudioKind.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace marulo::bridge {

namespace {

using Head = std::array<unsigned char, 36>;

bool startsWith(const Head& head, std::size_t at, const char* magic)
{
    return std::memcmp(head.data() + at, magic, std::strlen(magic)) == 0;
}

// MPEG audio and ADTS share the 12-bit sync word; ADTS is "layer 0", which
// MPEG audio leaves reserved.
AudioKind frameKind(const Head& head)
{
    if (head[0] != 0xff || (head[1] & 0xe0) != 0xe0)
        return AudioKind::Unknown;
    const int layer = (head[1] >> 1) & 0x03;
    if (layer == 0)
        return (head[1] & 0xf0) == 0xf0 ? AudioKind::Adts : AudioKind::Unknown;
    return AudioKind::Mpeg;
}

} // namespace

AudioKind audioKindOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    Head head{};
    if (!file.read(reinterpret_cast<char*>(head.data()), head.size()))
        return AudioKind::Unknown;
    if (startsWith(head, 0, "RIFF") && startsWith(head, 8, "WAVE"))
        return AudioKind::Wav;
    if (startsWith(head, 0, "OggS") && startsWith(head, 28, "\x01vorbis"))
        return AudioKind::OggVorbis;

    if (startsWith(head, 0, "ID3")) {
        // An ID3v2 tag before the audio: four 7-bit bytes of size after its 10-byte header.
        std::uint32_t size = 0;
        for (std::size_t i = 6; i < 10; ++i)
            size = (size << 7) | (head[i] & 0x7fu);
        file.seekg(static_cast<std::streamoff>(size) + 10);
        head = Head{};
        if (!file.read(reinterpret_cast<char*>(head.data()), 4))
            return AudioKind::Unknown;
    }
    if (startsWith(head, 0, "fLaC"))
        return AudioKind::Flac;
    if (startsWith(head, 0, "TTA1"))
        return AudioKind::Tta;
    return frameKind(head);
}

} // namespace marulo::bridge
