#pragma once

#include <functional>

namespace vorna::ui {

// Runs `work` on another thread while this one goes on answering events, and
// returns when it is done. `work` must not touch what the events may change.
void run_off_thread(const std::function<void()>& work);

}  // namespace vorna::ui
