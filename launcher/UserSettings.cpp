#include "launcher/UserSettings.h"

#include "launcher/SettingDeclarations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

#include <algorithm>

namespace marulo {

namespace {

const SettingDeclaration& Declared(const char* key)
{
    for (const SettingDeclaration& setting : SettingDeclarations())
        if (qstrcmp(setting.key, key) == 0)
            return setting;
    Q_UNREACHABLE();
}

// A settings file is text: UTF-8 without control characters but tab and line
// ends. (QSettings says FormatError only at the first reading of a file in a
// process, so it cannot be asked again at a save.)
bool IsSettingsText(const QByteArray& bytes)
{
    const bool control = std::any_of(bytes.begin(), bytes.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return (code < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || code == 0x7f;
    });
    if (control)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8(bytes);
    return !utf8.hasError();
}

// A file that is not a settings file at all (random bytes) would be kept and
// appended to: it goes aside as marulo.conf.bad, replacing an earlier one,
// and the file is written afresh. Whatever of it could be read was loaded at
// the start and is written again with the rest.
void SetAsideUnreadable(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    const bool settingsText = IsSettingsText(file.readAll());
    file.close();
    if (settingsText)
        return;
    const QString bad = path + QStringLiteral(".bad");
    QFile::remove(bad);
    QFile::rename(path, bad);
}

bool Written(QSettings& file)
{
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace

int MaxJobs()
{
    return static_cast<int>(SettingUpper(Declared("jobs")));
}

QString SettingsFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative paths in the variable are to be ignored, as the base directory rules say.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(base).filePath(QStringLiteral("marulo/marulo.conf"));
}

UserSettings DefaultSettings()
{
    UserSettings settings;
    for (const SettingDeclaration& setting : SettingDeclarations())
        setting.set(settings, ParseSetting(setting, QString::fromUtf8(setting.defaultText)));
    return settings;
}

UserSettings LoadSettings(const QString& path)
{
    UserSettings settings = DefaultSettings();
    // QSettings would read a missing file as empty anyway; the check keeps it
    // from touching anything at all.
    if (!QFileInfo(path).isFile())
        return settings;
    const QSettings file(path, QSettings::IniFormat);
    for (const SettingDeclaration& setting : SettingDeclarations()) {
        const QVariant value = ParseSetting(setting, file.value(SettingKey(setting)).toString());
        if (value.isValid())
            setting.set(settings, value);
    }
    return settings;
}

// An empty text is not written: the remembered folder stays until another is.
bool SaveSettings(const UserSettings& settings, const QString& path)
{
    SetAsideUnreadable(path);
    QSettings file(path, QSettings::IniFormat);
    for (const SettingDeclaration& setting : SettingDeclarations()) {
        const QString text = SettingText(setting, setting.get(settings));
        if (setting.type != SettingType::Text || !text.isEmpty())
            file.setValue(SettingKey(setting), text);
    }
    return Written(file);
}

bool SaveLastFolder(const QString& folder, const QString& path)
{
    SetAsideUnreadable(path);
    QSettings file(path, QSettings::IniFormat);
    file.setValue(SettingKey(Declared("lastFolder")), folder);
    return Written(file);
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
