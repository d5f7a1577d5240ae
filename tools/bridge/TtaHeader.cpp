#include "tools/bridge/TtaHeader.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace marulo::bridge {

std::optional<int> ttaBitsPerSample(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 10> head{};
    if (!file.read(reinterpret_cast<char*>(head.data()), head.size()))
        return std::nullopt;

    if (head[0] == 'I' && head[1] == 'D' && head[2] == '3') {
        // Tag size: four 7-bit bytes, plus the 10-byte tag header itself.
        std::uint32_t size = 0;
        for (int i = 6; i < 10; ++i)
            size = (size << 7) | (head[i] & 0x7f);
        file.seekg(static_cast<std::streamoff>(size) + 10);
        if (!file.read(reinterpret_cast<char*>(head.data()), head.size()))
            return std::nullopt;
    }

    if (head[0] != 'T' || head[1] != 'T' || head[2] != 'A' || head[3] != '1')
        return std::nullopt;
    // "TTA1", format (2 bytes), channels (2), bits per sample (2), little-endian.
    return head[8] | (head[9] << 8);
}

} // namespace marulo::bridge
