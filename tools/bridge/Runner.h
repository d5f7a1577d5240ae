#pragma once

#include "tools/bridge/Job.h"

namespace marulo::bridge {

// Runs the job's tool into a temporary file beside the output and renames it
// to the output name when the tool has succeeded and written something; on
// any failure the temporary file is removed and the output name is left as it
// was. Returns the exit status for the bridge; failures are reported on
// standard error in one line after the called name.
int runJob(Job job);

// The stop signal that has come during the run (0 while none has), for the
// work the bridge does itself before the tool starts.
int stopSignal();

} // namespace marulo::bridge
