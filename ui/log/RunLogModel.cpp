#include "ui/log/RunLogModel.h"

#include "launcher/RunLog.h"
#include "launcher/Translation.h"
#include "ui/texts/LogTexts.h"

#include <QApplication>
#include <QColor>
#include <QStyle>

namespace marulo {

namespace {

const QColor FailedText(0xc0, 0x00, 0x00);

constexpr const char* Headers[RunLogModel::ColumnCount] = {
    LogTexts::ColumnTime,      LogTexts::ColumnNumber,  LogTexts::ColumnFile,
    LogTexts::ColumnConverter, LogTexts::ColumnOutcome,
};

QString runningText(const LogEntry& entry)
{
    QString text = Translated("LogTexts", LogTexts::Running);
    if (entry.percent)
        text += QLatin1Char(' ') + QString::number(*entry.percent, 'f', 1) + QLatin1Char('%');
    return text;
}

} // namespace

RunLogModel::RunLogModel(const RunLog& log, QObject* parent)
    : QAbstractTableModel(parent),
      log_(log),
      rows_(static_cast<int>(log.entries().size())),
      failedIcon_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical))
{
    connect(&log, &RunLog::added, this, &RunLogModel::onAdded);
    connect(&log, &RunLog::changed, this, &RunLogModel::onChanged);
}

int RunLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int RunLogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const LogEntry& RunLogModel::entry(int row) const
{
    return log_.entries()[static_cast<std::size_t>(row)];
}

QString RunLogModel::cellText(const LogEntry& entry, int column)
{
    switch (column) {
    case Time:
        return entry.started.toString(QStringLiteral("HH:mm:ss"));
    case Number:
        return entry.count > 0 ? QStringLiteral("%1/%2").arg(entry.index).arg(entry.count) : QString();
    case File:
        return entry.file;
    case Converter:
        return entry.converter;
    case Outcome:
        return entry.running ? runningText(entry) : entry.outcome;
    default:
        return {};
    }
}

QVariant RunLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const LogEntry& step = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(step, index.column());
    case Qt::ForegroundRole:
        return step.failed ? QVariant(FailedText) : QVariant();
    case Qt::DecorationRole:
        return step.failed && index.column() == Outcome ? QVariant(failedIcon_) : QVariant();
    case Qt::ToolTipRole:
        return step.commandText.isEmpty() ? QVariant() : QVariant(step.commandText);
    default:
        return {};
    }
}

QVariant RunLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return Translated("LogTexts", Headers[section]);
}

void RunLogModel::onAdded()
{
    beginInsertRows({}, rows_, rows_);
    ++rows_;
    endInsertRows();
}

void RunLogModel::onChanged(qint64 id)
{
    if (id < 0 || id >= rows_)
        return;
    const int at = static_cast<int>(id);
    emit dataChanged(index(at, 0), index(at, ColumnCount - 1));
}

} // namespace marulo
