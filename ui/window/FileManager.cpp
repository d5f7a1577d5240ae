#include "ui/window/FileManager.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace marulo {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// The desktop services hand a folder to xdg-open and report success before it
// has run, so a desktop with no file manager failed without a word; the
// opener's own status tells. The process belongs to the application, not to
// the window: a window that closes first only drops the report, and an opener
// still waiting for its file manager at the end is ended, not the manager.
void ShowInFileManager(const QString& folder, QObject* owner, const std::function<void()>& onFailed)
{
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(opener, &QProcess::errorOccurred, owner, [opener, onFailed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        onFailed();
    });
    QObject::connect(opener, &QProcess::finished, owner, [onFailed](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            onFailed();
    });
    // Also when the window is gone and nobody is told.
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    opener->start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(folder).toString()});
}

#else

void ShowInFileManager(const QString& folder, QObject*, const std::function<void()>& onFailed)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        onFailed();
}

#endif

} // namespace marulo
