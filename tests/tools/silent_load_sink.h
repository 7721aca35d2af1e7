#pragma once

#include "core/load_progress.h"

class SilentLoadSink : public vorna::LoadProgressSink {
  public:
    void process_pending_events() override {}
    void dictionary_missing() override { missing = true; }
    void letter_done(char, int32_t) override {}
    void indexing_started() override {}
    void records_left_out(int32_t count) override { left_out = count; }

    bool missing = false;
    int32_t left_out = 0;
};
