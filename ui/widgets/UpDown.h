#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace marulo {

// A spin button beside an edit field: a control of its own (own enabled state,
// never takes the focus) that steps the number in its buddy field by 1 within
// its range, without wrap-around. Up and Down in the field step it too.
class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // The last position written or read; the field's text wins when it is a number.
    int position() const { return position_; }
    void setPosition(int position);

    // One step up (+1) or down (-1), as a click on an arrow does.
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

} // namespace marulo
