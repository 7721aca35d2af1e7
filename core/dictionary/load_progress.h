#pragma once

#include <cstdint>

namespace vorna {

// Lets long core work hand control back to the host's event loop.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void process_pending_events() = 0;
};

// What load_dictionary tells its host, in the order it happens.
class LoadProgressSink : public EventPump {
  public:
    virtual void dictionary_missing() = 0;
    virtual void letter_done(char letter, int32_t running_count) = 0;
    virtual void indexing_started() = 0;
    // Called once after the load when accepted records did not fit in the table.
    virtual void records_left_out(int32_t count) = 0;
};

// A load sink that shows nothing, for programs without windows (the command
// line, tools, benchmarks, tests). Override what matters.
class SilentLoadProgress : public LoadProgressSink {
  public:
    void process_pending_events() override {}
    void dictionary_missing() override {}
    void letter_done(char, int32_t) override {}
    void indexing_started() override {}
    void records_left_out(int32_t) override {}
};

}  // namespace vorna
