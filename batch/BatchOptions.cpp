#include "batch/BatchOptions.h"

#include "batch/BatchTexts.h"
#include "core/ControlValues.h"
#include "launcher/SettingDeclarations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace marulo {

namespace {

// The values an option accepts: one of a list of words, a number in a range
// (a whole one unless fractional), or what a setting of the settings file
// accepts.
struct Accepted {
    const char* items = nullptr; // separated by '|'
    int minimum = 0;
    int maximum = -1; // below minimum: no range
    const char* setting = nullptr;
    bool fractional = false;
};

// One option: its name, the value it takes (nullptr: a switch), its help,
// what it accepts and what it does to the settings. A switch's apply gets an
// empty text.
struct OptionRow {
    const char* name;
    const char* valueName;
    const char* help;
    Accepted accepted;
    void (*apply)(BatchSettings&, const QString&);
};

namespace CV = ControlValues;

constexpr const char* ModeWords = "mp3|mp2|ogg|aac|flac|tta|wav"; // in the order of EncodeMode
constexpr const char* ChannelWords = "mono|stereo|dual|joint";    // in the order of ChannelMode

int IndexIn(const char* items, const QString& word)
{
    return static_cast<int>(QString::fromLatin1(items).split(QLatin1Char('|')).indexOf(word));
}

constexpr Accepted Words(const char* items)
{
    return {items, 0, -1, nullptr, false};
}
constexpr Accepted Range(const CV::FieldValues& field)
{
    return {nullptr, field.minimum, field.maximum, nullptr, false};
}
constexpr Accepted Decibels(int minimum, int maximum)
{
    return {nullptr, minimum, maximum, nullptr, true};
}
constexpr Accepted Setting(const char* key)
{
    return {nullptr, 0, -1, key, false};
}

const SettingDeclaration* DeclarationOf(const char* key)
{
    for (const SettingDeclaration& setting : SettingDeclarations())
        if (qstrcmp(setting.key, key) == 0)
            return &setting;
    return nullptr;
}

void ApplySetting(BatchSettings& s, const char* key, const QString& value)
{
    const SettingDeclaration* setting = DeclarationOf(key);
    setting->set(s.user, ParseSetting(*setting, value));
}

// Every option is the counterpart of a control or of a setting, with the
// window's start as its default.
// clang-format off
const OptionRow Options[] = {
    {"mode", "MODE", "Encode mode: mp3, mp2, ogg, aac, flac, tta or wav (default mp3).", Words(ModeWords),
     [](BatchSettings& s, const QString& v) { s.encoder.mode = static_cast<EncodeMode>(IndexIn(ModeWords, v)); }},
    {"decode", nullptr, "Decode to WAV instead (MPx/FLAC/TTA -> WAV; default off).", {},
     [](BatchSettings& s, const QString&) { s.decode = true; }},
    {"no-normalize", nullptr, "Do not normalise before encoding (default: normalise).", {},
     [](BatchSettings& s, const QString&) { s.normalize = false; }},
    {"level", "P", "Normalise to P per cent, 0 to 100 (default 90).", Range(CV::NormalizeLevel),
     [](BatchSettings& s, const QString& v) { s.encoder.normalizeLevel = v.toStdString(); }},
    {"keep-temp", nullptr, "Keep the intermediate files (TMP File Delete off; default: delete them).", {},
     [](BatchSettings& s, const QString&) { s.deleteTemp = false; }},
    {"channel", "MODE", "Channel mode: mono, stereo, dual or joint (default joint).", Words(ChannelWords),
     [](BatchSettings& s, const QString& v) { s.encoder.channelMode = static_cast<ChannelMode>(IndexIn(ChannelWords, v)); }},
    {"bitrate", "N", "Bitrate in kbit/s (default 128).", Words(CV::Bitrate.items),
     [](BatchSettings& s, const QString& v) { s.encoder.bitrate = v.toStdString(); }},
    {"min-bitrate", "N", "Lowest bitrate in kbit/s (default 64).", Words(CV::MinBitrate.items),
     [](BatchSettings& s, const QString& v) { s.encoder.minBitrate = v.toStdString(); }},
    {"max-bitrate", "N", "Highest bitrate in kbit/s (default 320).", Words(CV::MaxBitrate.items),
     [](BatchSettings& s, const QString& v) { s.encoder.maxBitrate = v.toStdString(); }},
    {"vbr", nullptr, "Variable bitrate (default off).", {},
     [](BatchSettings& s, const QString&) { s.encoder.vbr = true; }},
    {"abr", nullptr, "Average bitrate (default off).", {},
     [](BatchSettings& s, const QString&) { s.encoder.abr = true; }},
    {"bitrate-range", nullptr, "MP3 VBR within --min-bitrate and --max-bitrate (default off).", {},
     [](BatchSettings& s, const QString&) { s.encoder.bitrateRange = true; }},
    {"new-vbr", nullptr, "MP3 VBR with the new, faster method (default off).", {},
     [](BatchSettings& s, const QString&) { s.encoder.newVbr = true; }},
    {"quality", "N", "MP3 quality, 0 (best, slow) to 9 (default 2).", Range(CV::Quality),
     [](BatchSettings& s, const QString& v) { s.encoder.quality = v.toStdString(); }},
    {"vbr-quality", "N", "MP3 VBR quality, 0 (best, large) to 9 (default 4).", Range(CV::VbrQuality),
     [](BatchSettings& s, const QString& v) { s.encoder.vbrQuality = v.toStdString(); }},
    {"ogg-quality", "Q", "Ogg Vorbis VBR quality, 0.00 to 9.00 or 10 (default 4.00).", Words(CV::OggQuality.items),
     [](BatchSettings& s, const QString& v) { s.encoder.oggQuality = v.toStdString(); }},
    {"aac-preset", "NAME", "AAC VBR preset: tape, radio, internet, streaming, normal, extreme, archive or ultra (default normal).",
     Words(CV::AacPreset.items),
     [](BatchSettings& s, const QString& v) { s.encoder.aacPreset = v.toStdString(); }},
    {"compression", "N", "FLAC compression level, 0 to 8 (default 8).", Range(CV::Compression),
     [](BatchSettings& s, const QString& v) { s.encoder.compression = v.toStdString(); }},
    {"error-protection", nullptr, "MP3/MP2 error protection (default off).", {},
     [](BatchSettings& s, const QString&) { s.encoder.errorProtection = true; }},
    {"downmix", nullptr, "2CH -> 1CH: mix stereo down to mono (default off).", {},
     [](BatchSettings& s, const QString&) { s.encoder.downmix = true; }},
    {"jobs", "N", "Files converted at once, 1 to four per processor (default 1, or the settings file's).",
     Setting("jobs"), [](BatchSettings& s, const QString& v) { ApplySetting(s, "jobs", v); }},
    {"existing", "POLICY", "When a result is there already: overwrite, skip or number (default overwrite, or the settings file's).",
     Setting("existing"), [](BatchSettings& s, const QString& v) { ApplySetting(s, "existing", v); }},
    {"normalize-method", "METHOD", "How to normalise: peak (to --level), loudness (each file to --loudness) or album (the files of a folder together; default peak, or the settings file's).",
     Setting("method"), [](BatchSettings& s, const QString& v) { ApplySetting(s, "method", v); }},
    {"loudness", "LUFS", "The loudness target of loudness and album, -69.9 to -0.1 (default -16, or the settings file's).",
     Setting("loudness"), [](BatchSettings& s, const QString& v) { ApplySetting(s, "loudness", v); }},
    {"true-peak", "DBTP", "The highest true peak of loudness and album, -9 to 0 (default -1, or the settings file's).",
     Setting("truePeak"), [](BatchSettings& s, const QString& v) { ApplySetting(s, "truePeak", v); }},
    // After the method: a fixed gain overrides it.
    {"gain", "G", "Normalise every file by one fixed gain of G dB, -60 to 60, whatever the method (a job of --print-jobs with album; default none).",
     Decibels(-60, 60),
     [](BatchSettings& s, const QString& v) {
         s.user.policy.loudness.method = NormalizeMethod::Gain;
         s.user.policy.loudness.gain = v.toDouble();
     }},
};
// clang-format on

bool Accepts(const Accepted& accepted, const QString& value)
{
    if (accepted.items)
        return IndexIn(accepted.items, value) >= 0;
    if (accepted.setting)
        return ParseSetting(*DeclarationOf(accepted.setting), value).isValid();
    bool isNumber = false;
    const double number = accepted.fractional ? value.toDouble(&isNumber) : value.toInt(&isNumber);
    return isNumber && !value.startsWith(QLatin1Char('+')) && number >= accepted.minimum && number <= accepted.maximum;
}

QString AcceptedText(const Accepted& accepted)
{
    if (accepted.items)
        return QString::fromLatin1(accepted.items).replace(QLatin1Char('|'), QStringLiteral(", "));
    if (accepted.setting) {
        const SettingDeclaration& setting = *DeclarationOf(accepted.setting);
        if (setting.type == SettingType::Choice) {
            QStringList words;
            for (const SettingChoice& choice : setting.choices)
                words << QString::fromLatin1(choice.word);
            return words.join(QStringLiteral(", "));
        }
        return QStringLiteral("%1-%2").arg(setting.lower).arg(SettingUpper(setting));
    }
    return QStringLiteral("%1-%2").arg(accepted.minimum).arg(accepted.maximum);
}

QCommandLineOption MakeOption(const OptionRow& row)
{
    if (!row.valueName)
        return QCommandLineOption(QString::fromLatin1(row.name), QString::fromLatin1(row.help));
    return QCommandLineOption(QString::fromLatin1(row.name), QString::fromLatin1(row.help),
                              QString::fromLatin1(row.valueName));
}

BatchRequest Refused(BatchRequest request, const char* error, QStringList arguments = {})
{
    request.action = BatchRequest::Action::Refuse;
    request.error = error;
    request.errorArguments = std::move(arguments);
    return request;
}

// The window's rules never make these: WAV has no decoder, and its one step
// is the normalise.
const char* WavConflict(const BatchSettings& settings)
{
    if (settings.encoder.mode != EncodeMode::Wav)
        return nullptr;
    if (settings.decode)
        return "decode";
    if (!settings.normalize)
        return "no-normalize";
    return nullptr;
}

} // namespace

bool IsBatchCommandLine(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return false;
        if (arguments[i] == QLatin1String("--batch"))
            return true;
    }
    return false;
}

BatchRequest ParseBatchArguments(const QStringList& arguments, const QString& currentFolder,
                                 const QString& settingsPath)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts without a window, as \"Single Encode\" converts a file and \"ALL Encode\" the\n"
                       "files of a folder: results in each folder's \"Zorvik\". Progress goes to standard error."));
    const QCommandLineOption batch(QStringLiteral("batch"), QStringLiteral("Convert without a window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption printJobs(QStringLiteral("print-jobs"),
                                       QStringLiteral("Convert nothing; print one shell command per file on standard "
                                                      "output, each converting that file alone (for GNU parallel)."));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Print failures only."));
    const QCommandLineOption noSettings(QStringLiteral("no-settings"),
                                        QStringLiteral("Ignore the settings file (default: it applies, as in the "
                                                       "window; an option overrides it)."));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The language of the messages: ja (the default) or en."),
                                      QStringLiteral("ja|en"));
    for (const QCommandLineOption& option : {batch, help, printJobs, quiet, noSettings, language})
        parser.addOption(option);
    std::vector<QCommandLineOption> rows;
    for (const OptionRow& row : Options) {
        rows.push_back(MakeOption(row));
        parser.addOption(rows.back());
    }
    parser.addPositionalArgument(QStringLiteral("path"), QStringLiteral("Files and folders to convert."),
                                 QStringLiteral("PATH..."));

    BatchRequest request;
    if (!parser.parse(arguments)) {
        request.action = BatchRequest::Action::Refuse;
        request.parserError = parser.errorText();
        return request;
    }
    if (parser.isSet(language)) {
        request.language = LanguageNamed(parser.value(language));
        if (!request.language)
            return Refused(request, BatchTexts::BadValue,
                           {QStringLiteral("language"), parser.value(language), QStringLiteral("ja, en")});
    }
    if (parser.isSet(help)) {
        request.action = BatchRequest::Action::ShowHelp;
        // The parser names the program by its path; the help names the mode.
        static const QRegularExpression usage(QStringLiteral("^(\\S+: )\\S+"));
        request.help = parser.helpText().replace(usage, QStringLiteral("\\1marulo --batch"));
        return request;
    }

    const bool useSettings = !parser.isSet(noSettings);
    if (useSettings)
        request.settings.user = LoadSettings(settingsPath);
    request.jobOptions << QStringLiteral("--batch");
    if (!useSettings)
        request.jobOptions << QStringLiteral("--no-settings");
    if (parser.isSet(language))
        request.jobOptions << QStringLiteral("--language") << parser.value(language);
    if (parser.isSet(quiet))
        request.jobOptions << QStringLiteral("--quiet");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OptionRow& row = Options[i];
        if (!parser.isSet(rows[i]))
            continue;
        const QString value = row.valueName ? parser.value(rows[i]) : QString();
        if (row.valueName && !Accepts(row.accepted, value))
            return Refused(request, BatchTexts::BadValue,
                           {QString::fromLatin1(row.name), value, AcceptedText(row.accepted)});
        row.apply(request.settings, value);
        request.jobOptions << QStringLiteral("--") + QString::fromLatin1(row.name);
        if (row.valueName)
            request.jobOptions << value;
    }
    if (const char* conflict = WavConflict(request.settings))
        return Refused(request, BatchTexts::NotInWav, {QString::fromLatin1(conflict)});

    for (const QString& path : parser.positionalArguments()) {
        // An empty argument names nothing; it must not stand for the current folder.
        if (path.isEmpty())
            return Refused(request, BatchTexts::NoSuchPath, {path});
        request.paths << QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path));
    }
    if (request.paths.isEmpty())
        return Refused(request, BatchTexts::NoPath);
    request.quiet = parser.isSet(quiet);
    request.action = parser.isSet(printJobs) ? BatchRequest::Action::PrintJobs : BatchRequest::Action::Run;
    return request;
}

} // namespace marulo
