#include "tools/bridge/AudioKind.h"
#include "tools/bridge/InfoText.h"
#include "tools/bridge/RiffDamage.h"
#include "tools/bridge/Tags.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/trueaudiofile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

#include <fstream>
#include <iterator>

namespace marulo::bridge {

namespace {

// Replaces the carried fields and keeps whatever else the tool wrote itself
// (oggenc's and flac's vendor lines).
template <typename Tag>
void putProperties(Tag& tag, const Tags& tags)
{
    TagLib::PropertyMap properties = tag.properties();
    for (const TagFieldNames& names : kTagFields) {
        if (!tags[names.field].isEmpty())
            properties.replace(names.property, TagLib::StringList(tags[names.field]));
    }
    tag.setProperties(properties);
}

void putId3(TagLib::ID3v2::Tag& tag, const Tags& tags)
{
    putProperties(tag, tags);
    if (tags.cover.data.isEmpty())
        return;
    auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    frame->setMimeType(tags.cover.mimeType);
    frame->setPicture(tags.cover.data);
    tag.addFrame(frame);
}

TagLib::FLAC::Picture* flacCover(const Tags& tags)
{
    auto* picture = new TagLib::FLAC::Picture;
    picture->setType(TagLib::FLAC::Picture::FrontCover);
    picture->setMimeType(tags.cover.mimeType);
    picture->setData(tags.cover.data);
    return picture;
}

bool writeWav(const std::string& path, const Tags& tags)
{
    TagLib::RIFF::WAV::File file(path.c_str(), false);
    if (!file.isValid())
        return false;
    // INFO for the readers that know nothing else, the ID3 chunk for the rest.
    TagLib::RIFF::Info::Tag& info = *file.InfoTag();
    for (const TagFieldNames& names : kTagFields) {
        if (names.info && !tags[names.field].isEmpty())
            info.setFieldText(names.info, tags[names.field]);
    }
    putId3(*file.ID3v2Tag(), tags);
    return file.save(TagLib::RIFF::WAV::File::AllTags, TagLib::File::StripOthers, TagLib::ID3v2::v4);
}

bool writeMpeg(const std::string& path, const Tags& tags)
{
    TagLib::MPEG::File file(path.c_str(), TagLib::ID3v2::FrameFactory::instance(), false);
    if (!file.isValid())
        return false;
    putId3(*file.ID3v2Tag(true), tags);
    return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, TagLib::ID3v2::v4,
                     TagLib::File::DoNotDuplicate);
}

bool writeTta(const std::string& path, const Tags& tags)
{
    TagLib::TrueAudio::File file(path.c_str(), false);
    if (!file.isValid())
        return false;
    putId3(*file.ID3v2Tag(true), tags);
    return file.save();
}

bool writeFlac(const std::string& path, const Tags& tags)
{
    TagLib::FLAC::File file(path.c_str(), TagLib::ID3v2::FrameFactory::instance(), false);
    if (!file.isValid())
        return false;
    putProperties(*file.xiphComment(true), tags);
    if (!tags.cover.data.isEmpty())
        file.addPicture(flacCover(tags));
    return file.save();
}

bool writeVorbis(const std::string& path, const Tags& tags)
{
    TagLib::Ogg::Vorbis::File file(path.c_str(), false);
    if (!file.isValid() || !file.tag())
        return false;
    putProperties(*file.tag(), tags);
    if (!tags.cover.data.isEmpty())
        file.tag()->addPicture(flacCover(tags));
    return file.save();
}

// Raw AAC has no place for tags: an ID3v2 tag goes before its first frame,
// where players and ffmpeg look for one.
bool writeAdts(const std::string& path, const Tags& tags)
{
    TagLib::ID3v2::Tag tag;
    putId3(tag, tags);
    const TagLib::ByteVector head = tag.render(TagLib::ID3v2::v4);
    std::string audio;
    {
        std::ifstream in(path, std::ios::binary);
        audio.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (!in.eof() && in.fail())
            return false;
    }
    // A tag already in front would be hidden behind the new one, not replaced.
    if (audio.starts_with("ID3"))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(head.data(), static_cast<std::streamsize>(head.size()));
    out.write(audio.data(), static_cast<std::streamsize>(audio.size()));
    return static_cast<bool>(out.flush());
}

bool writeKind(AudioKind kind, const std::string& path, const Tags& tags)
{
    switch (kind) {
    case AudioKind::Wav:
        return writeWav(path, tags);
    case AudioKind::Mpeg:
        return writeMpeg(path, tags);
    case AudioKind::Tta:
        return writeTta(path, tags);
    case AudioKind::Flac:
        return writeFlac(path, tags);
    case AudioKind::OggVorbis:
        return writeVorbis(path, tags);
    case AudioKind::Adts:
        return writeAdts(path, tags);
    case AudioKind::Unknown:
        break;
    }
    return false;
}

} // namespace

void writeTags(const std::string& path, const Tags& tags, TagNotes& notes)
{
    const AudioKind kind = audioKindOf(path);
    if (kind == AudioKind::Unknown) {
        notes.push_back("wrote no tags: the result is of no kind that holds them");
        return;
    }
    // TagLib would write its chunks after the damage and lose them there.
    if (kind == AudioKind::Wav) {
        if (const std::optional<std::string> damage = riffDamage(path)) {
            notes.push_back("wrote no tags into the result: " + *damage);
            return;
        }
    }
    InfoText::install();
    if (!writeKind(kind, path, tags))
        notes.push_back("could not write the tags into the result");
}

} // namespace marulo::bridge
