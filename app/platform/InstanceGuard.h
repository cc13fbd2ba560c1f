#pragma once
// The single-instance guard: one per user, held for the life of the process
// and released by the system when the process ends however it ends, so it
// can never go stale.
//
// Linux: flock() on a lock file of our own in each of two folders that only
// the user can write, both found from the user id, never from the
// environment: /run/user/<uid> and ~/.cache (home from the account entry).
// Windows: a named mutex in the session's namespace, named after the user's
// security id.
//
// Only a live copy refuses the next one. A guard that cannot be had for any
// other reason (no usable folder, a stranger's file in the way, a full disk)
// lets the program start unguarded: running twice is far better than never
// running.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kivo::platform {

// Where the Linux guard keeps its locks; an empty value means the user's
// own. Tests put them elsewhere.
struct InstanceGuardPlaces {
    std::string runtimeFolder;  // "" : /run/user/<uid>
    std::string home;           // "" : the home folder of the user's account
    // Runs when a copy that replaces a lock file has made sure the old one is
    // still in place and is about to put the fresh one there: the moment at
    // which another copy must not slip in. Tests stop a copy there.
    std::function<void()> beforeReplacing;
};

class InstanceGuard {
public:
    enum class State { NotTried, Held, OtherCopyRunning, Unavailable };

    explicit InstanceGuard(InstanceGuardPlaces places = {});
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // Takes the guard once; later calls return the first answer.
    State acquire();

private:
    void release();

    InstanceGuardPlaces places_;
    State state_ = State::NotTried;
    std::vector<std::intptr_t> handles_;  // file descriptors, or a HANDLE on Windows
};

}  // namespace kivo::platform
