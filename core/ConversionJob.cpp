#include "core/ConversionJob.h"

#include "core/WorkPaths.h"

#include <algorithm>

namespace marulo {

struct ConversionJob::FileRun {
    std::string path;
    std::unique_ptr<FileNames> names; // made when the file comes up
    std::unique_ptr<FileSteps> steps; // while it runs, and its result after
};

ConversionJob::ConversionJob(ConversionWindow& window, StepRunner& runner, FileOperations& files,
                             const EncoderOptions& previous, RunPolicy policy)
    : window_(window),
      runner_(runner),
      files_(files),
      options_(previous),
      policy_(policy)
{
    policy_.jobs = std::max(1, policy_.jobs);
}

ConversionJob::~ConversionJob() = default;

void ConversionJob::BuildOptions()
{
    BuildEncoderPrefix(window_.TakeSettings(), options_);
}

// The level of the press's normalise steps, from the run policy. The files of
// an album run wait for the gain of its measuring step; a press that measures
// no album (one file, or "Normalize" off or decoding on at the press while the
// switch may be turned on later) brings each file to the target on its own,
// so no file is ever normalised with a guessed gain.
void ConversionJob::ChooseLevel(bool album)
{
    const LoudnessPolicy& loudness = policy_.loudness;
    NormalizeLevel& level = options_.Level;
    level = {};
    if (loudness.method == NormalizeMethod::Peak)
        return;
    if (loudness.method == NormalizeMethod::Gain) {
        level.kind = NormalizeLevel::Kind::Gain;
        level.gain = loudness.gain;
        return;
    }
    level.kind = NormalizeLevel::Kind::Loudness;
    level.target = loudness.target;
    level.ceiling = loudness.ceiling;
    if (album && MeasuresAlbum())
        level.kind = NormalizeLevel::Kind::Gain;
}

void ConversionJob::ConvertSelectedFile()
{
    BuildOptions();
    ChooseLevel(false);
    const std::string baseFolder = BaseFolder(window_.OpenedFolder());
    const std::string inputPath = window_.SelectedPath();
    if (inputPath.empty()) {
        ConversionMessage message;
        message.id = ConversionMessage::Id::NoFileSelected;
        window_.SetStatusText(message);
        return;
    }
    MakeWorkFolder(baseFolder);
    // One file: the selection stays as the user made it.
    policy_.jobs = 1;
    Begin({inputPath}, baseFolder, false);
}

void ConversionJob::ConvertListedFiles()
{
    BuildOptions();
    ChooseLevel(true);
    const std::string baseFolder = BaseFolder(window_.OpenedFolder());
    // The files of the press: the user may open another folder or switch the
    // list's mask while a converter runs, and the walk must neither skip nor
    // repeat a file because the list changed under it.
    const std::vector<std::string> paths = window_.ListedPaths();
    if (paths.empty()) {
        ConversionMessage message;
        message.id = ConversionMessage::Id::NoFileInFolder;
        window_.SetStatusText(message);
        return;
    }
    MakeWorkFolder(baseFolder);
    Begin(paths, baseFolder, true);
}

void ConversionJob::MakeWorkFolder(const std::string& baseFolder)
{
    const std::string folder = WorkFolder(baseFolder);
    madeWorkFolder_ = files_.Stat(folder).exists ? std::string() : folder;
    files_.MakeFolder(folder);
}

void ConversionJob::Begin(const std::vector<std::string>& paths, const std::string& baseFolder, bool followSelection)
{
    fileRuns_.clear();
    fileRuns_.reserve(paths.size());
    for (const std::string& path : paths)
        fileRuns_.push_back({path, nullptr, nullptr});
    // Every file has the base folder of the press, so only the path is kept
    // per file until it comes up.
    baseFolder_ = baseFolder;
    summary_ = RunSummary{};
    summary_.files = static_cast<int>(paths.size());
    followSelection_ = followSelection;
    finished_ = false;
    // A fixed gain given by the policy needs no measuring.
    if (options_.Level.kind == NormalizeLevel::Kind::Gain && policy_.loudness.method == NormalizeMethod::Album)
        MeasureAlbum();
    else
        Advance();
}

bool ConversionJob::MeasuresAlbum() const
{
    return marulo::MeasuresAlbum(policy_.loudness, window_.Normalize(), window_.Decode());
}

void ConversionJob::MeasureAlbum()
{
    measure_ = std::make_unique<AlbumMeasure>(files_, baseFolder_);
    std::vector<std::string> paths;
    paths.reserve(fileRuns_.size());
    for (const FileRun& file : fileRuns_)
        paths.push_back(file.path);
    std::optional<StepStart> step = measure_->Prepare(paths);
    if (!step) {
        measureFailed_ = true;
        Finish();
        return;
    }
    step->id = nextStepId_++;
    const int id = step->id;
    runner_.Start(*step, [this, id](const RunOutcome& outcome) { AlbumMeasured(id, outcome); });
}

// With the gain known the files start, as many at once as the policy allows.
void ConversionJob::AlbumMeasured(int id, const RunOutcome& outcome)
{
    const RunOutcome verdict = measure_->Finish(outcome, policy_.loudness);
    if (verdict.succeeded())
        runner_.Noted(id, measure_->note());
    runner_.Ended(id, verdict);
    options_.Level.gain = measure_->gain();
    measure_.reset();
    if (!verdict.succeeded() && !stopping_) {
        measureFailed_ = true;
        Finish();
        return;
    }
    Advance();
}

// Starts files while lanes are free. A file waits while a running file could
// write one of its paths, and every later file waits behind it, so files start
// in list order and the results are those of one file after another.
void ConversionJob::Advance()
{
    if (advancing_)
        return;
    advancing_ = true;
    while (!stopping_ && next_ < fileRuns_.size() && running_.size() < std::size_t(policy_.jobs)) {
        FileRun& file = fileRuns_[next_];
        if (!file.names)
            file.names = std::make_unique<FileNames>(NamesOf(baseFolder_, file.path));
        if (!MayStart(file))
            break;
        StartFile(next_++);
    }
    advancing_ = false;
    if (running_.empty() && (stopping_ || next_ >= fileRuns_.size()))
        Finish();
}

bool ConversionJob::MayStart(const FileRun& file) const
{
    return std::none_of(running_.begin(), running_.end(),
                        [&](std::size_t other) { return ShareALane(*fileRuns_[other].names, *file.names); });
}

void ConversionJob::StartFile(std::size_t index)
{
    FileRun& file = fileRuns_[index];
    file.steps = std::make_unique<FileSteps>(window_, files_, options_, *file.names, policy_.existing);
    running_.push_back(index);
    if (followSelection_)
        window_.SelectListedFile(file.path);
    RunNextStep(index);
}

void ConversionJob::RunNextStep(std::size_t index)
{
    FileSteps& steps = *fileRuns_[index].steps;
    std::optional<Step> step = stopping_ ? std::nullopt : steps.Next();
    if (!step) {
        FileDone(index);
        return;
    }
    StepStart start;
    start.id = nextStepId_++;
    start.command = std::move(step->command);
    start.converter = std::move(step->converter);
    start.outputPath = std::move(step->outputPath);
    start.inputPath = steps.names().InputPath;
    start.inputName = steps.names().InputName;
    start.index = static_cast<int>(index) + 1;
    start.count = summary_.files;
    const int id = start.id;
    runner_.Start(start, [this, index, id](const RunOutcome& outcome) { StepEnded(index, id, outcome); });
}

void ConversionJob::StepEnded(std::size_t index, int id, const RunOutcome& outcome)
{
    const RunOutcome verdict = fileRuns_[index].steps->Finish(outcome);
    // The log keeps the gain a loudness or album step applied to the file.
    if (verdict.succeeded() && options_.Level.kind != NormalizeLevel::Kind::Peak)
        if (const std::string gain = AppliedGain(outcome.lastOutput); !gain.empty())
            runner_.Noted(id, gain);
    runner_.Ended(id, verdict);
    RunNextStep(index);
    Advance();
}

void ConversionJob::FileDone(std::size_t index)
{
    running_.erase(std::find(running_.begin(), running_.end(), index));
    FileRun& file = fileRuns_[index];
    switch (file.steps->result()) {
    case FileSteps::Result::Converted:
        ++summary_.converted;
        break;
    case FileSteps::Result::Failed:
        if (summary_.failed == 0 || index < firstFailed_)
            firstFailed_ = index;
        ++summary_.failed;
        break;
    case FileSteps::Result::Skipped:
        ++summary_.skipped;
        window_.NoteSkipped(file.names->InputName, file.steps->existingResult());
        break;
    case FileSteps::Result::Stopped:
        break;
    }
    // The failed file's converter is kept for the report; the steps go, so a
    // folder of many files holds only the running ones.
    if (file.steps->result() != FileSteps::Result::Failed)
        file.steps.reset();
    file.names.reset();
}

void ConversionJob::Stop()
{
    if (finished_ || stopping_)
        return;
    stopping_ = true;
    summary_.stopped = true;
    runner_.StopAll();
}

void ConversionJob::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    // A run stopped before anything reached the work folder it made leaves
    // no empty folder behind; one that was there before stays.
    if (summary_.stopped && !madeWorkFolder_.empty())
        files_.RemoveEmptyFolder(madeWorkFolder_);
    madeWorkFolder_.clear();
    Report();
    fileRuns_.clear();
    next_ = 0;
    stopping_ = false;
    measureFailed_ = false;
    if (onFinished_)
        onFinished_();
}

void ConversionJob::Report()
{
    ConversionMessage message;
    message.files = summary_.files;
    message.converted = summary_.converted;
    message.failed = summary_.failed;
    if (measureFailed_) {
        message.id = ConversionMessage::Id::AlbumMeasureFailed;
        window_.ShowNotice(message);
        return;
    }
    if (summary_.stopped) {
        message.id = ConversionMessage::Id::Stopped;
        window_.ShowNotice(message);
        return;
    }
    if (summary_.failed > 0) {
        const FileSteps& first = *fileRuns_[firstFailed_].steps;
        message.id = summary_.failed == 1 ? ConversionMessage::Id::StepFailed : ConversionMessage::Id::SomeFailed;
        message.converter = first.failedConverter();
        message.fileName = first.names().InputName;
        message.reason = first.failedReason();
        window_.ShowNotice(message);
        return;
    }
    if (!followSelection_ && summary_.skipped == summary_.files) {
        message.id = ConversionMessage::Id::ResultExists;
        window_.ShowNotice(message);
    }
}

} // namespace marulo
