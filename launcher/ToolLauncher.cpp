#include "launcher/ToolLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace marulo {

namespace {

bool IsRunnable(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

// The search path less its empty and relative entries ("", "."), which
// would name the current folder.
QStringList AbsoluteSearchPath()
{
    QStringList folders;
    const QStringList entries = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        if (QDir::isAbsolutePath(entry))
            folders << entry;
    }
    return folders;
}

} // namespace

QString ToolLauncher::InstalledConverterFolder()
{
    // Relative to the program, so an installation works under any prefix and
    // a moved installation still finds its converters.
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(MARULO_CONVERTER_RELDIR)));
}

QString ToolLauncher::Locate(const QString& name, const QString& startupFolder)
{
    // A name with a folder in it is not a bare name: never let a line send the
    // search outside these places.
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    QStringList folders{QCoreApplication::applicationDirPath(), InstalledConverterFolder()};
    if (QDir::isAbsolutePath(startupFolder))
        folders << startupFolder;
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (IsRunnable(candidate))
            return candidate;
    }
    return QStandardPaths::findExecutable(name, AbsoluteSearchPath());
}

} // namespace marulo
