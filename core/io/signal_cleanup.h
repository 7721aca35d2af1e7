#pragma once

#include <string>

namespace vorna {

// Removes a working file or folder should the process be ended by SIGINT,
// SIGTERM, SIGHUP, SIGPIPE or SIGXFSZ, for as long as this object lives.
// After removing what is registered the handler lets the signal end the
// process as it would have.
//
// The list of paths is the one piece of state shared by the whole process,
// and it has to be: a signal handler is installed for the process, not for an
// object, and it may read nothing but what lives as long as the process. The
// list is a fixed table of paths with atomic flags, so the handler touches no
// lock and no heap. Handlers go in when the first path is registered, and
// only for signals still at their default action: a signal the host ignores
// or handles itself is left to it.
class RemoveOnSignal {
  public:
    enum class Kind { file, folder };

    RemoveOnSignal() = default;
    RemoveOnSignal(const std::string& path, Kind kind);
    ~RemoveOnSignal() { release(); }
    RemoveOnSignal(RemoveOnSignal&& other) noexcept : slot_(other.slot_) { other.slot_ = -1; }
    RemoveOnSignal& operator=(RemoveOnSignal&& other) noexcept;
    RemoveOnSignal(const RemoveOnSignal&) = delete;
    RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;

    // Stops watching the path (it was removed, or renamed into its place).
    void release();

    // True while the path is on the list. False also when the list was full
    // or the path too long: the program goes on without the clean-up.
    bool registered() const { return slot_ >= 0; }

  private:
    int slot_ = -1;
};

}  // namespace vorna
