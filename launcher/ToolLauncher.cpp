#include "launcher/ToolLauncher.h"

#include "launcher/LauncherLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace marulo {

namespace {

constexpr int KeptOutputBytes = 4096;
constexpr int KeptOutputLines = 10;

bool IsRunnable(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

// The end of the converter's output, for the report of a failed run; the rest
// is read and dropped as it comes so a talkative converter never blocks.
class OutputTail {
public:
    void add(const QByteArray& chunk)
    {
        bytes_.append(chunk);
        if (bytes_.size() > KeptOutputBytes)
            bytes_.remove(0, bytes_.size() - KeptOutputBytes);
    }

    std::vector<std::string> lines() const
    {
        QList<QByteArray> all = bytes_.split('\n');
        while (!all.isEmpty() && all.last().trimmed().isEmpty())
            all.removeLast();
        std::vector<std::string> kept;
        for (qsizetype i = std::max<qsizetype>(0, all.size() - KeptOutputLines); i < all.size(); ++i)
            kept.push_back(all[i].toStdString());
        return kept;
    }

private:
    QByteArray bytes_;
};

void ReportFailure(const QString& program, const RunOutcome& outcome)
{
    qCWarning(lcLauncher, "%s: %s", qUtf8Printable(program), Describe(outcome).c_str());
    for (const std::string& line : outcome.lastOutput)
        qCWarning(lcLauncher, "  %s", line.c_str());
}

} // namespace

QString ToolLauncher::InstalledConverterFolder()
{
    // Relative to the program, so an installation works under any prefix and
    // a moved installation still finds its converters.
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(MARULO_CONVERTER_RELDIR)));
}

QString ToolLauncher::Locate(const QString& name)
{
    // A name with a folder in it is not a bare name: never let a line send the
    // search outside the four places.
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QString folders[] = {QCoreApplication::applicationDirPath(), InstalledConverterFolder(), QDir::currentPath()};
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (IsRunnable(candidate))
            return candidate;
    }
    return QStandardPaths::findExecutable(name);
}

RunOutcome ToolLauncher::RunToolAndWait(const CommandLine& commandLine)
{
    RunOutcome outcome;
    const std::vector<std::string> arguments = commandLine.arguments();
    const QString name = arguments.empty() ? QString() : QString::fromStdString(arguments.front());
    if (abandoned_) {
        outcome.kind = RunOutcome::Kind::Abandoned;
        ReportFailure(name, outcome);
        return outcome;
    }
    const QString program = Locate(name);
    if (program.isEmpty()) {
        outcome.kind = RunOutcome::Kind::NotFound;
        ReportFailure(name, outcome);
        return outcome;
    }

    QStringList rest;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        rest << QString::fromStdString(arguments[i]);

    // On the heap: if the wait is cut short the process must outlive this call,
    // since a destroyed QProcess would kill the converter half-way.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(rest);
    process->setWorkingDirectory(QDir::currentPath());
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());

    OutputTail tail;
    bool ended = false;
    QEventLoop loop;
    // Every connection has the loop as context, so none outlives this call.
    QObject::connect(process, &QProcess::readyReadStandardOutput, &loop,
                     [&] { tail.add(process->readAllStandardOutput()); });
    // A failed start comes without finished(); a crash comes as Crashed and
    // then finished(CrashExit), which settles it below.
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        outcome.kind = RunOutcome::Kind::FailedToStart;
        ended = true;
        loop.quit();
    });
    QObject::connect(process, &QProcess::finished, &loop, [&](int exitCode, QProcess::ExitStatus status) {
        tail.add(process->readAllStandardOutput());
        if (status == QProcess::CrashExit) {
            outcome.kind = RunOutcome::Kind::Crashed;
        } else if (exitCode != 0) {
            outcome.kind = RunOutcome::Kind::ExitedWithStatus;
            outcome.exitStatus = exitCode;
        }
        ended = true;
        loop.quit();
    });

    process->start();
    // Some start failures are reported from inside start() itself.
    if (!ended)
        loop.exec();

    if (ended) {
        delete process;
    } else {
        // Only an application-wide quit ends the loop early (the window never
        // asks for one while a conversion runs). The converter is left to
        // finish on its own and nothing else is started.
        abandoned_ = true;
        outcome.kind = RunOutcome::Kind::Abandoned;
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    }
    outcome.lastOutput = tail.lines();
    if (!outcome.succeeded())
        ReportFailure(program, outcome);
    return outcome;
}

} // namespace marulo
