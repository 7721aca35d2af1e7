#pragma once

#include <cstdint>
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
    not_written,      // the WAV file could not be written; `status` says why
};

struct SpeechOutcome {
    SpeechFailure failure = SpeechFailure::none;
    Status status;

    bool ok() const { return failure == SpeechFailure::none; }
};

// Spoken English as 16-bit mono samples.
struct SpeechSound {
    std::vector<int16_t> samples;
    int sample_rate = 0;
};

// The synthesiser is set up on the first call and stays for the life of the
// process. Calls from several threads wait for one another; each returns
// when its text has been said.

// Synthesises English text (UTF-8) with the English voice.
SpeechOutcome synthesise(std::string_view text, SpeechSound& sound);

// Speaks the text on the sound device and returns when it has been said.
SpeechOutcome speak(std::string_view text);

// Writes the spoken text to `path` as a WAV file, complete or not at all.
SpeechOutcome write_wav(std::string_view text, const std::string& path);

// The bytes of a WAV file (RIFF, PCM, 16-bit, mono) holding `sound`.
std::string wav_bytes(const SpeechSound& sound);

}  // namespace vorna::speech
