#pragma once

#include "core/CommandBuilder.h"
#include "core/ConversionWindow.h"
#include "core/FileNames.h"
#include "core/FileOperations.h"
#include "core/RunOutcome.h"
#include "core/RunPolicy.h"

#include <optional>
#include <string>

namespace marulo {

// One converter step of a file: the line to run and where its result goes.
struct Step {
    CommandLine command;
    std::string outputPath;
    std::string converter; // the line's first argument
};

// The steps of one file, one at a time: decode, or normalise and encode, then
// the removal of the normalised copy. Each Next() reads the window's switches
// at that moment, so a switch changed while a converter runs counts from the
// next step on. Finish() judges the step that ran: it succeeded only with
// status 0 and a result of at least one byte that the step wrote (created or
// changed) at its output path, and after a
// failed or stopped step whatever that step created or changed there is removed.
class FileSteps {
public:
    enum class Result { Converted, Failed, Stopped, Skipped };

    FileSteps(ConversionWindow& window, FileOperations& files, const EncoderOptions& options, FileNames names,
              ExistingResults existing);

    // The next converter step; nothing when the file is done (see result()).
    std::optional<Step> Next();
    // How the converter of the step from Next() ended; returns the verdict.
    RunOutcome Finish(const RunOutcome& outcome);

    const FileNames& names() const { return names_; }
    bool done() const { return stage_ == Stage::Done; }
    Result result() const { return result_; }
    // The converter whose step failed or was stopped.
    const std::string& failedConverter() const { return failedConverter_; }
    // That converter's own reason, one line; empty when it gave none.
    const std::string& failedReason() const { return failedReason_; }
    // The earlier result that made a Skipped file be left alone.
    const std::string& existingResult() const { return existingResult_; }

private:
    enum class Stage { Begin, Decoding, Normalising, Normalised, Encoding, Done };

    std::optional<Step> Begin();
    std::optional<Step> Encode();
    Step Prepare(CommandLine command, std::string outputPath);
    // The result's name as the step starts: under the "number" policy the
    // first free numbered name, else the name itself.
    std::string ResultName(const std::string& path);
    // Where the normalised copy before an encoder goes: its own name, or
    // another one when an earlier file stands there.
    std::string IntermediateName(const std::string& workWav);
    std::string ExpectedResult();
    void RemoveOwnCopy();
    void KeepOwnCopy();
    void End(Result result, std::string converter = {});

    ConversionWindow& window_;
    FileOperations& files_;
    const EncoderOptions& options_;
    FileNames names_;
    ExistingResults existing_;

    Stage stage_ = Stage::Begin;
    Result result_ = Result::Converted;
    std::string failedConverter_;
    std::string failedReason_;
    std::string existingResult_;
    std::string normalisedPath_; // empty until this file's normalise step succeeded
    bool privateCopy_ = false;   // the normalised copy has a hidden name of its own
    Step current_;
    FileState before_;
};

} // namespace marulo
