#include "ui/widgets/ListRows.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QSet>

namespace marulo {

namespace {

// The row that stays nearest to row: itself or the first after it that stays,
// else the last before it that stays; empty when no row stays.
QString NearestStaying(const QStringList& rows, qsizetype row, const QSet<QString>& staying)
{
    for (qsizetype r = row; r < rows.size(); ++r) {
        if (staying.contains(rows.at(r)))
            return rows.at(r);
    }
    for (qsizetype r = std::min(row, rows.size()) - 1; r >= 0; --r) {
        if (staying.contains(rows.at(r)))
            return rows.at(r);
    }
    return {};
}

int TopRow(const QListWidget& list)
{
    if (!list.isVisible())
        return -1;
    return list.indexAt(QPoint(1, 1)).row();
}

} // namespace

QStringList RowKeys(const QListWidget& list, int role)
{
    QStringList keys;
    keys.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        keys.append(list.item(row)->data(role).toString());
    return keys;
}

RowUpdate UpdateRows(QListWidget& list, const QStringList& keys, int role,
                     const std::function<QListWidgetItem*(const QString& key)>& make)
{
    const QStringList old = RowKeys(list, role);
    if (old == keys)
        return {};
    const QSet<QString> staying(keys.begin(), keys.end());

    const int top = TopRow(list);
    const QString anchor = top >= 0 ? NearestStaying(old, top, staying) : QString();
    RowUpdate update;
    update.changed = true;
    QString neighbour;
    if (const int current = list.currentRow(); current >= 0 && !staying.contains(old.at(current))) {
        update.currentRemoved = true;
        neighbour = NearestStaying(old, current, staying);
        list.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }

    for (qsizetype row = old.size() - 1; row >= 0; --row) {
        if (!staying.contains(old.at(row)))
            delete list.takeItem(static_cast<int>(row));
    }
    for (qsizetype row = 0; row < keys.size(); ++row) {
        const int at = static_cast<int>(row);
        if (at < list.count() && list.item(at)->data(role).toString() == keys.at(row))
            continue;
        list.insertItem(at, make(keys.at(row)));
    }

    if (!neighbour.isEmpty())
        update.neighbour = static_cast<int>(keys.indexOf(neighbour));
    if (!anchor.isEmpty())
        list.scrollToItem(list.item(static_cast<int>(keys.indexOf(anchor))), QAbstractItemView::PositionAtTop);
    return update;
}

} // namespace marulo
