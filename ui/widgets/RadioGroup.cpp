#include "ui/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>

namespace marulo {

void tabStopFollowsCheck(QAbstractButton* button)
{
    const auto follow = [button](bool checked) { button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus); };
    follow(button->isChecked());
    QObject::connect(button, &QAbstractButton::toggled, button, follow);
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent),
      group_(new QButtonGroup(this)),
      columns_(columns < 1 ? 1 : columns)
{
    group_->setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        tabStopFollowsCheck(button);
        group_->addButton(button, i);
        items_.append(button);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit selectionChanged(id);
    });
    arrangeItems();
}

int RadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= items_.size())
        return;
    items_.at(index)->setChecked(true);
}

QRadioButton* RadioGroup::item(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrangeItems();
}

// The classic radio-group arrangement: the caption's text height on top, the
// rest shared evenly by the rows, the spare pixels split above and below.
void RadioGroup::arrangeItems()
{
    if (items_.isEmpty())
        return;
    const int perColumn = int((items_.size() + columns_ - 1) / columns_);
    const int textHeight = QFontMetrics(font()).height();
    const int free = height() - textHeight - 5;
    const int rowHeight = free / perColumn;
    const int topMargin = textHeight + 1 + (free % perColumn) / 2;
    const int columnWidth = (width() - 10) / columns_;
    for (int i = 0; i < items_.size(); ++i) {
        const int column = i / perColumn;
        const int row = i % perColumn;
        items_.at(i)->setGeometry(8 + column * columnWidth, topMargin + row * rowHeight, columnWidth, rowHeight);
    }
}

} // namespace marulo
