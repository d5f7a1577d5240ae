#pragma once

#include <string>

namespace marulo::bridge {

// A new, empty file in the output's folder under a hidden name of its own that
// ends in the output's extension (some tools choose the format from it). It is
// removed when this object goes unless commit() has renamed it to the output.
class TempOutput {
public:
    explicit TempOutput(const std::string& output);
    ~TempOutput();
    TempOutput(const TempOutput&) = delete;
    TempOutput& operator=(const TempOutput&) = delete;

    const std::string& path() const { return path_; }
    // Renames onto the output; throws a Refusal when that fails.
    void commit();

private:
    std::string output_;
    std::string path_;
    bool committed_ = false;
};

} // namespace marulo::bridge
