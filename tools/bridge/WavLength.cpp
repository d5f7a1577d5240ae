#include "tools/bridge/WavLength.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace marulo::bridge {

namespace {

std::uint32_t word32(const unsigned char* bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

std::optional<double> wavSeconds(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 12> riff{};
    if (!file.read(reinterpret_cast<char*>(riff.data()), riff.size()) || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
        std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;

    std::optional<std::uint32_t> byteRate;
    std::array<unsigned char, 8> chunk{};
    // Chunks in any order; a few dozen at most in any real file.
    for (int seen = 0; seen < 64 && file.read(reinterpret_cast<char*>(chunk.data()), chunk.size()); ++seen) {
        const std::uint32_t size = word32(chunk.data() + 4);
        if (std::memcmp(chunk.data(), "fmt ", 4) == 0 && size >= 16) {
            std::array<unsigned char, 16> format{};
            if (!file.read(reinterpret_cast<char*>(format.data()), format.size()))
                return std::nullopt;
            byteRate = word32(format.data() + 8);
            file.seekg(static_cast<std::streamoff>(size - 16 + (size & 1)), std::ios::cur);
        } else if (std::memcmp(chunk.data(), "data", 4) == 0) {
            if (!byteRate || *byteRate == 0)
                return std::nullopt;
            return static_cast<double>(size) / *byteRate;
        } else {
            file.seekg(static_cast<std::streamoff>(size + (size & 1)), std::ios::cur);
        }
    }
    return std::nullopt;
}

} // namespace marulo::bridge
