#include "launcher/ProcessRunner.h"

#include "launcher/ConverterProcess.h"
#include "launcher/RunLog.h"
#include "launcher/Translation.h"

#include <QDateTime>
#include <QtGlobal>

namespace marulo {

namespace {

// The one step that belongs to no file: an album run's measuring step.
constexpr const char* AlbumMeasure = QT_TRANSLATE_NOOP("ProcessRunner", "(アルバムの音量測定)");

QStringList Lines(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

} // namespace

ProcessRunner::ProcessRunner(RunLog& log, ProgressShown progress, QString toolFolder)
    : log_(log),
      progress_(std::move(progress)),
      toolFolder_(std::move(toolFolder))
{
}

ProcessRunner::~ProcessRunner()
{
    for (auto& [id, step] : running_)
        progress_(step.inputPath, std::nullopt);
}

void ProcessRunner::Start(const StepStart& step, Done done)
{
    Running& entry = running_[step.id];
    entry.process = std::make_unique<ConverterProcess>();
    entry.inputPath = QString::fromStdString(step.inputPath);
    ConverterProcess& process = *entry.process;
    process.start(step.command, toolFolder_);

    LogEntry logged;
    logged.started = QDateTime::currentDateTime();
    logged.file =
        step.inputName.empty() ? Translated("ProcessRunner", AlbumMeasure) : QString::fromStdString(step.inputName);
    logged.index = step.index;
    logged.count = step.count;
    logged.converter = QString::fromStdString(step.converter);
    logged.commandText = QString::fromStdString(step.command.text());
    logged.program = process.program();
    entry.logId = log_.begin(std::move(logged));

    const qint64 logId = entry.logId;
    const QString inputPath = entry.inputPath;
    process.setOnProgress([this, logId, inputPath](double percent) {
        progress_(inputPath, percent);
        log_.progress(logId, percent);
    });
    process.setOnFinished([done = std::move(done)](const RunOutcome& outcome) { done(outcome); });
}

void ProcessRunner::Ended(int id, const RunOutcome& verdict)
{
    const auto found = running_.find(id);
    if (found == running_.end())
        return;
    Running& step = found->second;
    QString outcome = QString::fromStdString(LogWording(verdict));
    if (!step.note.isEmpty())
        outcome += QLatin1String(", ") + step.note;
    log_.finish(step.logId, outcome, !verdict.succeeded(),
                verdict.succeeded() ? QStringList() : Lines(verdict.lastOutput));
    progress_(step.inputPath, std::nullopt);
    // Ended() is reached from inside the process's own report: it goes once
    // that report has returned.
    step.process.release()->deleteLater();
    running_.erase(found);
}

void ProcessRunner::Noted(int id, const std::string& note)
{
    if (const auto found = running_.find(id); found != running_.end())
        found->second.note = QString::fromStdString(note);
}

void ProcessRunner::StopAll()
{
    for (auto& [id, step] : running_)
        step.process->stop();
}

} // namespace marulo
