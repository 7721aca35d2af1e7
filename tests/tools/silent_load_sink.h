#pragma once

#include "core/engine/silent_hosts.h"

// Remembers only whether the dictionary was missing and what was left out.
class SilentLoadSink : public vorna::SilentLoadProgress {
  public:
    void dictionary_missing() override { missing = true; }
    void records_left_out(int32_t count) override { left_out = count; }

    bool missing = false;
    int32_t left_out = 0;
};
