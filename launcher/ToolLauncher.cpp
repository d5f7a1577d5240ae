#include "launcher/ToolLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace marulo {

namespace {

bool IsRunnable(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

} // namespace

QString ToolLauncher::Locate(const QString& name)
{
    // A name with a folder in it is not a bare name: never let a line send the
    // search outside the three places.
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QString candidate = QDir(folder).filePath(name);
        if (IsRunnable(candidate))
            return candidate;
    }
    return QStandardPaths::findExecutable(name);
}

} // namespace marulo
