#include "batch/BatchReport.h"

#include "batch/BatchTexts.h"
#include "launcher/Translation.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace marulo {

namespace {

QString Text(const char* text)
{
    return Translated("BatchTexts", text);
}

QString Clock(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
// A result in its work folder, as seen from the input's folder: "Zorvik/a.mp3".
QString InWorkFolder(const std::string& resultPath)
{
    const QFileInfo result(QString::fromStdString(resultPath));
    return result.dir().dirName() + QLatin1Char('/') + result.fileName();
}

// The result as seen from its input's folder: "Zorvik/a.mp3".
QString ResultName(const FileEnd& end)
{
    const QString input = QString::fromStdString(end.inputPath);
    return QFileInfo(input).dir().relativeFilePath(QString::fromStdString(end.resultPath));
}

} // namespace

BatchReport::BatchReport(int files, bool quiet, bool terminal) : files_(files), quiet_(quiet), terminal_(terminal)
{
    clock_.start();
}

void BatchReport::Line(const QString& text)
{
    // A line of its own clears the line that updates in place first.
    std::fputs(drawn_ ? "\r\033[K" : "", stderr);
    drawn_ = false;
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
    Redraw();
}

QString BatchReport::Elapsed() const
{
    return Clock(clock_.elapsed());
}

void BatchReport::Redraw()
{
    if (!terminal_ || quiet_ || running_.empty())
        return;
    QStringList shares;
    double share = done_;
    for (const auto& [path, percent] : running_) {
        shares << QStringLiteral("%1 %2%").arg(QFileInfo(path).fileName()).arg(qRound(percent));
        share += percent / 100;
    }
    const qint64 elapsed = clock_.elapsed();
    const QString left = share > 0 ? Clock(static_cast<qint64>(static_cast<double>(elapsed) * (files_ - share) / share))
                                   : QStringLiteral("-");
    const QString line =
        Text(BatchTexts::Progress).arg(done_).arg(files_).arg(shares.join(QStringLiteral("  ")), Elapsed(), left);
    std::fputs(qUtf8Printable(QStringLiteral("\r\033[K") + line), stderr);
    drawn_ = true;
}

void BatchReport::Progress(const QString& inputPath, std::optional<double> percent)
{
    if (percent)
        running_[inputPath] = *percent;
    else if (!running_.contains(inputPath))
        running_[inputPath] = 0;
    Redraw();
}

QString FailureDetail(const std::string& converter, const RunOutcome& verdict)
{
    QString detail =
        QString::fromStdString(converter) + QStringLiteral(": ") + QString::fromStdString(LogWording(verdict));
    if (!verdict.lastOutput.empty())
        detail += QStringLiteral(": ") + QString::fromStdString(verdict.lastOutput.back());
    return detail;
}

void BatchReport::FileEnded(const FileEnd& end)
{
    running_.erase(QString::fromStdString(end.inputPath));
    if (end.stopped) {
        Redraw();
        return;
    }
    ++done_;
    const QString name = QString::fromStdString(end.inputName);
    if (end.failed) {
        ++failed_;
        Line(Text(BatchTexts::Failed).arg(name, FailureDetail(end.converter, end.verdict)));
        return;
    }
    ++converted_;
    if (!quiet_ && !terminal_)
        Line(Text(BatchTexts::Converted).arg(name, ResultName(end)));
    Redraw();
}

void BatchReport::Skipped(const std::string& inputName, const std::string& existingResult)
{
    ++done_;
    ++skipped_;
    if (!quiet_ && !terminal_)
        Line(Text(BatchTexts::Skipped).arg(QString::fromStdString(inputName), InWorkFolder(existingResult)));
}

void BatchReport::Summary(bool stopped)
{
    std::fputs(drawn_ ? "\r\033[K" : "", stderr);
    drawn_ = false;
    running_.clear();
    if (quiet_ && !stopped && failed_ == 0)
        return;
    const QString text =
        stopped ? Text(BatchTexts::StoppedSummary).arg(files_).arg(converted_).arg(failed_).arg(Elapsed())
                : Text(BatchTexts::Summary).arg(files_).arg(converted_).arg(failed_).arg(skipped_).arg(Elapsed());
    std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr);
}

} // namespace marulo
