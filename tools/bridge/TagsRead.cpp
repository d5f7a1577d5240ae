#include "tools/bridge/AudioKind.h"
#include "tools/bridge/InfoText.h"
#include "tools/bridge/RiffDamage.h"
#include "tools/bridge/Tags.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>
#include <taglib/trueaudiofile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

namespace marulo::bridge {

namespace {

std::string quoted(const std::string& path)
{
    return '"' + path + '"';
}

// Beyond these a field or a picture is not a tag but something else in its place.
constexpr unsigned int kMaxFieldChars = 64 * 1024;
constexpr unsigned int kMaxCoverBytes = 16 * 1024 * 1024;

void takeProperties(const TagLib::PropertyMap& properties, Tags& tags)
{
    for (const TagFieldNames& names : kTagFields) {
        const auto found = properties.find(names.property);
        if (found != properties.end() && !found->second.isEmpty())
            tags[names.field] = found->second.front();
    }
}

// Fields of the ID3 chunk win; INFO fills what it lacks.
void takeInfo(const TagLib::RIFF::Info::Tag& info, Tags& tags)
{
    for (const TagFieldNames& names : kTagFields) {
        if (!names.info || !tags[names.field].isEmpty())
            continue;
        tags[names.field] = info.fieldText(names.info);
        if (tags[names.field].isEmpty() && names.infoAlias)
            tags[names.field] = info.fieldText(names.infoAlias);
    }
}

// The front cover, or the first picture when none is marked as the front:
// many taggers store the one picture an album has as "other".
void takeId3Cover(const TagLib::ID3v2::Tag& tag, Tags& tags)
{
    const TagLib::ID3v2::FrameList& frames = tag.frameList("APIC");
    const TagLib::ID3v2::AttachedPictureFrame* chosen = nullptr;
    for (const TagLib::ID3v2::Frame* frame : frames) {
        const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (picture && !chosen)
            chosen = picture;
        if (picture && picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover) {
            chosen = picture;
            break;
        }
    }
    if (chosen)
        tags.cover = {chosen->mimeType(), chosen->picture()};
}

void takeFlacCover(const TagLib::List<TagLib::FLAC::Picture*>& pictures, Tags& tags)
{
    const TagLib::FLAC::Picture* chosen = nullptr;
    for (const TagLib::FLAC::Picture* picture : pictures) {
        if (!chosen)
            chosen = picture;
        if (picture->type() == TagLib::FLAC::Picture::FrontCover) {
            chosen = picture;
            break;
        }
    }
    if (chosen)
        tags.cover = {chosen->mimeType(), chosen->data()};
}

Tags readWav(TagLib::IOStream& stream, const std::string& path, TagNotes& notes)
{
    Tags tags;
    if (const std::optional<std::string> damage = riffDamage(path))
        notes.push_back("skipped the tags from the damaged part of " + quoted(path) + ": " + *damage);
    TagLib::RIFF::WAV::File file(&stream, false);
    if (!file.isValid())
        return tags;
    if (file.hasID3v2Tag()) {
        takeProperties(file.ID3v2Tag()->properties(), tags);
        takeId3Cover(*file.ID3v2Tag(), tags);
    }
    if (file.hasInfoTag())
        takeInfo(*file.InfoTag(), tags);
    return tags;
}

// MPEG and TTA files: the fields TagLib gathers from all their tags, the
// cover from the ID3v2 tag alone.
template <class File>
Tags readWithId3Cover(File& file)
{
    Tags tags;
    if (!file.isValid())
        return tags;
    takeProperties(file.properties(), tags);
    if (file.hasID3v2Tag())
        takeId3Cover(*file.ID3v2Tag(), tags);
    return tags;
}

Tags readMpeg(TagLib::IOStream& stream)
{
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    return readWithId3Cover(file);
}

Tags readTta(TagLib::IOStream& stream)
{
    TagLib::TrueAudio::File file(&stream, false);
    return readWithId3Cover(file);
}

Tags readFlac(TagLib::IOStream& stream)
{
    Tags tags;
    TagLib::FLAC::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (!file.isValid())
        return tags;
    takeProperties(file.properties(), tags);
    takeFlacCover(file.pictureList(), tags);
    return tags;
}

Tags readVorbis(TagLib::IOStream& stream)
{
    Tags tags;
    TagLib::Ogg::Vorbis::File file(&stream, false);
    if (!file.isValid() || !file.tag())
        return tags;
    takeProperties(file.tag()->properties(), tags);
    takeFlacCover(file.tag()->pictureList(), tags);
    return tags;
}

Tags readKind(AudioKind kind, TagLib::IOStream& stream, const std::string& path, TagNotes& notes)
{
    switch (kind) {
    case AudioKind::Wav:
        return readWav(stream, path, notes);
    case AudioKind::Mpeg:
        return readMpeg(stream);
    case AudioKind::Tta:
        return readTta(stream);
    case AudioKind::Flac:
        return readFlac(stream);
    case AudioKind::OggVorbis:
        return readVorbis(stream);
    case AudioKind::Adts:
    case AudioKind::Unknown:
        break;
    }
    return {};
}

void dropOversized(Tags& tags, const std::string& path, TagNotes& notes)
{
    for (const TagFieldNames& names : kTagFields) {
        TagLib::String& value = tags[names.field];
        if (value.size() > kMaxFieldChars) {
            notes.push_back("skipped the field " + std::string(names.property) + " of " + quoted(path) + ": " +
                            std::to_string(value.size()) + " characters, more than a tag holds");
            value = TagLib::String();
        }
    }
    if (tags.cover.data.size() > kMaxCoverBytes) {
        notes.push_back("skipped the cover of " + quoted(path) + ": " + std::to_string(tags.cover.data.size()) +
                        " bytes, more than 16 MiB");
        tags.cover = {};
    }
}

} // namespace

bool Tags::empty() const
{
    for (const TagLib::String& value : fields) {
        if (!value.isEmpty())
            return false;
    }
    return cover.data.isEmpty();
}

Tags readTags(const std::string& path, TagNotes& notes)
{
    const AudioKind kind = audioKindOf(path);
    if (kind == AudioKind::Unknown || kind == AudioKind::Adts)
        return {};
    InfoText::install();
    // Read-only: the input is never written, whatever TagLib would do with it.
    TagLib::FileStream stream(path.c_str(), true);
    if (!stream.isOpen())
        return {};
    Tags tags = readKind(kind, stream, path, notes);
    dropOversized(tags, path, notes);
    return tags;
}

} // namespace marulo::bridge
