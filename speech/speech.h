#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/status.h"

namespace vorna::speech {

enum class SpeechFailure {
    none,
    nothing_to_say,   // the text holds no letter
    no_voice,         // the synthesiser or its English voice data is not installed
    no_sound_device,  // nothing to play the speech on
    not_said,         // the synthesiser stopped with an error; `status` gives its words
    not_written,      // the WAV file could not be written; `status` says why
    out_of_memory,    // the sound did not fit in memory
};

struct SpeechOutcome {
    SpeechFailure failure = SpeechFailure::none;
    Status status;
    // Words of a long text left unsaid (see kMostWordsSaid in speech_pieces.h).
    std::size_t words_left_out = 0;
    // True when a stop cut the speech short.
    bool stopped = false;

    bool ok() const { return failure == SpeechFailure::none; }
};

// Spoken English as 16-bit mono samples.
struct SpeechSound {
    std::vector<int16_t> samples;
    int sample_rate = 0;
};

// The synthesiser is set up on the first call and stays for the life of the
// process. Calls from several threads wait for one another; each returns
// when its text has been said. A text says at most its first kMostWordsSaid
// words, and the outcome counts the words left out.

// Synthesises English text (UTF-8) with the English voice.
SpeechOutcome synthesise(std::string_view text, SpeechSound& sound);

// Asked, from the speaking thread, between the pieces of a text; true stops
// the speech there.
using StopRequested = std::function<bool()>;

// Speaks the text on the sound device, a clause or a few words at a time,
// and returns when it has been said or `stop_requested` said to stop.
SpeechOutcome speak(std::string_view text, const StopRequested& stop_requested = {});

// Writes the spoken text to `path` as a WAV file, complete or not at all.
SpeechOutcome write_wav(std::string_view text, const std::string& path);

// The bytes of a WAV file (RIFF, PCM, 16-bit, mono) holding `sound`.
std::string wav_bytes(const SpeechSound& sound);

}  // namespace vorna::speech
