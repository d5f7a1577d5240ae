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

QString ToolLauncher::InstalledConverterFolder()
{
    // Relative to the program, so an installation works under any prefix and
    // a moved installation still finds its converters.
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(MARULO_CONVERTER_RELDIR)));
}

QString ToolLauncher::Locate(const QString& name)
{
    // A name with a folder in it is not a bare name: never let a line send the
    // search outside the four places.
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QString folders[] = {QCoreApplication::applicationDirPath(), InstalledConverterFolder(), QDir::currentPath()};
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (IsRunnable(candidate))
            return candidate;
    }
    return QStandardPaths::findExecutable(name);
}

} // namespace marulo
