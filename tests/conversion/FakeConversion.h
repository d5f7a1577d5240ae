#pragma once

#include "core/ConversionWindow.h"
#include "core/FileOperations.h"
#include "core/ToolRunner.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace marulo::test {

// Everything the conversion does, in order, as one readable list:
// "run <command text>", "mkdir <path>", "remove <path>", "select <path>",
// "status <text>".
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
    void SetStatusText(const std::string& text) override
    {
        status = text;
        journal_.add("status", text);
    }

private:
    Journal& journal_;
};

// Succeeds unless told otherwise; `during` runs while the "converter" runs,
// as a user's click would in the window.
class FakeRunner : public ToolRunner {
public:
    explicit FakeRunner(Journal& journal) : journal_(journal) {}

    std::map<std::string, RunOutcome> outcomeOf; // by converter name
    std::string failOnlyFor;                     // a text the failing line must hold
    std::function<void(const CommandLine&)> during;
    std::vector<CommandLine> commands;

    RunOutcome RunToolAndWait(const CommandLine& commandLine) override
    {
        commands.push_back(commandLine);
        journal_.add("run", commandLine.text());
        if (during)
            during(commandLine);
        const auto found = outcomeOf.find(commandLine.arguments().front());
        if (found == outcomeOf.end() || commandLine.text().find(failOnlyFor) == std::string::npos)
            return {};
        return found->second;
    }

private:
    Journal& journal_;
};

class FakeFiles : public FileOperations {
public:
    explicit FakeFiles(Journal& journal) : journal_(journal) {}
    void MakeFolder(const std::string& path) override { journal_.add("mkdir", path); }
    void RemoveFile(const std::string& path) override { journal_.add("remove", path); }

private:
    Journal& journal_;
};

} // namespace marulo::test
