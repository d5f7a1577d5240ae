#include "tools/bridge/Tags.h"

#include <exception>

namespace marulo::bridge {

TagNotes carryTags(const std::string& input, const std::string& output)
{
    TagNotes notes;
    try {
        const Tags tags = readTags(input, notes);
        if (!tags.empty())
            writeTags(output, tags, notes);
    } catch (const std::exception& error) {
        // Tags never cost the user the audio.
        notes.push_back(std::string("skipped the tags: ") + error.what());
    }
    for (std::string& note : notes)
        note.insert(0, "tags: ");
    return notes;
}

} // namespace marulo::bridge
