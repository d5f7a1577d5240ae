#pragma once

#include <QString>

namespace marulo {

// Where the program finds the converters it starts by bare name.
class ToolLauncher {
public:
    // In this order: the folder of the running program, the current folder,
    // the search path. Empty when none has an executable file of that name.
    static QString Locate(const QString& name);
};

} // namespace marulo
