#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QListWidget;
class QListWidgetItem;

namespace marulo {

// The key each row of a list stands for (a path, a file name), read from role.
QStringList RowKeys(const QListWidget& list, int role);

struct RowUpdate {
    bool changed = false;        // a row was added or taken out
    bool currentRemoved = false; // the current row was among those taken out
    int neighbour = -1;          // then the row that stood next to it, -1 when none is left
};

// Brings the rows of list in line with keys, a list sorted the way the rows
// already are: rows whose key is gone are taken out and rows for new keys are
// made by make(key) and put in their places. Rows that stay keep their item,
// so the selection stays on them, and the row at the top of the view stays at
// the top. A current row that goes away leaves the list without one: the view
// would otherwise select a neighbour by itself, and only the caller knows
// whether that is wanted.
RowUpdate UpdateRows(QListWidget& list, const QStringList& keys, int role,
                     const std::function<QListWidgetItem*(const QString& key)>& make);

} // namespace marulo
