#include "app/StartArguments.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace marulo {

namespace {

constexpr int UsageExitStatus = 2;

QString programName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("marulo") : name;
}

// QCommandLineParser names the program "<executable_name>" when no
// application object exists yet, which is the case here by design.
QString usageText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), program);
    return text;
}

} // namespace

StartRequest ParseStartArguments(const QStringList& arguments, const QString& currentFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts WAV files to MP3, MP2, Ogg Vorbis, AAC, FLAC or TTA and back.\n"
                       "With FOLDER the window opens that folder; with FILE it opens the file's folder\n"
                       "and selects the file. A running copy is handed the folder or file instead."));
    // Not addHelpOption(): that one also offers --help-all, whose Qt options
    // need the application object this parse runs before.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and exit."));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The interface's language for this run: ja (the default) or en."),
                                      QStringLiteral("ja|en"));
    // Read before this parse (app/Program.cpp); listed so the help names it.
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QStringLiteral("Convert without a window; \"marulo --batch --help\" lists its options."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(batch);
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("location"), QStringLiteral("The folder or file to open."),
                                 QStringLiteral("[FOLDER|FILE]"));

    const QString program = programName(arguments);
    StartRequest request;
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        error = QStringLiteral("Only one folder or file can be opened.");
    else if (parser.positionalArguments().value(0, QStringLiteral("x")).isEmpty())
        error = QStringLiteral("An empty argument names no folder or file.");
    else if (parser.isSet(language) && !LanguageNamed(parser.value(language)))
        error = QStringLiteral("Unknown language '%1': ja or en.").arg(parser.value(language));
    if (!error.isEmpty()) {
        request.action = StartRequest::Action::Refuse;
        request.text = program + QStringLiteral(": ") + error + QLatin1Char('\n') + usageText(parser, program);
        return request;
    }
    if (parser.isSet(help)) {
        request.action = StartRequest::Action::ShowHelp;
        request.text = usageText(parser, program);
        return request;
    }
    if (parser.isSet(version)) {
        request.action = StartRequest::Action::ShowVersion;
        request.text = QStringLiteral("marulo " MARULO_VERSION_TEXT "\n");
        return request;
    }
    if (parser.isSet(language))
        request.language = LanguageNamed(parser.value(language));
    if (!parser.positionalArguments().isEmpty())
        request.path = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(parser.positionalArguments().first()));
    return request;
}

int ExitStatusOf(StartRequest::Action action)
{
    return action == StartRequest::Action::Refuse ? UsageExitStatus : 0;
}

} // namespace marulo
