#pragma once

#include <stdexcept>
#include <string>

#include "core/dictionary/load_progress.h"

namespace vorna {

// What a translation run needs of its host besides the event pump.
class TranslationHost : public EventPump {
  public:
    // Progress of the run after every line: slot 4, the figure and " %".
    virtual void show_progress(const std::string& text) = 0;
    // Shows the damaged-dictionary message. The run is abandoned right after
    // (DictionaryDamaged is thrown); the host then ends the program.
    virtual void dictionary_damaged(const std::string& message) = 0;
};

// Thrown after the host has been told about a damaged dictionary.
class DictionaryDamaged : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Thrown by a host's process_pending_events when the user ended the program
// during a run; the run unwinds and removes its temporary files.
class RunCancelled : public std::runtime_error {
  public:
    RunCancelled() : std::runtime_error("translation run cancelled") {}
};

}  // namespace vorna
