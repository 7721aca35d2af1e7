#pragma once

#include "core/dictionary/load_progress.h"
#include "core/engine/run_host.h"

namespace vorna {

// A run host that shows nothing, for programs without windows (the command
// line, tools, benchmarks, tests); its load sink is SilentLoadProgress.
class SilentRunHost : public RunHost {
  public:
    void process_pending_events() override {}
    void show_progress(double) override {}
};

}  // namespace vorna
