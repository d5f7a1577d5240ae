#include "launcher/SettingDeclarations.h"

#include "launcher/UserSettings.h"

#include <QThread>
#include <QtGlobal>

#include <algorithm>

namespace marulo {

namespace {

// The labels and hints are marked for translation in context
// "SettingDeclarations"; the dialog looks them up as it shows them.

// In the order of ExistingResults.
constexpr SettingChoice ExistingChoices[] = {
    {"overwrite", QT_TRANSLATE_NOOP("SettingDeclarations", "上書きする")},
    {"skip", QT_TRANSLATE_NOOP("SettingDeclarations", "そのファイルは変換しない")},
    {"number", QT_TRANSLATE_NOOP("SettingDeclarations", "番号を付けて両方残す")},
};

// In the order of Language. Each language by its own name, so a user who
// cannot read the one shown still finds theirs: not translated.
constexpr SettingChoice LanguageChoices[] = {
    {"ja", "日本語"},
    {"en", "English"},
};

// In the order of NormalizeMethod.
constexpr SettingChoice NormalizeChoices[] = {
    {"peak", QT_TRANSLATE_NOOP("SettingDeclarations", "ピーク (E1 の値)")},
    {"loudness", QT_TRANSLATE_NOOP("SettingDeclarations", "ラウドネス (ファイルごと)")},
    {"album", QT_TRANSLATE_NOOP("SettingDeclarations", "ラウドネス (アルバム全体)")},
};

// The targets in use, offered beside the target's own field.
constexpr SettingChoice LoudnessPresets[] = {
    {"-23", QT_TRANSLATE_NOOP("SettingDeclarations", "-23 LUFS (EBU R128 放送)")},
    {"-16", QT_TRANSLATE_NOOP("SettingDeclarations", "-16 LUFS (ポッドキャスト)")},
    {"-14", QT_TRANSLATE_NOOP("SettingDeclarations", "-14 LUFS (配信サービス)")},
};

// clang-format off
const SettingDeclaration Declarations[] = {
    {"conversion", "jobs", SettingType::Int, "1", 1, 0, 4, {},
     QT_TRANSLATE_NOOP("SettingDeclarations", "同時に変換するファイルの数"),
     QT_TRANSLATE_NOOP("SettingDeclarations", "( この PC のプロセッサ数 : %1 )"), "Jobs",
     [](const UserSettings& s) { return QVariant(s.policy.jobs); },
     [](UserSettings& s, const QVariant& v) { s.policy.jobs = v.toInt(); }},
    {"conversion", "existing", SettingType::Choice, "overwrite", 0, 0, 0, ExistingChoices,
     QT_TRANSLATE_NOOP("SettingDeclarations", "変換後のファイルが既にある時"), nullptr, "ExistingResults",
     [](const UserSettings& s) { return QVariant(static_cast<int>(s.policy.existing)); },
     [](UserSettings& s, const QVariant& v) { s.policy.existing = static_cast<ExistingResults>(v.toInt()); }},
    {"normalize", "method", SettingType::Choice, "peak", 0, 0, 0, NormalizeChoices,
     QT_TRANSLATE_NOOP("SettingDeclarations", "ノーマライズの方法"), nullptr, "NormalizeMethod",
     [](const UserSettings& s) { return QVariant(static_cast<int>(s.policy.loudness.method)); },
     [](UserSettings& s, const QVariant& v) { s.policy.loudness.method = static_cast<NormalizeMethod>(v.toInt()); }},
    // The normaliser takes a target above -70 and below 0 LUFS.
    {"normalize", "loudness", SettingType::Double, "-16", -69.9, -0.1, 0, LoudnessPresets,
     QT_TRANSLATE_NOOP("SettingDeclarations", "目標のラウドネス (LUFS)"), nullptr, "LoudnessTarget",
     [](const UserSettings& s) { return QVariant(s.policy.loudness.target); },
     [](UserSettings& s, const QVariant& v) { s.policy.loudness.target = v.toDouble(); }},
    {"normalize", "truePeak", SettingType::Double, "-1", -9, 0, 0, {},
     QT_TRANSLATE_NOOP("SettingDeclarations", "トゥルーピークの上限 (dBTP)"), nullptr, "TruePeakCeiling",
     [](const UserSettings& s) { return QVariant(s.policy.loudness.ceiling); },
     [](UserSettings& s, const QVariant& v) { s.policy.loudness.ceiling = v.toDouble(); }},
    {"start", "rememberFolder", SettingType::Bool, "false", 0, 0, 0, {},
     QT_TRANSLATE_NOOP("SettingDeclarations", "前回開いていたフォルダで起動する"), nullptr, "RememberFolder",
     [](const UserSettings& s) { return QVariant(s.rememberFolder); },
     [](UserSettings& s, const QVariant& v) { s.rememberFolder = v.toBool(); }},
    // Read once at start-up, before any window: a change counts from the next
    // start. Its label reads in both languages and is not translated.
    {"interface", "language", SettingType::Choice, "ja", 0, 0, 0, LanguageChoices,
     "Language / 言語", QT_TRANSLATE_NOOP("SettingDeclarations", "( 次回の起動から有効になります )"), "Language",
     [](const UserSettings& s) { return QVariant(static_cast<int>(s.language)); },
     [](UserSettings& s, const QVariant& v) { s.language = static_cast<Language>(v.toInt()); }},
    // Written at exit, with remember on; never shown.
    {"start", "lastFolder", SettingType::Text, "", 0, 0, 0, {}, nullptr, nullptr, nullptr,
     [](const UserSettings& s) { return QVariant(s.lastFolder); },
     [](UserSettings& s, const QVariant& v) { s.lastFolder = v.toString(); }},
};
// clang-format on

QVariant InRange(const SettingDeclaration& setting, bool isNumber, double value, QVariant typed)
{
    return isNumber && value >= setting.lower && value <= SettingUpper(setting) ? typed : QVariant();
}

} // namespace

std::span<const SettingDeclaration> SettingDeclarations()
{
    return Declarations;
}

QString SettingKey(const SettingDeclaration& setting)
{
    return QString::fromUtf8(setting.section) + QLatin1Char('/') + QString::fromUtf8(setting.key);
}

double SettingUpper(const SettingDeclaration& setting)
{
    if (setting.upperPerProcessor > 0)
        return setting.upperPerProcessor * std::max(1, QThread::idealThreadCount());
    return setting.upper;
}

QVariant ParseSetting(const SettingDeclaration& setting, const QString& text)
{
    const QString word = text.trimmed();
    bool isNumber = false;
    switch (setting.type) {
    case SettingType::Int: {
        const int value = word.toInt(&isNumber);
        return InRange(setting, isNumber, value, QVariant(value));
    }
    case SettingType::Double: {
        const double value = word.toDouble(&isNumber);
        return InRange(setting, isNumber, value, QVariant(value));
    }
    // Only the two words a written file holds; "yes", "1" and the like are neither.
    case SettingType::Bool:
        if (word == QLatin1String("true") || word == QLatin1String("false"))
            return QVariant(word == QLatin1String("true"));
        return {};
    case SettingType::Choice:
        for (std::size_t i = 0; i < setting.choices.size(); ++i)
            if (word == QLatin1String(setting.choices[i].word))
                return QVariant(static_cast<int>(i));
        return {};
    case SettingType::Text:
        return QVariant(text);
    }
    return {};
}

QString SettingText(const SettingDeclaration& setting, const QVariant& value)
{
    switch (setting.type) {
    case SettingType::Int:
        return QString::number(value.toInt());
    case SettingType::Double:
        return QString::number(value.toDouble());
    case SettingType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case SettingType::Choice: {
        const auto index = static_cast<std::size_t>(value.toInt());
        return QLatin1String(setting.choices[index < setting.choices.size() ? index : 0].word);
    }
    case SettingType::Text:
        return value.toString();
    }
    return {};
}

} // namespace marulo
