// The window with English chosen in the settings file: no Japanese left in
// any control, hint, status sentence, menu, box, dialog or log window. The
// language chooser names each language in its own words, and the window's
// caption keeps its ideographic space: those stay.
#include "launcher/Language.h"
#include "launcher/Translation.h"
#include "launcher/UserSettings.h"
#include "tests/support/WindowHarness.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <optional>

using marulo::test::Harness;

namespace {

// Kana, ideographs, Japanese punctuation and full-width forms; the
// ideographic space (U+3000) of the caption is not among them.
bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3001}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return japanese.match(text).hasMatch();
}

// The chooser's own words.
bool Allowed(const QString& text)
{
    return text == QStringLiteral("Language / 言語") || text == QStringLiteral("日本語");
}

// Every text a user can see on widget and its children: window titles,
// captions, hints, placeholders, list items, menu entries and headers.
QStringList TextsOf(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    QStringList texts;
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* menu = qobject_cast<QMenu*>(w))
            for (const QAction* action : menu->actions())
                texts << action->text();
        if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
    }
    return texts;
}

QStringList JapaneseIn(const QStringList& texts)
{
    QStringList found;
    for (const QString& text : texts)
        if (HasJapanese(text) && !Allowed(text))
            found << text;
    return found;
}

} // namespace

class EnglishTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void noJapaneseInTheWindow();
    void statusSentencesInEnglish_data();
    void statusSentencesInEnglish();
    void noJapaneseInTheDialogs();

private:
    QTemporaryDir config_;
    QTemporaryDir folder_; // the folder the window opens in: no file to convert
};

void EnglishTest::initTestCase()
{
    QVERIFY(config_.isValid() && folder_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    QVERIFY(QDir().mkpath(config_.filePath(QStringLiteral("marulo"))));
    QFile file(marulo::SettingsFilePath());
    QVERIFY(file.fileName().startsWith(config_.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[interface]\nlanguage=en\n");
    file.close();
    // As the program does before its window exists.
    QVERIFY(marulo::InstallTranslation(marulo::ChosenLanguage(std::nullopt, marulo::SettingsFilePath())));
    QVERIFY(QDir::setCurrent(folder_.path()));
}

void EnglishTest::cleanupTestCase()
{
    QVERIFY(marulo::InstallTranslation(marulo::Language::Japanese));
}

void EnglishTest::noJapaneseInTheWindow()
{
    Harness window;
    QVERIFY(window.active());
    QCOMPARE(window.form().windowTitle(), QString::fromUtf8(" Marulo Encoder\u3000Ver 1.3a"));
    // The start-up check's sentence: the converters were not there yet.
    QVERIFY2(window.status().startsWith(QLatin1String(" Normalize.exe was not found")), qPrintable(window.status()));
    QCOMPARE(JapaneseIn(TextsOf(&window.form())), QStringList());

    // The menus of the lists and of the free area, and the path field.
    auto* folders = window.get<QListWidget>(QStringLiteral("DLB1"));
    QVERIFY(folders);
    emit folders->customContextMenuRequested(QPoint(4, 4));
    QTest::keyClick(&window.form(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(window.form().findChild<QMenu*>(QStringLiteral("ListMenu")));
    QCOMPARE(JapaneseIn(TextsOf(&window.form())), QStringList());

    // A value field that holds no number.
    auto* level = window.get<QLineEdit>(QStringLiteral("E1"));
    QVERIFY(level);
    level->setFocus();
    level->setText(QStringLiteral("ab"));
    QTest::keyClick(level, Qt::Key_Return);
    auto* box = window.form().findChild<QMessageBox*>();
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("\"ab\" is not a number."));
}

void EnglishTest::statusSentencesInEnglish_data()
{
    QTest::addColumn<QString>("steps");
    // clang-format off
    QTest::newRow("MP3")            << "MP3";
    QTest::newRow("MP2")            << "MP2";
    QTest::newRow("OGG")            << "OGG";
    QTest::newRow("AAC")            << "AAC";
    QTest::newRow("FLAC")           << "FLAC";
    QTest::newRow("TTA")            << "TTA";
    QTest::newRow("WAV")            << "WAV";
    QTest::newRow("MP3 VBR")        << "MP3;CB2";
    QTest::newRow("MP3 ABR")        << "MP3;CB3";
    QTest::newRow("MP3 decode")     << "MP3;CB0";
    QTest::newRow("OGG ABR")        << "OGG;CB3";
    QTest::newRow("OGG VBR off")    << "OGG;CB2";
    QTest::newRow("AAC ABR")        << "AAC;CB3";
    QTest::newRow("FLAC decode")    << "FLAC;CB0";
    QTest::newRow("TTA decode")     << "TTA;CB0";
    QTest::newRow("OGG from decode") << "MP3;CB0;OGG";
    QTest::newRow("Single Encode")  << "B1";
    QTest::newRow("ALL Encode")     << "B2";
    // clang-format on
}

void EnglishTest::statusSentencesInEnglish()
{
    QFETCH(QString, steps);
    Harness window;
    QVERIFY(window.active());
    const QString before = window.status();
    QCOMPARE(window.run(steps), QString());
    QVERIFY(!window.status().trimmed().isEmpty());
    if (!steps.startsWith(QLatin1String("MP3")))
        QVERIFY2(window.status() != before, qPrintable(window.status()));
    QVERIFY2(!HasJapanese(window.status()), qPrintable(window.status()));
    QVERIFY2(window.status().startsWith(QLatin1Char(' ')), qPrintable(window.status()));
    QCOMPARE(JapaneseIn(TextsOf(&window.form())), QStringList());
}

void EnglishTest::noJapaneseInTheDialogs()
{
    Harness window;
    QVERIFY(window.active());
    QTest::keyClick(&window.form(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* log = window.form().findChild<QWidget*>(QStringLiteral("LogWindow"));
    QVERIFY(log && log->isVisible());
    QCOMPARE(log->windowTitle(), QStringLiteral("Conversion log"));
    QCOMPARE(JapaneseIn(TextsOf(log)), QStringList());
    log->close();

    QTest::keyClick(&window.form(), Qt::Key_Comma, Qt::ControlModifier);
    auto* dialog = window.form().findChild<QDialog*>(QStringLiteral("SettingsDialog"));
    QVERIFY(dialog && dialog->isVisible());
    const QStringList texts = TextsOf(dialog);
    QVERIFY(texts.contains(QStringLiteral("Language / 言語")));
    QVERIFY(texts.contains(QStringLiteral("English")));
    QCOMPARE(JapaneseIn(texts), QStringList());
    auto* language = dialog->findChild<QComboBox*>(QStringLiteral("Language"));
    QVERIFY(language);
    QCOMPARE(language->currentText(), QStringLiteral("English"));
    dialog->reject();
}

QTEST_MAIN(EnglishTest)
#include "tst_english.moc"
