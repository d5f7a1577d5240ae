#pragma once

#include <QWidget>

#include <functional>

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
// last output below the list. It first opens beside its owner. Esc stops a
// run as it does in the main window (stopRun says whether one was running)
// and otherwise closes the log window.
class LogWindow : public QWidget {
    Q_OBJECT

public:
    LogWindow(const RunLog& log, QWidget* owner, std::function<bool()> stopRun);

    QTableView* view() const { return view_; }

private:
    void copyLog();
    void showDetails();
    void followNewRows();
    void escape();
    void placeBeside(const QWidget& owner);

    const RunLog& log_;
    RunLogModel* model_;
    QTableView* view_;
    QPlainTextEdit* details_;
    QPushButton* copy_;
    std::function<bool()> stopRun_;
    bool atEnd_ = true; // the list showed its last row when the next one came
};

} // namespace marulo
