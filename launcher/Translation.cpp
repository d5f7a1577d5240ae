#include "launcher/Translation.h"

#include "launcher/LauncherLog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace marulo {

bool InstallTranslation(Language language)
{
    // The translator of the language installed last; QPointer because the
    // application object deletes it if it goes first.
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (language == Language::Japanese)
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString name = QStringLiteral("marulo_") + LanguageWord(language);
    if (!translator->load(name, QStringLiteral(":/i18n"))) {
        qCWarning(lcLauncher, "the embedded translation %s could not be loaded", qUtf8Printable(name));
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

QString Translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

} // namespace marulo
