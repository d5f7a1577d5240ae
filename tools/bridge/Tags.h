#pragma once

#include <taglib/tbytevector.h>
#include <taglib/tstring.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace marulo::bridge {

// What the music is called: the fields a conversion carries from its input to
// its output, and nothing else.
enum class TagField : std::size_t { Title, Artist, Album, AlbumArtist, Track, Disc, Date, Genre, Comment };
inline constexpr std::size_t kTagFieldCount = 9;

// Each field under TagLib's common name, which TagLib maps to ID3v2 frames and
// Xiph comments itself, and under the RIFF INFO ids that hold it (none for the
// album artist and the disc: INFO has no such field, only the WAV's ID3 chunk).
struct TagFieldNames {
    TagField field;
    const char* property;
    const char* info;      // written and read
    const char* infoAlias; // read when info is absent
};

// clang-format off
inline constexpr TagFieldNames kTagFields[kTagFieldCount] = {
    {TagField::Title,       "TITLE",       "INAM", nullptr},
    {TagField::Artist,      "ARTIST",      "IART", nullptr},
    {TagField::Album,       "ALBUM",       "IPRD", nullptr},
    {TagField::AlbumArtist, "ALBUMARTIST", nullptr, nullptr},
    {TagField::Track,       "TRACKNUMBER", "IPRT", "ITRK"},
    {TagField::Disc,        "DISCNUMBER",  nullptr, nullptr},
    {TagField::Date,        "DATE",        "ICRD", nullptr},
    {TagField::Genre,       "GENRE",       "IGNR", nullptr},
    {TagField::Comment,     "COMMENT",     "ICMT", nullptr},
};
// clang-format on

// The front cover picture, as stored.
struct Cover {
    TagLib::String mimeType;
    TagLib::ByteVector data;
};

struct Tags {
    std::array<TagLib::String, kTagFieldCount> fields{};
    Cover cover{};

    TagLib::String& operator[](TagField field) { return fields[static_cast<std::size_t>(field)]; }
    const TagLib::String& operator[](TagField field) const { return fields[static_cast<std::size_t>(field)]; }
    bool empty() const;
};

// Lines for standard error, one for each thing that was skipped.
using TagNotes = std::vector<std::string>;

// The tags of an audio file of any kind the bridge reads, opened read-only.
Tags readTags(const std::string& path, TagNotes& notes);

// Puts tags into an audio file of any kind the bridge writes (a result not yet
// under its final name, so the notes call it "the result").
void writeTags(const std::string& path, const Tags& tags, TagNotes& notes);

// Copies the tags of input into output, the result of converting it. Never
// throws and never touches input; an untagged input leaves output as it is.
// Each note starts with "tags: ".
TagNotes carryTags(const std::string& input, const std::string& output);

} // namespace marulo::bridge
