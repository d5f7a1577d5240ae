// The tags step alone, as the bridge runs it after lame: carrying the tags of
// a WAV into a fresh copy of an MP3, RUNS times (20 unless told); prints the
// median in milliseconds. Arguments: TAGGED.wav RESULT.mp3 [RUNS].
#include "tools/bridge/Tags.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TAGGED.wav RESULT.mp3 [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string tagged = argv[1];
    const std::filesystem::path result = argv[2];
    const int runs = argc > 3 ? std::max(1, std::stoi(argv[3])) : 20;
    const std::filesystem::path copy = result.parent_path() / ("step-" + result.filename().string());

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        std::filesystem::copy_file(result, copy, std::filesystem::copy_options::overwrite_existing);
        const auto start = std::chrono::steady_clock::now();
        const marulo::bridge::TagNotes notes = marulo::bridge::carryTags(tagged, copy.string());
        const auto end = std::chrono::steady_clock::now();
        for (const std::string& note : notes)
            std::fprintf(stderr, "%s\n", note.c_str());
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    const double median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    std::printf("tags step alone: median %.2f ms over %d runs (fastest %.2f, slowest %.2f)\n", median, runs,
                times.front(), times.back());
    std::filesystem::remove(copy);
    return 0;
}
