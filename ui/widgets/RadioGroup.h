#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QRadioButton;

namespace marulo {

// Radio items are tab stops only while checked, so Tab enters a group once, at
// its checked item; a click still focuses any item.
void tabStopFollowsCheck(QAbstractButton* button);

// A captioned frame of radio items in columns filled top to bottom; exactly
// one item is selected once an index has been set.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int itemIndex() const;
    // An index outside the items leaves the selection as it is.
    void setItemIndex(int index);
    QRadioButton* item(int index) const;
    int count() const { return int(items_.size()); }

    // Places the items for the current size (also done on every resize).
    void arrangeItems();

signals:
    // After the selection moved to another item, by the user or from code.
    void selectionChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QRadioButton*> items_;
    QButtonGroup* group_ = nullptr;
    int columns_;
};

} // namespace marulo
