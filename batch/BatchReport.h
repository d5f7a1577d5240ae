#pragma once

#include "batch/FileWatch.h"

#include <QElapsedTimer>
#include <QString>

#include <map>
#include <optional>

namespace marulo {

// A failed step as the batch words it: "normalize.exe: exit status 2: <its
// last line>".
QString FailureDetail(const std::string& converter, const RunOutcome& verdict);

// What the batch tells the user on standard error. On a terminal one line
// updates in place while files run; elsewhere (a log, a pipe) one line per
// finished file. Quiet leaves failures only. The summary closes every run.
class BatchReport {
public:
    BatchReport(int files, bool quiet, bool terminal);

    void Progress(const QString& inputPath, std::optional<double> percent);
    void FileEnded(const FileEnd& end);
    void Skipped(const std::string& inputName, const std::string& existingResult);
    void Summary(bool stopped);

    int failed() const { return failed_; }

private:
    void Line(const QString& text);
    void Redraw();
    QString Elapsed() const;

    int files_;
    bool quiet_;
    bool terminal_;
    int done_ = 0;
    int converted_ = 0;
    int failed_ = 0;
    int skipped_ = 0;
    bool drawn_ = false;
    std::map<QString, double> running_; // input path -> per cent
    QElapsedTimer clock_;
};

} // namespace marulo
