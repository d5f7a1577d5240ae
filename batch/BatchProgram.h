#pragma once

namespace marulo {

// "marulo --batch ...": converts without a window on a QCoreApplication and
// returns the exit status: 0 when every file converted or was skipped by the
// policy, 1 when any failed, 2 for a usage error, 130 when stopped by a signal.
int RunBatch(int argc, char* argv[]);

} // namespace marulo
