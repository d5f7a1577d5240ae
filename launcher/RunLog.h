#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace marulo {

// One converter step of the session, as the log window shows it.
struct LogEntry {
    QDateTime started;
    QString file;        // the input's name, as the file list shows it
    int index = 0;       // k of "k/N": the file's place among the press's files (1-based)
    int count = 0;       // N
    QString converter;   // "lame.exe"
    QString commandText; // CommandLine::text()
    QString program;     // the path the launcher resolved; empty when not found
    bool running = true;
    std::optional<double> percent; // while running, once the converter reported it
    QString outcome;               // "succeeded", "not found", "exit status 2", "stopped by the user", ...
    bool failed = false;
    QStringList lastOutput; // the converter's last lines, kept for a step that did not succeed
};

// Every converter step of the session, all of them kept: about a kilobyte a
// step with two full paths in its command line, so 100,000 steps take about
// 100 MB (bench_run_log measures it). The run writes it; the log window reads
// it.
class RunLog : public QObject {
    Q_OBJECT

public:
    // Adds a running step and returns its id for the updates below.
    qint64 begin(LogEntry entry);
    void progress(qint64 id, double percent);
    void finish(qint64 id, const QString& outcome, bool failed, const QStringList& lastOutput);
    // A note that is not a converter step (a file skipped, a run stopped).
    void note(const QString& file, const QString& text);

    // entries()[i] has id i.
    const std::deque<LogEntry>& entries() const { return entries_; }
    // The whole log as plain text, one step a line, output lines indented.
    QString toText() const;

signals:
    void added(qint64 id);
    void changed(qint64 id);

private:
    LogEntry* find(qint64 id);

    std::deque<LogEntry> entries_;
};

} // namespace marulo
