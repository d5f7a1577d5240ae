#pragma once

#include "core/EncoderSettings.h"
#include "launcher/Language.h"
#include "launcher/UserSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace marulo {

// What the window's controls and the settings file would hold for a run
// without a window: the controls at the window's start, the user's settings,
// then the options over both.
struct BatchSettings {
    EncoderSettings encoder;
    bool decode = false;    // CB0
    bool normalize = true;  // CB4
    bool deleteTemp = true; // CB6
    UserSettings user;
};

// A command line of "marulo --batch", read.
struct BatchRequest {
    enum class Action { Run, PrintJobs, ShowHelp, Refuse };

    Action action = Action::Run;
    BatchSettings settings;
    bool quiet = false;
    std::optional<Language> language;
    // The paths as given, absolute against the folder the batch started in.
    QStringList paths;
    // The options as a job of --print-jobs repeats them, in the table's order.
    QStringList jobOptions;
    // Refuse: what was wrong, a text of BatchTexts with its arguments, or the
    // parser's own words in parserError; ShowHelp: the help in parserError.
    const char* error = nullptr;
    QStringList errorArguments;
    QString parserError;
    QString help;
};

// arguments[0] is the program; currentFolder resolves the paths and
// settingsPath is the user's settings file, read unless --no-settings.
BatchRequest ParseBatchArguments(const QStringList& arguments, const QString& currentFolder,
                                 const QString& settingsPath);

// Whether the command line asks for a run without a window: "--batch" among
// the options (before a "--").
bool IsBatchCommandLine(const QStringList& arguments);

} // namespace marulo
