// The English translation: complete against the texts the sources mark, true
// to their leading blank and placeholders, embedded in the launcher and
// loaded from there; and the one place that decides the language of a run.
#include "launcher/Language.h"
#include "launcher/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <optional>

using marulo::ChosenLanguage;
using marulo::InstallTranslation;
using marulo::Language;
using marulo::Translated;

Q_DECLARE_METATYPE(std::optional<Language>)

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

QList<Message> messagesIn(const QString& tsPath)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, true});
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            // Anything but a plain finished translation ("unfinished",
            // "vanished", "obsolete") would not reach the user.
            messages.last().finished = !xml.attributes().hasAttribute(QLatin1String("type"));
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QStringList keysOf(const QList<Message>& messages)
{
    QStringList keys;
    for (const Message& message : messages)
        keys << message.context + QLatin1String(" | ") + message.source;
    keys.sort();
    return keys;
}

QStringList placeholdersOf(const QString& text)
{
    QStringList found;
    const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void complete();
    void loadsFromTheProgram_data();
    void loadsFromTheProgram();
    void chosenLanguage_data();
    void chosenLanguage();

private:
    QTemporaryDir dir_;
};

// The tree's .ts against a fresh scan of the sources: the same messages, each
// finished, keeping its source's leading blank and its %1.
void TranslationsTest::complete()
{
    QVERIFY(dir_.isValid());
    const QString scanned = dir_.filePath(QStringLiteral("scanned_en.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(MARULO_SOURCE_DIR));
    const QStringList arguments =
        QStringLiteral(MARULO_LUPDATE_ARGUMENTS).split(QLatin1Char(' ')) + QStringList{QStringLiteral("-ts"), scanned};
    lupdate.start(QStringLiteral(MARULO_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    QCOMPARE(lupdate.exitCode(), 0);

    const QList<Message> tree = messagesIn(QStringLiteral(MARULO_SOURCE_DIR "/translations/marulo_en.ts"));
    const QList<Message> marked = messagesIn(scanned);
    QVERIFY(marked.size() > 90);
    QCOMPARE(keysOf(tree), keysOf(marked));
    for (const Message& message : tree) {
        const QString key = message.context + QLatin1String(": \"") + message.source + QLatin1Char('"');
        QVERIFY2(message.finished && !message.translation.isEmpty(), qPrintable(key + QLatin1String(" unfinished")));
        QVERIFY2(message.source.startsWith(QLatin1Char(' ')) == message.translation.startsWith(QLatin1Char(' ')),
                 qPrintable(key + QLatin1String(": leading blank")));
        QVERIFY2(placeholdersOf(message.source) == placeholdersOf(message.translation),
                 qPrintable(key + QLatin1String(": placeholders")));
    }
}

void TranslationsTest::loadsFromTheProgram_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const QString lameMissing = QStringLiteral(" lame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
    QTest::newRow("status, en") << Language::English << "StatusTexts" << lameMissing
                                << " lame.exe was not found in the program folder. Please check.";
    QTest::newRow("status, ja") << Language::Japanese << "StatusTexts" << lameMissing << lameMissing;
    QTest::newRow("hint, en") << Language::English << "FormTexts"
                              << "作業終了"
                              << "Quit";
    QTest::newRow("wrong context") << Language::English << "MenuTexts"
                                   << "作業終了"
                                   << "作業終了";
}

// The .qm is embedded in marulo_launcher, a static library: the lookup works
// only if its resource was linked in and registered.
void TranslationsTest::loadsFromTheProgram()
{
    QFETCH(Language, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QVERIFY(InstallTranslation(language));
    QCOMPARE(Translated(context.toUtf8().constData(), source.toUtf8().constData()), expected);
}

void TranslationsTest::chosenLanguage_data()
{
    QTest::addColumn<std::optional<Language>>("argument");
    QTest::addColumn<QByteArray>("file"); // null: no settings file
    QTest::addColumn<Language>("expected");
    const std::optional<Language> none;
    // clang-format off
    QTest::newRow("nothing")            << none << QByteArray() << Language::Japanese;
    QTest::newRow("file en")            << none << QByteArray("[interface]\nlanguage=en\n") << Language::English;
    QTest::newRow("file ja")            << none << QByteArray("[interface]\nlanguage = ja\n") << Language::Japanese;
    QTest::newRow("file, other words")  << none << QByteArray("[conversion]\njobs=2\n") << Language::Japanese;
    QTest::newRow("file, unknown word") << none << QByteArray("[interface]\nlanguage=English\n") << Language::Japanese;
    QTest::newRow("argument over file") << std::optional(Language::Japanese) << QByteArray("[interface]\nlanguage=en\n")
                                        << Language::Japanese;
    QTest::newRow("argument alone")     << std::optional(Language::English) << QByteArray() << Language::English;
    // clang-format on
}

void TranslationsTest::chosenLanguage()
{
    QFETCH(std::optional<Language>, argument);
    QFETCH(QByteArray, file);
    QFETCH(Language, expected);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("marulo.conf"));
    if (!file.isNull()) {
        QFile settings(path);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(file);
    }
    QCOMPARE(ChosenLanguage(argument, path), expected);
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
