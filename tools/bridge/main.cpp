// One program that answers to the seven converter names the front end starts
// ("lame.exe", "toolame.exe", ...) and does each job with a Debian tool. Which
// job is chosen by the name it was started as.
#include "tools/bridge/Runner.h"
#include "tools/bridge/ToolCalls.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace marulo::bridge;

int main(int argc, char** argv)
{
    const std::string started = argc > 0 && argv[0] ? argv[0] : "";
    const std::string name = started.substr(started.rfind('/') + 1);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);

    for (const CalledName& called : kCalledNames) {
        if (called.name != name)
            continue;
        try {
            if (called.answer) {
                if (const std::optional<int> status = called.answer(args))
                    return *status;
            }
            return runJob(called.parse(args));
        } catch (const Refusal& refusal) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), refusal.message.c_str());
            return refusal.status;
        }
    }
    std::string names;
    for (const CalledName& called : kCalledNames)
        names += (names.empty() ? "" : ", ") + std::string(called.name);
    std::fprintf(stderr, "%s: started under an unknown name; copy this program as one of %s\n", name.c_str(),
                 names.c_str());
    return kStatusUsage;
}
