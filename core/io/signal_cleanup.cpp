#include "core/io/signal_cleanup.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace vorna {

namespace {

enum class SlotState : int { free, filling, file, folder };

struct Slot {
    std::atomic<SlotState> state{SlotState::free};
    char path[PATH_MAX];
};

// A process runs a load and a run at a time, each with a few working files,
// plus a file being saved; 64 leaves ample room.
constexpr std::size_t kSlots = 64;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ};

std::array<Slot, kSlots> registry;
std::atomic<bool> handlers_installed{false};

static_assert(std::atomic<SlotState>::is_always_lock_free,
              "the handler may use only lock-free atomics");

// Only async-signal-safe calls from here on: unlink, rmdir, signal, raise.
void remove_and_reraise(int signal_number) {
    for (Slot& slot : registry) {
        if (slot.state.load(std::memory_order_acquire) == SlotState::file)
            unlink(slot.path);
    }
    // Folders after their files; the newest first, for folders inside folders.
    for (std::size_t i = kSlots; i-- > 0;) {
        if (registry[i].state.load(std::memory_order_acquire) == SlotState::folder)
            rmdir(registry[i].path);
    }
    signal(signal_number, SIG_DFL);
    raise(signal_number);  // delivered with the default action once this returns
}

void install_handlers() {
    if (handlers_installed.exchange(true))
        return;
    for (const int signal_number : kSignals) {
        struct sigaction current {};
        if (sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction action {};
        action.sa_handler = remove_and_reraise;
        sigemptyset(&action.sa_mask);
        for (const int other : kSignals)
            sigaddset(&action.sa_mask, other);  // one clean-up at a time
        sigaction(signal_number, &action, nullptr);
    }
}

}  // namespace

RemoveOnSignal::RemoveOnSignal(const std::string& path, Kind kind) {
    if (path.size() >= PATH_MAX)
        return;
    for (std::size_t i = 0; i < kSlots; ++i) {
        SlotState expected = SlotState::free;
        if (!registry[i].state.compare_exchange_strong(expected, SlotState::filling))
            continue;
        std::memcpy(registry[i].path, path.c_str(), path.size() + 1);
        registry[i].state.store(kind == Kind::file ? SlotState::file : SlotState::folder,
                                std::memory_order_release);
        slot_ = static_cast<int>(i);
        install_handlers();
        return;
    }
}

RemoveOnSignal& RemoveOnSignal::operator=(RemoveOnSignal&& other) noexcept {
    if (this != &other) {
        release();
        slot_ = other.slot_;
        other.slot_ = -1;
    }
    return *this;
}

void RemoveOnSignal::release() {
    if (slot_ < 0)
        return;
    registry[static_cast<std::size_t>(slot_)].state.store(SlotState::free,
                                                          std::memory_order_release);
    slot_ = -1;
}

}  // namespace vorna
