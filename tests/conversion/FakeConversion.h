#pragma once

#include "core/ConversionWindow.h"
#include "core/FileOperations.h"
#include "core/StepRunner.h"
#include "launcher/ConversionMessages.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace marulo::test {

// Everything the conversion does, in order, as one readable list:
// "run <command text>", "mkdir <path>", "remove <path>", "select <path>",
// "status <text>" (a designed message or a report of the run), "skip <name>".
struct Journal {
    QStringList events;
    void add(const QString& what, const std::string& detail) { events << what + ' ' + QString::fromStdString(detail); }
};

class FakeWindow : public ConversionWindow {
public:
    explicit FakeWindow(Journal& journal) : journal_(journal) {}

    EncoderSettings settings;
    bool decode = false;
    bool normalize = true;
    bool deleteTemp = true;
    EncodeMode mode = EncodeMode::Mp3;
    std::string folder = "/music";
    std::string selected;
    std::vector<std::string> listed;
    int settingsTaken = 0;
    std::string status;
    int notices = 0; // how many of the status texts were the run's own reports

    EncoderSettings TakeSettings() override
    {
        ++settingsTaken;
        EncoderSettings taken = settings;
        taken.mode = mode;
        return taken;
    }
    bool Decode() override { return decode; }
    bool Normalize() override { return normalize; }
    bool DeleteTemp() override { return deleteTemp; }
    EncodeMode Mode() override { return mode; }
    std::string OpenedFolder() override { return folder; }
    std::string SelectedPath() override { return selected; }
    std::vector<std::string> ListedPaths() override { return listed; }
    void SelectListedFile(const std::string& path) override
    {
        selected = path;
        journal_.add("select", path);
    }
    void SetStatusText(const ConversionMessage& message) override
    {
        status = ConversionMessageText(message).toStdString();
        journal_.add("status", status);
    }
    void ShowNotice(const ConversionMessage& message) override
    {
        ++notices;
        SetStatusText(message);
    }
    void NoteSkipped(const std::string& inputName, const std::string&) override { journal_.add("skip", inputName); }

private:
    Journal& journal_;
};

// A file system of names only: what the converters "wrote" and what a test
// put there beforehand.
class FakeFiles : public FileOperations {
public:
    explicit FakeFiles(Journal& journal) : journal_(journal) {}

    std::map<std::string, FileState> entries;

    void MakeFolder(const std::string& path) override { journal_.add("mkdir", path); }
    void RemoveFile(const std::string& path) override
    {
        journal_.add("remove", path);
        entries.erase(path);
    }
    void RemoveEmptyFolder(const std::string& path) override { journal_.add("rmdir", path); }
    void RenameFile(const std::string& from, const std::string& to) override
    {
        journal_.add("rename", from + " -> " + to);
        if (const auto found = entries.find(from); found != entries.end()) {
            entries[to] = found->second;
            entries.erase(from);
        }
    }
    FileState Stat(const std::string& path) override
    {
        const auto found = entries.find(path);
        return found == entries.end() ? FileState{} : found->second;
    }
    // A converter writing `size` bytes at path, a moment later than anything before.
    void Write(const std::string& path, std::uint64_t size = 1)
    {
        FileState& state = entries[path];
        state = {true, true, size, ++clock_, 7};
    }

private:
    Journal& journal_;
    std::int64_t clock_ = 0;
};

// Succeeds (and writes its output) unless told otherwise; `during` runs while
// the "converter" runs, as a user's click would in the window. The steps end
// in the order they were started when the test drains them.
class FakeRunner : public StepRunner {
public:
    FakeRunner(Journal& journal, FakeFiles& files) : journal_(journal), files_(files) {}

    std::map<std::string, RunOutcome> outcomeOf; // by converter name
    std::string failOnlyFor;                     // a text the failing line must hold
    std::set<std::string> writesNothing;         // converters that "succeed" without a result
    bool failedStepsWrite = false;               // a failing converter leaves half a file behind
    std::function<void(const CommandLine&)> during;
    std::vector<CommandLine> commands;
    std::vector<StepStart> starts;
    std::map<int, RunOutcome> verdicts;
    int stopCalls = 0;

    void Start(const StepStart& step, Done done) override
    {
        commands.push_back(step.command);
        starts.push_back(step);
        journal_.add("run", step.command.text());
        if (during)
            during(step.command);
        pending_.push_back({step, std::move(done)});
    }
    void Ended(int id, const RunOutcome& verdict) override { verdicts[id] = verdict; }
    void StopAll() override
    {
        ++stopCalls;
        stopping_ = true;
    }

    std::size_t running() const { return pending_.size(); }

    // Ends the earliest running step; false when none runs.
    bool EndOne()
    {
        if (pending_.empty())
            return false;
        Pending step = std::move(pending_.front());
        pending_.pop_front();
        step.done(OutcomeOf(step.start));
        return true;
    }
    // Ends the running step of the press's file k (1-based).
    bool EndFile(int index)
    {
        for (auto it = pending_.begin(); it != pending_.end(); ++it) {
            if (it->start.index != index)
                continue;
            Pending step = std::move(*it);
            pending_.erase(it);
            step.done(OutcomeOf(step.start));
            return true;
        }
        return false;
    }
    void Drain()
    {
        while (EndOne()) {
        }
    }

private:
    struct Pending {
        StepStart start;
        Done done;
    };

    RunOutcome OutcomeOf(const StepStart& step)
    {
        if (stopping_)
            return {RunOutcome::Kind::Stopped, 0, {}};
        const auto found = outcomeOf.find(step.converter);
        if (found != outcomeOf.end() && step.command.text().find(failOnlyFor) != std::string::npos) {
            if (failedStepsWrite)
                files_.Write(step.outputPath);
            return found->second;
        }
        if (!writesNothing.count(step.converter))
            files_.Write(step.outputPath);
        return {};
    }

    Journal& journal_;
    FakeFiles& files_;
    std::deque<Pending> pending_;
    bool stopping_ = false;
};

} // namespace marulo::test
