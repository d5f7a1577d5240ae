#pragma once

#include <taglib/infotag.h>

namespace marulo::bridge {

// RIFF INFO text carries no encoding. It is read as UTF-8 when it is valid
// UTF-8, else as CP932 when it is plainly Japanese, else as Latin-1; it is
// always written as UTF-8.
class InfoText : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override;
    TagLib::ByteVector render(const TagLib::String& text) const override;

    // Makes TagLib read and write every INFO chunk this way.
    static void install();
};

} // namespace marulo::bridge
