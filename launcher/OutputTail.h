#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <string>
#include <vector>

namespace marulo {

// The end of a converter's output, for the report of a failed step; the rest
// is dropped as it comes so a talkative converter costs no memory.
class OutputTail {
public:
    void add(QByteArrayView chunk);
    // The last lines, without trailing blank ones. Carriage returns and
    // backspaces (progress redrawn in place) end a line too.
    std::vector<std::string> lines() const;

private:
    QByteArray bytes_;
};

} // namespace marulo
