#include "tools/bridge/TtaHeader.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace marulo::bridge {

namespace {

// "TTA1", format (2 bytes), channels (2), bits per sample (2), sample rate
// (4), length in samples (4), little-endian.
using Header = std::array<unsigned char, 18>;

std::optional<Header> readHeader(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    Header head{};
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
    return head;
}

std::uint32_t word32(const Header& head, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = (value << 8) | head[at + i];
    return value;
}

} // namespace

std::optional<int> ttaBitsPerSample(const std::string& path)
{
    const std::optional<Header> head = readHeader(path);
    if (!head)
        return std::nullopt;
    return (*head)[8] | ((*head)[9] << 8);
}

std::optional<double> ttaSeconds(const std::string& path)
{
    const std::optional<Header> head = readHeader(path);
    if (!head || word32(*head, 10) == 0)
        return std::nullopt;
    return static_cast<double>(word32(*head, 14)) / word32(*head, 10);
}

} // namespace marulo::bridge
