#pragma once

#include <QLineEdit>
#include <QPointer>

class QLabel;
class QStringListModel;

namespace marulo {

// A field for typing a path, with the names of folders completed. Enter asks
// for the typed path; Esc or losing the focus closes it without change. A path
// the window could not open stays in the field, marked by a red frame and a
// short note beside it until the text changes.
class PathEntry : public QLineEdit {
    Q_OBJECT

public:
    explicit PathEntry(QWidget* parent = nullptr);

    // Shows the field empty and gives it the focus.
    void start();
    // Hides the field and gives the focus back to where it was at start.
    void finish();
    void markMissing();
    bool missingMarked() const;

    // The typed path with a leading "~" standing for the home folder.
    QString path() const;

signals:
    void pathEntered(const QString& path);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void unmark();
    void offerFolders(const QString& text);

    QLabel* missing_ = nullptr;
    QStringListModel* folders_ = nullptr;
    QString offeredFrom_; // the folder whose subfolders the completer offers
    QPointer<QWidget> returnFocus_;
    bool finishing_ = false; // giving the focus back is no leaving of the field
};

} // namespace marulo
