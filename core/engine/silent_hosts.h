#pragma once

#include "core/dictionary/load_progress.h"
#include "core/engine/run_host.h"

namespace vorna {

// A load sink and a run host that show nothing, for programs without windows
// (the command line, tools, benchmarks, tests). Override what matters.
class SilentLoadProgress : public LoadProgressSink {
  public:
    void process_pending_events() override {}
    void dictionary_missing() override {}
    void letter_done(char, int32_t) override {}
    void indexing_started() override {}
    void records_left_out(int32_t) override {}
};

class SilentRunHost : public RunHost {
  public:
    void process_pending_events() override {}
    void show_progress(double) override {}
};

}  // namespace vorna
