#include "app/LocationOpener.h"

#include "ui/window/TForm1.h"

#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace marulo {

LocationOpener::LocationOpener(TForm1& window) : QObject(&window), window_(window)
{
    // Queued: the path is opened after the activation that ran the check has
    // been handled, so its notice follows the check's own text.
    connect(
        &window_, &TForm1::startUpCheckDone, this,
        [this] {
            if (!waiting_.isEmpty())
                openNow(std::exchange(waiting_, QString()));
        },
        Qt::QueuedConnection);
}

bool LocationOpener::open(const QString& path)
{
    if (path.isEmpty())
        return true;
    if (!window_.startUpChecked()) {
        waiting_ = path;
        // The answer a later start gets now; the window says more when it opens.
        const QFileInfo location(path);
        return location.exists() && location.isReadable();
    }
    return openNow(path);
}

bool LocationOpener::openNow(const QString& path)
{
    const OpenResult outcome = window_.openLocation(path);
    window_.showLocationNotice(outcome, path);
    if (outcome != OpenResult::Failed)
        return true;
    std::fprintf(stderr, "marulo: \"%s\" could not be opened: no such folder or file, or no permission to read it.\n",
                 qUtf8Printable(path));
    return false;
}

} // namespace marulo
