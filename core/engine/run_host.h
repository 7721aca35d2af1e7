#pragma once

#include "core/dictionary/load_progress.h"

namespace vorna {

// What a translation run needs of its host besides the event pump.
class RunHost : public EventPump {
  public:
    // The share of lines done, in per cent cut after two decimals; called
    // whenever the figure changes.
    virtual void show_progress(double percent) = 0;
    // Asked after every line: true ends the run, which then removes its
    // temporary files and reports itself cancelled.
    virtual bool cancel_requested() const { return false; }
};

}  // namespace vorna
