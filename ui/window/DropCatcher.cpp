#include "ui/window/DropCatcher.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <utility>

namespace marulo {

QString FirstDroppedPath(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

DropCatcher::DropCatcher(std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent),
      open_(std::move(open))
{
}

bool DropCatcher::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (FirstDroppedPath(drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = FirstDroppedPath(drop->mimeData());
        if (path.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        open_(path);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace marulo
