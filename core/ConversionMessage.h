#pragma once

#include <string>

namespace marulo {

// What a conversion tells the user, as which message and its arguments. The
// core has no words of its own: whoever shows the message words it in the
// user's language (launcher/ConversionMessages.h).
struct ConversionMessage {
    enum class Id {
        NoFileSelected,     // Single Encode with no file chosen
        NoFileInFolder,     // ALL Encode with an empty list
        StepFailed,         // one file failed: converter, fileName, reason
        SomeFailed,         // several failed: files, failed, then the first as StepFailed
        Stopped,            // the user stopped the run: files, converted, failed
        ResultExists,       // Single Encode left the file alone: its result is there
        AlbumMeasureFailed, // the album's loudness was not measured: no file was converted
    };

    Id id = Id::NoFileSelected;
    int files = 0;
    int converted = 0;
    int failed = 0;
    std::string converter;
    std::string fileName;
    // The converter's own reason for a failure, one line; empty when it gave none.
    std::string reason;
};

} // namespace marulo
