#include "launcher/Language.h"

#include <QFileInfo>
#include <QSettings>

namespace marulo {

namespace {

struct LanguageRow {
    Language language;
    const char* word;
};

constexpr LanguageRow LanguageWords[] = {
    {Language::Japanese, "ja"},
    {Language::English, "en"},
};

// Read here on its own for now, beside the settings the window loads: the
// language is chosen before any window exists, and the launcher cannot reach
// the window's settings code. It moves into the settings' own reading once
// that is shared with the launcher.
std::optional<Language> languageInFile(const QString& settingsPath)
{
    if (!QFileInfo(settingsPath).isFile())
        return std::nullopt;
    const QSettings file(settingsPath, QSettings::IniFormat);
    return LanguageNamed(file.value(QStringLiteral("interface/language")).toString().trimmed());
}

} // namespace

std::optional<Language> LanguageNamed(QStringView word)
{
    for (const LanguageRow& row : LanguageWords) {
        if (word == QLatin1String(row.word))
            return row.language;
    }
    return std::nullopt;
}

QString LanguageWord(Language language)
{
    for (const LanguageRow& row : LanguageWords) {
        if (row.language == language)
            return QLatin1String(row.word);
    }
    return QLatin1String(LanguageWords[0].word);
}

Language ChosenLanguage(std::optional<Language> argument, const QString& settingsPath)
{
    if (argument)
        return *argument;
    return languageInFile(settingsPath).value_or(Language::Japanese);
}

} // namespace marulo
