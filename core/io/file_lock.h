#pragma once

#include <string>

#include "core/io/status.h"

namespace vorna {

// How a writer spends the time another program holds the lock it needs: it
// waits as long as that takes, never failing for the wait alone, and says
// that it waits.
class LockWait {
  public:
    virtual ~LockWait() = default;
    // Once per wait, when the lock is found taken; `path` is what is locked.
    virtual void waiting(const std::string& path) { (void)path; }
    // After waiting(), once the lock is had or the wait has failed.
    virtual void waiting_over() {}
    // Lets a moment pass before the next try; a window answers its events
    // meanwhile.
    virtual void pause();
};

// The wait of a program that has nothing else to do: it only sleeps.
LockWait& silent_lock_wait();

// Takes the exclusive lock (flock) on the open `descriptor`, waiting through
// `wait` while another holds it. `name` is what a failure reports.
Status lock_exclusively(int descriptor, const std::string& name, LockWait& wait);

}  // namespace vorna
