#include "batch/BatchProgram.h"

#include "batch/BatchFiles.h"
#include "batch/BatchOptions.h"
#include "batch/BatchReport.h"
#include "batch/BatchTexts.h"
#include "batch/BatchWindow.h"
#include "batch/FileWatch.h"
#include "batch/FolderGain.h"
#include "batch/StopSignals.h"
#include "core/ConversionJob.h"
#include "core/ConverterTable.h"
#include "core/FileOperations.h"
#include "core/LoudnessLevel.h"
#include "launcher/ProcessRunner.h"
#include "launcher/RunLog.h"
#include "launcher/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QLoggingCategory>

#include <cstdio>
#include <unistd.h>

namespace marulo {

namespace {

constexpr int FailedStatus = 1;
constexpr int UsageStatus = 2;
constexpr int StoppedStatus = 130;

QString Text(const char* text)
{
    return Translated("BatchTexts", text);
}

int Refuse(const BatchRequest& request)
{
    QString message = request.parserError;
    if (request.error) {
        message = Text(request.error);
        for (const QString& argument : request.errorArguments)
            message = message.arg(argument);
    }
    std::fputs(qUtf8Printable(QStringLiteral("marulo: ") + message + QLatin1Char('\n') + Text(BatchTexts::SeeHelp) +
                              QLatin1Char('\n')),
               stderr);
    return UsageStatus;
}

std::vector<std::string> StdPaths(const QStringList& paths)
{
    std::vector<std::string> list;
    for (const QString& path : paths)
        list.push_back(path.toStdString());
    return list;
}

// One folder's files as one press of "ALL Encode" there. current is the
// running job, for a signal to stop. False when stopped.
bool ConvertFolder(const BatchRequest& request, const FolderFiles& run, ProcessRunner& runner, BatchReport& report,
                   EncoderOptions& held, ConversionJob*& current)
{
    BatchWindow window(
        request.settings, run.folder.toStdString(), StdPaths(run.paths),
        [&report](const std::string& name, const std::string& existing) { report.Skipped(name, existing); });
    FileWatch watch(runner, [&report](const FileEnd& end) { report.FileEnded(end); });
    LocalFileOperations files;
    ConversionJob job(window, watch, files, held, request.settings.user.policy);
    QEventLoop loop;
    job.setOnFinished([&loop] { loop.quit(); });
    current = &job;
    job.ConvertListedFiles();
    held = job.options();
    if (!job.finished())
        loop.exec();
    current = nullptr;
    return !job.summary().stopped;
}

// The jobs, one line per file on standard output. An album's gain is measured
// per folder first, as each folder's press would, and each job carries it as
// a fixed gain in place of the method; if a measure fails nothing is printed.
int PrintJobs(const BatchRequest& request, const QStringList& files, const QString& startFolder)
{
    const QString program = QCoreApplication::applicationFilePath();
    const BatchSettings& settings = request.settings;
    if (!MeasuresAlbum(settings.user.policy.loudness, settings.normalize, settings.decode)) {
        for (const QString& line : JobLines(program, request.jobOptions, files))
            std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stdout);
        return 0;
    }
    QStringList options = request.jobOptions;
    if (const qsizetype method = options.indexOf(QStringLiteral("--normalize-method")); method >= 0)
        options.remove(method, 2);
    RunLog log;
    ProcessRunner runner(
        log, [](const QString&, std::optional<double>) {}, startFolder);
    QStringList lines;
    for (const FolderFiles& run : ByFolder(files)) {
        RunOutcome failure;
        const std::optional<double> gain =
            MeasureFolderGain(run, runner, request.settings.user.policy.loudness, failure);
        if (!gain) {
            const QString detail = FailureDetail(std::string(NormalizerExecutable), failure);
            std::fputs(qUtf8Printable(QStringLiteral("marulo: ") +
                                      Text(BatchTexts::MeasureFailed).arg(run.folder, detail) + QLatin1Char('\n')),
                       stderr);
            return FailedStatus;
        }
        lines << JobLines(program,
                          options + QStringList{QStringLiteral("--gain"), QString::fromStdString(LevelNumber(*gain))},
                          run.paths);
    }
    for (const QString& line : lines)
        std::fputs(qUtf8Printable(line + QLatin1Char('\n')), stdout);
    return 0;
}

} // namespace

int RunBatch(int argc, char* argv[])
{
    // Only the program's name reaches Qt, as in the window's start.
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    // Each failure has its line in the batch's own report; the launcher's
    // reports of the same failure would say it twice. QT_LOGGING_RULES still
    // brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("marulo.launcher.warning=false"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The folder the batch started in: the converters are looked for there
    // too, as in the window, and relative paths are read from it.
    const QString startFolder = QDir::currentPath();
    const BatchRequest request = ParseBatchArguments(arguments, startFolder, SettingsFilePath());
    InstallTranslation(ChosenLanguage(request.language, SettingsFilePath()));
    if (request.action == BatchRequest::Action::ShowHelp) {
        std::fputs(qUtf8Printable(request.help), stdout);
        return 0;
    }
    if (request.action == BatchRequest::Action::Refuse)
        return Refuse(request);
    if (const QString bad = UnreadablePath(request.paths); !bad.isEmpty()) {
        BatchRequest refused = request;
        refused.error = BatchTexts::NoSuchPath;
        refused.errorArguments = {bad};
        return Refuse(refused);
    }

    const BatchSettings& settings = request.settings;
    const QStringList files = BatchFileList(request.paths, settings.encoder.mode, settings.decode);
    if (request.action == BatchRequest::Action::PrintJobs)
        return PrintJobs(request, files, startFolder);

    BatchReport report(static_cast<int>(files.size()), request.quiet, isatty(STDERR_FILENO) == 1);
    RunLog log;
    ProcessRunner runner(
        log, [&report](const QString& path, std::optional<double> percent) { report.Progress(path, percent); },
        startFolder);
    ConversionJob* current = nullptr;
    bool stopped = false;
    // Like Esc in the window: the running converters end, nothing further starts.
    StopSignals stopSignals([&stopped, &current] {
        stopped = true;
        if (current)
            current->Stop();
    });
    EncoderOptions held;
    for (const FolderFiles& run : ByFolder(files)) {
        if (stopped || !ConvertFolder(request, run, runner, report, held, current)) {
            stopped = true;
            break;
        }
    }
    report.Summary(stopped);
    if (stopped)
        return StoppedStatus;
    return report.failed() > 0 ? FailedStatus : 0;
}

} // namespace marulo
