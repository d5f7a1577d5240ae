#pragma once

#include "launcher/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace marulo {

// What the command line asks of this start. Read before any application
// object exists, so --help, --version and a mistyped option need neither a
// display nor a running copy's attention.
struct StartRequest {
    enum class Action {
        Start,       // open the window (or hand over to a running copy)
        ShowHelp,    // print text on standard output, exit 0
        ShowVersion, // print text on standard output, exit 0
        Refuse,      // print text on standard error, exit 2
    };

    Action action = Action::Start;
    // Start only: the folder or file named, as an absolute path resolved
    // against the folder the program was started in; empty when none.
    QString path;
    // Start only: the language --language chose for this run; nullopt leaves
    // the choice to the settings file.
    std::optional<Language> language;
    // The help, version or error text, ending with a newline.
    QString text;
};

// arguments[0] is the program as it was started; currentFolder resolves a
// relative path.
StartRequest ParseStartArguments(const QStringList& arguments, const QString& currentFolder);

// The process's exit status for a request that ends the start at once.
int ExitStatusOf(StartRequest::Action action);

} // namespace marulo
