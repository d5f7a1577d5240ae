#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace marulo::test {

// One converter run as the stand-in recorded it.
struct StandinRun {
    QString name;
    QString cwd;
    QStringList args;
    qint64 startNs = 0;
    qint64 endNs = -1; // -1 while running, or after a crash
    int status = -1;
    bool crashed = false;
    qint64 pid = 0;
    qint64 childPid = 0; // MARULO_STANDIN_CHILD
    bool termIgnored = false;
    QStringList listed; // the paths of the list "normalize.exe --measure" read

    QString inputOf() const;  // the argument the converter read
    QString outputOf() const; // the argument after "-o" / "-of", or the last one
};

inline QString Unescape(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += next == QLatin1Char('n')   ? QChar('\n')
               : next == QLatin1Char('r') ? QChar('\r')
               : next == QLatin1Char('t') ? QChar('\t')
                                          : next;
    }
    return out;
}

// The run of that process; the latest run when the record names none.
inline StandinRun& RunOf(QList<StandinRun>& runs, qint64 pid)
{
    for (qsizetype i = runs.size() - 1; pid > 0 && i >= 0; --i)
        if (runs[i].pid == pid)
            return runs[i];
    return runs.last();
}

inline QList<StandinRun> ReadStandinLog(const QString& path)
{
    QList<StandinRun> runs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return runs;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        const QString kind = line.left(blank);
        const QString rest = line.mid(blank + 1);
        const QStringList words = rest.split(QLatin1Char(' '));
        if (kind == "start") {
            StandinRun run;
            run.name = Unescape(words.value(0));
            run.startNs = words.value(1).toLongLong();
            runs << run;
        } else if (runs.isEmpty()) {
            continue;
        } else if (kind == "cwd") {
            runs.last().cwd = Unescape(rest);
        } else if (kind == "arg") {
            runs.last().args << Unescape(rest);
        } else if (kind == "pid") {
            runs.last().pid = rest.toLongLong();
        } else if (kind == "end") {
            StandinRun& run = RunOf(runs, words.value(4).toLongLong());
            run.endNs = words.value(1).toLongLong();
            run.status = words.value(3).toInt();
        } else if (kind == "child") {
            RunOf(runs, words.value(1).toLongLong()).childPid = words.value(0).toLongLong();
        } else if (kind == "term") {
            RunOf(runs, words.value(1).toLongLong()).termIgnored = true;
        } else if (kind == "listed") {
            runs.last().listed << Unescape(rest);
        } else if (kind == "crash") {
            RunOf(runs, words.value(1).toLongLong()).crashed = true;
        }
    }
    return runs;
}

// Whether a process is gone: no such process, or only a zombie is left of it.
inline bool ProcessGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && line.mid(close + 2, 1) == "Z";
}

inline QString StandinRun::outputOf() const
{
    for (const char* option : {"-of", "-o"}) {
        const qsizetype at = args.indexOf(QLatin1String(option));
        if (at >= 0 && at + 1 < args.size())
            return args[at + 1];
    }
    return args.value(args.size() - 1);
}

inline QString StandinRun::inputOf() const
{
    if (name == "normalize.exe")
        return args.value(args.size() - 1);
    if (const qsizetype at = args.indexOf(QLatin1String("-if")); at >= 0)
        return args.value(at + 1);
    if (const qsizetype at = args.indexOf(QLatin1String("-o")); at > 0)
        return args[at - 1];
    return args.value(args.size() - 2);
}

} // namespace marulo::test
