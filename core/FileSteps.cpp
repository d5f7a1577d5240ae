#include "core/FileSteps.h"

#include "core/ConverterTable.h"
#include "core/LoudnessLevel.h"
#include "core/NumberedNames.h"
#include "core/StepResult.h"
#include "core/WorkPaths.h"

namespace marulo {

namespace {

// "Zorvik/song.wav" gives "Zorvik/.song.marulo.wav": hidden, and still ending
// in ".wav", since the normaliser writes the format its output's name says.
std::string PrivateCopyPath(const std::string& workWav)
{
    const std::size_t separator = workWav.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::string path = workWav.substr(0, nameStart) + '.' + workWav.substr(nameStart);
    path.insert(path.size() - std::string_view("wav").size(), "marulo.");
    return path;
}

} // namespace

FileSteps::FileSteps(ConversionWindow& window, FileOperations& files, const EncoderOptions& options, FileNames names,
                     ExistingResults existing)
    : window_(window),
      files_(files),
      options_(options),
      names_(std::move(names)),
      existing_(existing)
{
}

std::optional<Step> FileSteps::Next()
{
    switch (stage_) {
    case Stage::Begin:
        return Begin();
    case Stage::Normalised:
        return Encode();
    case Stage::Decoding:
    case Stage::Normalising:
    case Stage::Encoding:
    case Stage::Done:
        break;
    }
    return std::nullopt;
}

std::optional<Step> FileSteps::Begin()
{
    if (existing_ == ExistingResults::Skip) {
        const std::string result = ExpectedResult();
        if (files_.Stat(result).exists) {
            existingResult_ = result;
            End(Result::Skipped);
            return std::nullopt;
        }
    }
    if (window_.Decode()) {
        const EncodeMode mode = window_.Mode();
        const std::string decoded = ConverterOf(mode).decodedName == DecodedName::FlacWav
                                        ? FlacWavPath(names_.BaseFolder, names_.Stem4)
                                        : WorkWavPath(names_.BaseFolder, names_.Stem3);
        const std::string output = ResultName(decoded);
        auto command = BuildDecodeCommand(mode, names_.InputPath, output);
        if (!command) {
            End(Result::Converted);
            return std::nullopt;
        }
        stage_ = Stage::Decoding;
        return Prepare(std::move(*command), output);
    }
    if (window_.Normalize()) {
        // In mode WAV the normalised copy is the result and takes a numbered
        // name; before an encoder it is an intermediate and keeps its own
        // unless an earlier file stands there.
        const std::string workWav = WorkWavPath(names_.BaseFolder, names_.Stem3);
        const std::string output = EncoderRuns() ? IntermediateName(workWav) : ResultName(workWav);
        stage_ = Stage::Normalising;
        return Prepare(BuildLevelCommand(options_.Level, options_.NormalizeOption, output, names_.InputPath), output);
    }
    return Encode();
}

std::optional<Step> FileSteps::Encode()
{
    // Without this file's own normalised copy the encoder reads the selected
    // file itself: a copy left by an earlier conversion is never encoded, and
    // the input is named as the list gave it, whatever the case of its extension.
    const bool normalised = !normalisedPath_.empty();
    const std::string& encoderInput = normalised && window_.Normalize() ? normalisedPath_ : names_.InputPath;
    if (!EncoderRuns()) {
        KeepOwnCopy();
        End(Result::Converted); // mode WAV: the normalised copy is the result
        return std::nullopt;
    }
    const std::string output = ResultName(OutputPath(names_.BaseFolder, names_.Stem3, options_.OutputExtension));
    auto command = BuildEncodeCommand(options_.PressMode, options_.EncoderPrefix, encoderInput, output);
    stage_ = Stage::Encoding;
    return Prepare(std::move(*command), output);
}

Step FileSteps::Prepare(CommandLine command, std::string outputPath)
{
    std::vector<std::string> arguments = command.arguments();
    current_.converter = arguments.empty() ? std::string() : std::move(arguments.front());
    current_.command = std::move(command);
    current_.outputPath = std::move(outputPath);
    before_ = files_.Stat(current_.outputPath);
    return current_;
}

RunOutcome FileSteps::Finish(const RunOutcome& outcome)
{
    RunOutcome verdict = outcome;
    const FileState after = files_.Stat(current_.outputPath);
    // An earlier file of that name does not make a silent converter's result.
    if (verdict.succeeded() && !(IsResult(after) && StepTouched(before_, after)))
        verdict.kind = RunOutcome::Kind::NoResult;
    // Never a file the step did not write: an earlier result it left alone stays.
    if (!verdict.succeeded() && StepTouched(before_, after))
        files_.RemoveFile(current_.outputPath);

    const Stage finished = stage_;
    if (finished == Stage::Encoding)
        RemoveOwnCopy();
    if (!verdict.succeeded()) {
        End(verdict.kind == RunOutcome::Kind::Stopped ? Result::Stopped : Result::Failed, current_.converter);
        failedReason_ = FailureReason(verdict);
    } else if (finished == Stage::Normalising) {
        normalisedPath_ = current_.outputPath;
        stage_ = Stage::Normalised;
    } else {
        End(Result::Converted);
    }
    return verdict;
}

void FileSteps::RemoveOwnCopy()
{
    // Only the copy this file's own normalise step wrote, and whatever became
    // of the encoder: a failed encode must not leave the copy in the work
    // folder, where it looks like a result. The switch and the mode are read
    // now, since the user may have changed them while the encoder ran.
    if (normalisedPath_.empty())
        return;
    if (window_.DeleteTemp() && window_.Mode() != EncodeMode::Wav)
        files_.RemoveFile(normalisedPath_);
    else
        KeepOwnCopy();
}

void FileSteps::KeepOwnCopy()
{
    // A hidden copy that is to be kept after all (the switch or the mode was
    // changed while a converter ran) takes the name a result would.
    if (!privateCopy_)
        return;
    const std::string kept =
        FirstFreePath(WorkWavPath(names_.BaseFolder, names_.Stem3),
                      [this](const std::string& candidate) { return files_.Stat(candidate).exists; });
    files_.RenameFile(normalisedPath_, kept);
    normalisedPath_ = kept;
    privateCopy_ = false;
}

std::string FileSteps::ResultName(const std::string& path)
{
    if (existing_ != ExistingResults::Number)
        return path;
    return FirstFreePath(path, [this](const std::string& candidate) { return files_.Stat(candidate).exists; });
}

std::string FileSteps::IntermediateName(const std::string& workWav)
{
    const auto taken = [this](const std::string& candidate) { return files_.Stat(candidate).exists; };
    if (!taken(workWav))
        return workWav;
    // An earlier WAV result (or a decoded file) is the user's, whatever the
    // existing-results policy says: the copy goes elsewhere. A copy that is
    // to be removed takes a hidden name of its own; one to be kept takes the
    // numbered name a result would.
    if (!window_.DeleteTemp())
        return FirstFreePath(workWav, taken);
    privateCopy_ = true;
    return FirstFreePath(PrivateCopyPath(workWav), taken);
}

bool FileSteps::EncoderRuns()
{
    // The encoder and its line are the press's; the mode at this step only
    // says whether it runs: WAV chosen during a run ends each later file
    // after its normalise step, and a run pressed in WAV never encodes.
    return options_.PressMode != EncodeMode::Wav && window_.Mode() != EncodeMode::Wav;
}

std::string FileSteps::ExpectedResult()
{
    if (window_.Decode())
        return window_.Mode() == EncodeMode::Flac ? FlacWavPath(names_.BaseFolder, names_.Stem4)
                                                  : WorkWavPath(names_.BaseFolder, names_.Stem3);
    if (!EncoderRuns())
        return WorkWavPath(names_.BaseFolder, names_.Stem3);
    return OutputPath(names_.BaseFolder, names_.Stem3, options_.OutputExtension);
}

void FileSteps::End(Result result, std::string converter)
{
    stage_ = Stage::Done;
    result_ = result;
    failedConverter_ = std::move(converter);
    failedReason_.clear();
}

} // namespace marulo
