#include "tools/bridge/RiffDamage.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace marulo::bridge {

namespace {

std::uint32_t word32(const std::array<unsigned char, 8>& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = (value << 8) | bytes[at + i];
    return value;
}

// What TagLib takes for a chunk name: four printable ASCII characters.
bool isChunkName(const std::array<unsigned char, 8>& bytes)
{
    for (std::size_t i = 0; i < 4; ++i) {
        if (bytes[i] < 32 || bytes[i] > 126)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> riffDamage(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff length = file.tellg();
    if (!file || length < 12)
        return "the file ends inside its RIFF header";
    std::streamoff offset = 12;
    std::array<unsigned char, 8> header{};
    while (offset + 8 <= length) {
        file.seekg(offset);
        if (!file.read(reinterpret_cast<char*>(header.data()), header.size()))
            return "the file cannot be read at byte " + std::to_string(offset);
        const std::string name(reinterpret_cast<const char*>(header.data()), 4);
        const std::string where = " at byte " + std::to_string(offset);
        if (!isChunkName(header))
            return "the chunk" + where + " has no valid name";
        const std::uint32_t size = word32(header, 4);
        if (offset + 8 + static_cast<std::streamoff>(size) > length)
            return "chunk \"" + name + "\"" + where + " claims " + std::to_string(size) +
                   " bytes, more than the file holds";
        // Chunks of odd size are followed by a byte of padding.
        offset += 8 + static_cast<std::streamoff>(size) + (size & 1u);
    }
    return std::nullopt;
}

} // namespace marulo::bridge
