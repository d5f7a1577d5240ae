#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace marulo {

// The languages the interface comes in. Japanese is the design's own: its
// texts are the sources every translation looks up.
enum class Language {
    Japanese,
    English,
};

// The word a settings file or the command line names a language by ("ja",
// "en"); nullopt for any other word.
std::optional<Language> LanguageNamed(QStringView word);

// The word for a language, as LanguageNamed reads it.
QString LanguageWord(Language language);

// The one place the language of a run is decided: the command line's choice
// (argument) over the settings file's "[interface] language" (its row in
// launcher/SettingDeclarations.cpp) over Japanese.
// An unknown word in the file reads as no choice.
Language ChosenLanguage(std::optional<Language> argument, const QString& settingsPath);

} // namespace marulo
