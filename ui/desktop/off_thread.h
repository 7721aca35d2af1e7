#pragma once

#include <functional>

namespace vorna::ui {

// Runs `work` on another thread while this one goes on answering events, and
// returns when it is done. `work` must not touch what the events may change.
void run_off_thread(const std::function<void()>& work);

// The same, but this thread answers no events until `work` calls the
// function it is given (or ends): events that came before are then handled
// with the work under way, as when it ran here and turned the event loop.
void run_off_thread_once_begun(const std::function<void(const std::function<void()>&)>& work);

}  // namespace vorna::ui
