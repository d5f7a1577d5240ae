// What a declared setting accepts from the file, for each kind a declaration
// can be: the rows the settings file has today and the kinds later rows need
// (a bounded number with a fraction, a list of words).
#include "launcher/SettingDeclarations.h"

#include <QTest>

#include <iterator>

using namespace marulo;

Q_DECLARE_METATYPE(const marulo::SettingDeclaration*)

namespace {

constexpr SettingChoice Methods[] = {{"peak", "Peak"}, {"loudness", "Loudness"}, {"album", "Album"}};

const SettingDeclaration Declared[] = {
    {"normalize", "loudness", SettingType::Double, "-16", -70, -5},
    {"normalize", "method", SettingType::Choice, "peak", 0, 0, 0, Methods},
    {"normalize", "album", SettingType::Bool, "false"},
    {"conversion", "jobs", SettingType::Int, "1", 1, 0, 4},
};

const SettingDeclaration* Find(const char* key)
{
    for (const SettingDeclaration& setting : Declared)
        if (qstrcmp(setting.key, key) == 0)
            return &setting;
    return nullptr;
}

} // namespace

class SettingDeclarationsTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void writtenTextReadsBack();
};

void SettingDeclarationsTest::parse_data()
{
    QTest::addColumn<const SettingDeclaration*>("setting");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("value"); // invalid: not allowed

    // clang-format off
    QTest::newRow("double inside")     << Find("loudness") << " -23.5 " << QVariant(-23.5);
    QTest::newRow("double at a bound") << Find("loudness") << "-5"      << QVariant(-5.0);
    QTest::newRow("double beyond")     << Find("loudness") << "-4.9"    << QVariant();
    QTest::newRow("double a word")     << Find("loudness") << "loud"    << QVariant();
    QTest::newRow("choice word")       << Find("method")   << "album"   << QVariant(2);
    QTest::newRow("choice unknown")    << Find("method")   << "Album"   << QVariant();
    QTest::newRow("bool true")         << Find("album")    << " true"   << QVariant(true);
    QTest::newRow("bool false")        << Find("album")    << "false"   << QVariant(false);
    QTest::newRow("bool other word")   << Find("album")    << "yes"     << QVariant();
    QTest::newRow("int per processor") << Find("jobs")     << "4"       << QVariant(4);
    QTest::newRow("int below")         << Find("jobs")     << "0"       << QVariant();
    QTest::newRow("int with fraction") << Find("jobs")     << "2.5"     << QVariant();
    // clang-format on
}

void SettingDeclarationsTest::parse()
{
    QFETCH(const SettingDeclaration*, setting);
    QFETCH(QString, text);
    QFETCH(QVariant, value);
    QVERIFY(setting);
    QCOMPARE(ParseSetting(*setting, text), value);
}

void SettingDeclarationsTest::writtenTextReadsBack()
{
    QCOMPARE(SettingText(*Find("loudness"), QVariant(-16.0)), QStringLiteral("-16"));
    QCOMPARE(SettingText(*Find("method"), QVariant(1)), QStringLiteral("loudness"));
    QCOMPARE(SettingText(*Find("album"), QVariant(true)), QStringLiteral("true"));
    QCOMPARE(SettingKey(*Find("method")), QStringLiteral("normalize/method"));
    // The upper bound of jobs grows with the processors: never below four.
    QVERIFY(SettingUpper(*Find("jobs")) >= 4.0);
    for (const SettingDeclaration& setting : Declared)
        QCOMPARE(
            ParseSetting(setting, SettingText(setting, ParseSetting(setting, QString::fromUtf8(setting.defaultText)))),
            ParseSetting(setting, QString::fromUtf8(setting.defaultText)));
}

QTEST_APPLESS_MAIN(SettingDeclarationsTest)
#include "tst_setting_declarations.moc"
