#include "core/ConversionJob.h"

#include "core/ConversionTexts.h"
#include "core/ConverterTable.h"
#include "core/WorkPaths.h"

namespace marulo {

FileNames NamesOf(const std::string& baseFolder, const std::string& inputPath)
{
    FileNames names;
    names.BaseFolder = baseFolder;
    names.InputPath = inputPath;
    names.InputName = InputName(inputPath, baseFolder);
    names.Stem3 = Stem3(names.InputName);
    names.Stem4 = Stem4(names.InputName);
    return names;
}

ConversionJob::ConversionJob(ConversionWindow& window, ToolRunner& runner, FileOperations& files,
                             EncoderOptions& heldOptions)
    : window_(window), runner_(runner), files_(files), options_(heldOptions)
{
}

void ConversionJob::BuildOptions()
{
    BuildEncoderPrefix(window_.TakeSettings(), options_);
}

void ConversionJob::ConvertSelectedFile()
{
    BuildOptions();
    const std::string baseFolder = BaseFolder(window_.OpenedFolder());
    const std::string inputPath = window_.SelectedPath();
    if (inputPath.empty()) {
        window_.SetStatusText(std::string(ConversionTexts::NoFileSelected));
        return;
    }
    const FileNames names = NamesOf(baseFolder, inputPath);
    files_.MakeFolder(WorkFolder(baseFolder));
    ConvertOneFile(names);
}

void ConversionJob::ConvertListedFiles()
{
    BuildOptions();
    const std::string baseFolder = BaseFolder(window_.OpenedFolder());
    // The files of the press: the user may open another folder or switch the
    // list's mask while a converter runs, and the walk must neither skip nor
    // repeat a file because the list changed under it.
    const std::vector<std::string> paths = window_.ListedPaths();
    if (paths.empty()) {
        window_.SetStatusText(std::string(ConversionTexts::NoFileInFolder));
        return;
    }
    files_.MakeFolder(WorkFolder(baseFolder));
    for (const std::string& path : paths) {
        window_.SelectListedFile(path);
        ConvertOneFile(NamesOf(baseFolder, path));
    }
}

bool ConversionJob::ConvertOneFile(const FileNames& names)
{
    if (window_.Decode()) {
        const EncodeMode mode = window_.Mode();
        const std::string decoded = mode == EncodeMode::Flac ? FlacWavPath(names.BaseFolder, names.Stem4)
                                                             : WorkWavPath(names.BaseFolder, names.Stem3);
        const auto command = BuildDecodeCommand(mode, names.InputPath, decoded);
        return !command || RunStep(*command, names);
    }

    const std::string workWav = WorkWavPath(names.BaseFolder, names.Stem3);
    bool normalised = false;
    if (window_.Normalize()) {
        if (!RunStep(BuildNormalizeCommand(options_.NormalizeOption, workWav, names.InputPath), names))
            return false;
        normalised = true;
    }

    // Without this file's own normalised copy the encoder reads the selected
    // file itself: a copy left by an earlier conversion is never encoded, and
    // the input is named as the list gave it, whatever the case of its extension.
    const std::string& encoderInput = normalised && window_.Normalize() ? workWav : names.InputPath;
    const auto command = BuildEncodeCommand(window_.Mode(), options_.EncoderPrefix, encoderInput,
                                            OutputPath(names.BaseFolder, names.Stem3, options_.OutputExtension));
    if (!command)
        return true; // mode WAV: the normalised copy is the result
    // Every press so far was in mode WAV, which builds no encoder prefix, and
    // the mode was changed during the run: the line would begin with a path.
    // Nothing is run, and the user is told the file was not encoded.
    if (options_.EncoderPrefix.empty()) {
        ReportFailure(ConverterOf(window_.Mode()).encoder, names);
        return false;
    }
    if (!RunStep(*command, names))
        return false;

    // Only the copy this conversion wrote is removed: a file of that name that
    // an earlier conversion left (a WAV-mode result, a decoded file) stays.
    if (normalised && window_.DeleteTemp() && window_.Mode() != EncodeMode::Wav)
        files_.RemoveFile(workWav);
    return true;
}

bool ConversionJob::RunStep(const CommandLine& command, const FileNames& names)
{
    const RunOutcome outcome = runner_.RunToolAndWait(command);
    if (outcome.succeeded())
        return true;
    const std::vector<std::string> arguments = command.arguments();
    ReportFailure(arguments.empty() ? std::string_view() : std::string_view(arguments.front()), names);
    return false;
}

void ConversionJob::ReportFailure(std::string_view converter, const FileNames& names)
{
    window_.SetStatusText(ConversionTexts::StepFailed(converter, names.InputName));
}

} // namespace marulo
