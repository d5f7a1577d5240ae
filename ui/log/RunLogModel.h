#pragma once

#include <QAbstractTableModel>
#include <QIcon>

namespace marulo {

class RunLog;
struct LogEntry;

// The run log as a table, one step a row, following the log as it is
// written: a new step is one inserted row, a step that reports progress or
// ends one changed row.
class RunLogModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Time, Number, File, Converter, Outcome, ColumnCount };

    explicit RunLogModel(const RunLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const LogEntry& entry(int row) const;

    // What a cell shows; the status column of a running step carries its share.
    static QString cellText(const LogEntry& entry, int column);

private:
    void onAdded();
    void onChanged(qint64 id);

    const RunLog& log_;
    // The rows the views know of. The log changes before it signals, so the
    // count is kept here and moved in step with the signals.
    int rows_ = 0;
    QIcon failedIcon_;
};

} // namespace marulo
