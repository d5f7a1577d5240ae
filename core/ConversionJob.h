#pragma once

#include "core/AlbumMeasure.h"
#include "core/CommandBuilder.h"
#include "core/ConversionWindow.h"
#include "core/FileNames.h"
#include "core/FileOperations.h"
#include "core/FileSteps.h"
#include "core/RunPolicy.h"
#include "core/StepRunner.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marulo {

// How far a run came, for its report.
struct RunSummary {
    int files = 0; // the press's files
    int converted = 0;
    int failed = 0;
    int skipped = 0;
    bool stopped = false; // the user stopped the run
};

// "Single Encode" and "ALL Encode". A press starts its run and returns; the
// run goes on each time the runner reports that a converter ended, and
// finished() turns true after the last step (onFinished is called then). With
// one job it is exactly the old sequence: each file's steps in order, one file
// after another. With more, up to `jobs` files run at once, started strictly
// in list order, and a file that could write the same path as a running one
// (ShareALane) waits for it. Each press takes one snapshot of the window's
// settings and builds its options from it, on top of the options of the press
// before (`previous`, which the caller keeps from one press to the next):
// mode WAV builds no encoder prefix and keeps the earlier one.
class ConversionJob {
public:
    ConversionJob(ConversionWindow& window, StepRunner& runner, FileOperations& files, const EncoderOptions& previous,
                  RunPolicy policy = {});
    ~ConversionJob();

    // "Single Encode": the selected file.
    void ConvertSelectedFile();
    // "ALL Encode": every file the list shows at the press.
    void ConvertListedFiles();
    // Esc: stops every running converter; nothing further starts.
    void Stop();

    bool finished() const { return finished_; }
    void setOnFinished(std::function<void()> onFinished) { onFinished_ = std::move(onFinished); }
    const RunSummary& summary() const { return summary_; }
    // The options of the last press, for the caller to keep for the next job.
    const EncoderOptions& options() const { return options_; }

private:
    struct FileRun;

    void BuildOptions();
    void ChooseLevel(bool album);
    bool MeasuresAlbum() const;
    void MeasureAlbum();
    void AlbumMeasured(int id, const RunOutcome& outcome);
    void MakeWorkFolder(const std::string& baseFolder);
    void Begin(const std::vector<std::string>& paths, const std::string& baseFolder, bool followSelection);
    void Advance();
    bool MayStart(const FileRun& file) const;
    void StartFile(std::size_t index);
    void RunNextStep(std::size_t index);
    void StepEnded(std::size_t index, int id, const RunOutcome& outcome);
    void FileDone(std::size_t index);
    void Finish();
    void Report();

    ConversionWindow& window_;
    StepRunner& runner_;
    FileOperations& files_;
    EncoderOptions options_;
    RunPolicy policy_;

    std::string baseFolder_;
    std::string madeWorkFolder_; // the work folder this press made; empty if it was there
    std::vector<FileRun> fileRuns_;
    std::size_t next_ = 0; // the next file to start, in list order
    std::vector<std::size_t> running_;
    bool followSelection_ = false;
    bool stopping_ = false;
    bool finished_ = true;
    int nextStepId_ = 0;
    std::size_t firstFailed_ = 0; // valid while summary_.failed > 0
    RunSummary summary_;
    std::function<void()> onFinished_;
    // An album run's measuring step, before its first file; the run ends
    // without a file when it fails.
    std::unique_ptr<AlbumMeasure> measure_;
    bool measureFailed_ = false;
    // Guards against a runner that reports a step's end from inside Start().
    bool advancing_ = false;
};

} // namespace marulo
