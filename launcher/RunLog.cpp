#include "launcher/RunLog.h"

namespace marulo {

qint64 RunLog::begin(LogEntry entry)
{
    entries_.push_back(std::move(entry));
    const auto id = static_cast<qint64>(entries_.size()) - 1;
    emit added(id);
    return id;
}

LogEntry* RunLog::find(qint64 id)
{
    if (id < 0 || id >= static_cast<qint64>(entries_.size()))
        return nullptr;
    return &entries_[static_cast<std::size_t>(id)];
}

void RunLog::progress(qint64 id, double percent)
{
    if (LogEntry* entry = find(id)) {
        entry->percent = percent;
        emit changed(id);
    }
}

void RunLog::finish(qint64 id, const QString& outcome, bool failed, const QStringList& lastOutput)
{
    if (LogEntry* entry = find(id)) {
        entry->running = false;
        entry->outcome = outcome;
        entry->failed = failed;
        entry->lastOutput = lastOutput;
        emit changed(id);
    }
}

void RunLog::note(const QString& file, const QString& text)
{
    LogEntry entry;
    entry.started = QDateTime::currentDateTime();
    entry.file = file;
    entry.running = false;
    entry.outcome = text;
    begin(std::move(entry));
}

QString RunLog::toText() const
{
    QString text;
    for (const LogEntry& entry : entries_) {
        text += entry.started.toString(Qt::ISODate) + QLatin1Char(' ');
        if (entry.count > 0)
            text += QStringLiteral("%1/%2 ").arg(entry.index).arg(entry.count);
        text +=
            entry.file + QLatin1Char(' ') + entry.converter + QLatin1String(": ") + entry.outcome + QLatin1Char('\n');
        if (!entry.commandText.isEmpty())
            text += QLatin1String("    ") + entry.commandText + QLatin1Char('\n');
        if (!entry.program.isEmpty())
            text += QLatin1String("    ") + entry.program + QLatin1Char('\n');
        for (const QString& line : entry.lastOutput)
            text += QLatin1String("    | ") + line + QLatin1Char('\n');
    }
    return text;
}

} // namespace marulo
