#pragma once

#include "launcher/Language.h"

#include <QString>

namespace marulo {

// Makes the application speak language from now on: installs the translation
// embedded in the program (":/i18n/marulo_<word>.qm") and removes the one
// installed before, so a later call switches languages. Japanese needs no
// translation. Needs the application object; false when the embedded
// translation could not be loaded, which leaves the texts Japanese.
bool InstallTranslation(Language language);

// A fixed text in the installed language. context is the home its text was
// marked in (QT_TRANSLATE_NOOP("StatusTexts", ...) is looked up with
// "StatusTexts"); with no translation installed this is the text itself.
QString Translated(const char* context, const char* text);

} // namespace marulo
