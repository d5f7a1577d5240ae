#pragma once

#include "core/CommandBuilder.h"
#include "core/ConversionWindow.h"
#include "core/FileOperations.h"
#include "core/ToolRunner.h"

#include <string>
#include <string_view>

namespace marulo {

// The names of one file of a conversion.
struct FileNames {
    std::string BaseFolder;
    std::string InputPath;
    std::string InputName;
    std::string Stem3;
    std::string Stem4;
};

FileNames NamesOf(const std::string& baseFolder, const std::string& inputPath);

// "Single Encode" and "ALL Encode" as sequential steps. Each converter step
// returns only when its converter has ended, so the window, the runner and the
// file operations must stay valid for the whole call. The options are held by
// the caller from one press to the next: mode WAV builds no encoder prefix and
// keeps the one of the press before.
class ConversionJob {
public:
    ConversionJob(ConversionWindow& window, ToolRunner& runner, FileOperations& files, EncoderOptions& heldOptions);

    // "Single Encode": the selected file.
    void ConvertSelectedFile();
    // "ALL Encode": every file the list shows at the press.
    void ConvertListedFiles();

    // The steps for one file. Returns false when a step failed; the window's
    // status bar then names the converter and the file.
    bool ConvertOneFile(const FileNames& names);

private:
    void BuildOptions();
    bool RunStep(const CommandLine& command, const FileNames& names);
    void ReportFailure(std::string_view converter, const FileNames& names);

    ConversionWindow& window_;
    ToolRunner& runner_;
    FileOperations& files_;
    EncoderOptions& options_;
};

} // namespace marulo
