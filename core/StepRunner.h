#pragma once

#include "core/CommandLine.h"
#include "core/RunOutcome.h"

#include <functional>
#include <string>

namespace marulo {

// One converter step as the run hands it to whatever starts converters.
struct StepStart {
    int id = 0; // unique within the run, for Ended()
    CommandLine command;
    std::string converter;  // the command's first argument, "lame.exe"
    std::string outputPath; // where the step's result must appear
    std::string inputPath;  // the file of the press this step belongs to
    std::string inputName;
    int index = 0; // the file's place among the press's files, 1-based
    int count = 0; // how many files the press has
};

// Starts converters without waiting for them: a run goes on from the callback,
// so several converters can run at once and a run can be stopped. The window's
// implementation starts real processes; tests put a fake in its place.
class StepRunner {
public:
    using Done = std::function<void(const RunOutcome&)>;

    virtual ~StepRunner() = default;
    // Starts the step's converter. `done` is called once, never from inside
    // Start(), with how the converter ended (Stopped after StopAll()).
    virtual void Start(const StepStart& step, Done done) = 0;
    // The run's verdict on a step whose `done` has been called: the outcome
    // after the result check (a "succeeded" converter without a result is
    // NoResult). For the log; called before the run goes on.
    virtual void Ended(int id, const RunOutcome& verdict) = 0;
    // What the run learnt from a step that succeeded, for the log beside its
    // outcome: "gain -7.3 dB", the gain a loudness step applied. Called
    // before Ended(); most steps have none.
    virtual void Noted(int /*id*/, const std::string& /*note*/) {}
    // Ends every running converter as soon as it can; starts nothing.
    virtual void StopAll() = 0;
};

} // namespace marulo
