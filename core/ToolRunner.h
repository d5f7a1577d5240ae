#pragma once

#include "core/CommandLine.h"
#include "core/RunOutcome.h"

namespace marulo {

// Runs one converter to its end. The window's implementation keeps the window
// live meanwhile; tests put a fake in its place.
class ToolRunner {
public:
    virtual ~ToolRunner() = default;
    virtual RunOutcome RunToolAndWait(const CommandLine& commandLine) = 0;
};

} // namespace marulo
