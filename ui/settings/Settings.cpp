#include "ui/settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include <algorithm>

namespace marulo {

namespace {

const QString JobsKey = QStringLiteral("conversion/jobs");
const QString ExistingKey = QStringLiteral("conversion/existing");
const QString RememberKey = QStringLiteral("start/rememberFolder");
const QString LastFolderKey = QStringLiteral("start/lastFolder");

struct ExistingWord {
    ExistingResults value;
    const char* word;
};

constexpr ExistingWord ExistingWords[] = {
    {ExistingResults::Overwrite, "overwrite"},
    {ExistingResults::Skip, "skip"},
    {ExistingResults::Number, "number"},
};

int readJobs(const QSettings& file)
{
    bool isNumber = false;
    const int jobs = file.value(JobsKey).toString().trimmed().toInt(&isNumber);
    return isNumber && jobs >= 1 && jobs <= MaxJobs() ? jobs : RunPolicy{}.jobs;
}

ExistingResults readExisting(const QSettings& file)
{
    const QString word = file.value(ExistingKey).toString().trimmed();
    for (const ExistingWord& row : ExistingWords) {
        if (word == QLatin1String(row.word))
            return row.value;
    }
    return RunPolicy{}.existing;
}

// Only the two words a written file holds; "yes", "1" and the like read as off.
bool readRemember(const QSettings& file)
{
    return file.value(RememberKey).toString().trimmed() == QLatin1String("true");
}

QString wordOf(ExistingResults existing)
{
    for (const ExistingWord& row : ExistingWords) {
        if (row.value == existing)
            return QLatin1String(row.word);
    }
    return QLatin1String(ExistingWords[0].word);
}

bool written(QSettings& file)
{
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace

int MaxJobs()
{
    return 4 * std::max(1, QThread::idealThreadCount());
}

QString SettingsFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative paths in the variable are to be ignored, as the base directory rules say.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(base).filePath(QStringLiteral("marulo/marulo.conf"));
}

UserSettings LoadSettings(const QString& path)
{
    UserSettings settings;
    // QSettings would read a missing file as empty anyway; the check keeps it
    // from touching anything at all.
    if (!QFileInfo(path).isFile())
        return settings;
    const QSettings file(path, QSettings::IniFormat);
    settings.policy.jobs = readJobs(file);
    settings.policy.existing = readExisting(file);
    settings.rememberFolder = readRemember(file);
    settings.lastFolder = file.value(LastFolderKey).toString();
    return settings;
}

bool SaveSettings(const UserSettings& settings, const QString& path)
{
    QSettings file(path, QSettings::IniFormat);
    file.setValue(JobsKey, QString::number(settings.policy.jobs));
    file.setValue(ExistingKey, wordOf(settings.policy.existing));
    file.setValue(RememberKey, settings.rememberFolder ? QStringLiteral("true") : QStringLiteral("false"));
    if (!settings.lastFolder.isEmpty())
        file.setValue(LastFolderKey, settings.lastFolder);
    return written(file);
}

bool SaveLastFolder(const QString& folder, const QString& path)
{
    QSettings file(path, QSettings::IniFormat);
    file.setValue(LastFolderKey, folder);
    return written(file);
}

QString StartFolder(const UserSettings& settings, const QString& argumentFolder)
{
    if (!argumentFolder.isEmpty())
        return argumentFolder;
    if (settings.rememberFolder && !settings.lastFolder.isEmpty() && QFileInfo(settings.lastFolder).isDir())
        return settings.lastFolder;
    return {};
}

} // namespace marulo
