#include "launcher/Language.h"

#include "launcher/UserSettings.h"

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
    return LoadSettings(settingsPath).language;
}

} // namespace marulo
