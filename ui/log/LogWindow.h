#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace marulo {

class RunLog;
class RunLogModel;

// The session's converter steps, newest at the bottom, following the log
// live while open. A window of its own that belongs to the main window: it
// closes with it and never keeps the program running by itself. Choosing a
// step shows its command line, program and, for a failure, the converter's
// last output below the list.
class LogWindow : public QWidget {
    Q_OBJECT

public:
    LogWindow(const RunLog& log, QWidget* owner);

    QTableView* view() const { return view_; }

private:
    void copyLog();
    void showDetails();
    void followNewRows();

    const RunLog& log_;
    RunLogModel* model_;
    QTableView* view_;
    QPlainTextEdit* details_;
    QPushButton* copy_;
    bool atEnd_ = true; // the list showed its last row when the next one came
};

} // namespace marulo
