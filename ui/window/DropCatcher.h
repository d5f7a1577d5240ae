#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;

namespace marulo {

// The local path a drop stands for: its first item counts, and only when it is
// a local file or folder; empty otherwise.
QString FirstDroppedPath(const QMimeData* data);

// Takes drags of files and folders wherever it watches, offering the first
// dropped path to open. It watches the window, whose controls then pass drops
// on to it, and the lists' viewports, so that a drop on a list comes to the
// window too.
class DropCatcher : public QObject {
    Q_OBJECT

public:
    DropCatcher(std::function<void(const QString&)> open, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};

} // namespace marulo
