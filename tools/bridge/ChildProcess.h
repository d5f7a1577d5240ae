#pragma once

#include <spawn.h>
#include <sys/types.h>

namespace marulo::bridge {

// How the bridge starts every program it runs: standard input from /dev/null,
// as none of them reads from the bridge, and no signal blocked in the child,
// whatever the bridge holds back around the start.
class SpawnSettings {
public:
    SpawnSettings();
    ~SpawnSettings();
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    // The child's descriptor `slot` becomes a copy of the bridge's `fd`.
    void redirect(int fd, int slot);

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

// The child's wait status once it has ended, waiting on through signals; -1
// when it cannot be waited for.
int waitFor(pid_t pid);

} // namespace marulo::bridge
