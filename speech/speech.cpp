#include "speech/speech.h"

#include <espeak-ng/espeak_ng.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <new>

#include "core/io/atomic_write.h"
#include "core/io/file_descriptor.h"
#include "speech/speech_pieces.h"

namespace vorna::speech {

namespace {

constexpr const char* kEnglishVoice = "en";

bool has_letter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

// The synthesiser's own words for a failure: the system's for the errno
// values it passes on, its own message for the rest.
Status reason_of(espeak_ng_STATUS status) {
    if ((status & ENS_GROUP_MASK) == ENS_GROUP_ERRNO)
        return Status::from_errno(static_cast<int>(status), {});
    char message[512] = {};
    espeak_ng_GetStatusCodeMessage(status, message, sizeof message);
    return Status::failure({}, message);
}

// What a failed call of the synthesiser tells the reader.
SpeechOutcome outcome_of(espeak_ng_STATUS status) {
    if (status == ENS_OK)
        return {};
    if (status == ENS_AUDIO_ERROR)
        return {SpeechFailure::no_sound_device, reason_of(status)};
    if (status == ENS_VOICE_NOT_FOUND)
        return {SpeechFailure::no_voice, reason_of(status)};
    if (status == ENOMEM)
        return {SpeechFailure::out_of_memory, reason_of(status)};
    return {SpeechFailure::not_said, reason_of(status)};
}

// The sound library reports a missing device on the standard error stream,
// in many lines, before the synthesiser returns its own status. The status
// is what the front ends tell the reader, so those lines are held back for
// the time the device is being opened and used.
class QuietErrorStream {
  public:
    QuietErrorStream() : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3)) {
        const FileDescriptor null(open("/dev/null", O_WRONLY | O_CLOEXEC));
        if (saved_.is_open() && null.is_open() && dup2(null.get(), STDERR_FILENO) < 0)
            saved_.reset();  // the stream stays as it was; there is nothing to put back
    }
    ~QuietErrorStream() {
        if (!saved_.is_open())
            return;
        // A signal may cut the call short; the stream must not stay silenced.
        while (dup2(saved_.get(), STDERR_FILENO) < 0 && errno == EINTR) {
        }
    }

  private:
    FileDescriptor saved_;
};

// Where one call's samples go; it travels with the call's events, so no
// state outside the call is needed.
struct SoundSink {
    SpeechSound& sound;
    bool out_of_memory = false;
};

// Collects the samples the synthesiser hands over. Nothing may be thrown
// through the synthesiser's C frames: a sound too big for memory stops it.
int collect_samples(short* samples, int count, espeak_EVENT* events) {
    if (samples == nullptr || count <= 0 || events == nullptr || events->user_data == nullptr)
        return 0;
    auto* sink = static_cast<SoundSink*>(events->user_data);
    try {
        sink->sound.samples.insert(sink->sound.samples.end(), samples, samples + count);
    } catch (const std::bad_alloc&) {
        sink->out_of_memory = true;
        return 1;  // abort the synthesis
    }
    return 0;
}

// The pieces joined again, for a synthesis that is not stopped between them.
std::string joined(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces)
        text += (text.empty() ? "" : " ") + piece;
    return text;
}

// The synthesiser library keeps one state for the whole process, and it
// cannot be taken down and set up again (the second set-up hangs), so it is
// set up once, on first use, and every call holds the lock while it speaks.
class Synthesiser {
  public:
    static Synthesiser& instance() {
        static Synthesiser synthesiser;
        return synthesiser;
    }

    std::mutex& lock() { return lock_; }
    // Why there is no voice to speak with; success when there is one.
    const SpeechOutcome& voice() const { return voice_; }

    // Readies the output: samples into `sink`, or the sound device when
    // `sink` is null.
    static espeak_ng_STATUS open_output(SoundSink* sink) {
        const auto mode = sink != nullptr
                              ? ENOUTPUT_MODE_SYNCHRONOUS
                              : static_cast<espeak_ng_OUTPUT_MODE>(ENOUTPUT_MODE_SYNCHRONOUS |
                                                                   ENOUTPUT_MODE_SPEAK_AUDIO);
        const espeak_ng_STATUS status = espeak_ng_InitializeOutput(mode, 0, nullptr);
        if (status == ENS_OK)
            espeak_SetSynthCallback(sink != nullptr ? collect_samples : nullptr);
        return status;
    }

    // Says `text` on the output opened last and returns when it is said.
    static espeak_ng_STATUS say(std::string_view text, SoundSink* sink) {
        const std::string terminated(text);
        espeak_ng_STATUS status =
            espeak_ng_Synthesize(terminated.c_str(), terminated.size() + 1, 0, POS_CHARACTER, 0,
                                 espeakCHARS_UTF8, nullptr, sink);
        if (status == ENS_OK)
            status = espeak_ng_Synchronize();
        if (status != ENS_OK)
            drop_unplayed_sound();
        return status;
    }

  private:
    Synthesiser() {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status == ENS_OK)
            status = espeak_ng_SetVoiceByName(kEnglishVoice);
        // Whatever stops the set-up, the voice is missing; its reason goes along.
        if (status != ENS_OK)
            voice_ = {SpeechFailure::no_voice, reason_of(status)};
    }

    // Speech that found no device stays queued and would come out in front
    // of the next text; a blank synthesised into nowhere takes it away.
    static void drop_unplayed_sound() {
        espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        espeak_SetSynthCallback(nullptr);
        espeak_ng_Synthesize(" ", 2, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    }

    std::mutex lock_;
    SpeechOutcome voice_;
};

// Runs `use` on the pieces of `text` with the synthesiser held for this call
// alone and its voice ready; a text without a letter is not said at all.
template <typename Use>
SpeechOutcome with_voice(std::string_view text, Use use) {
    if (!has_letter(text))
        return {SpeechFailure::nothing_to_say, {}};
    const SpeechPieces said = speech_pieces(text);
    Synthesiser& synthesiser = Synthesiser::instance();
    const std::lock_guard<std::mutex> hold(synthesiser.lock());
    if (!synthesiser.voice().ok())
        return synthesiser.voice();
    return use(said);
}

void put_le(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

SpeechOutcome synthesise(std::string_view text, SpeechSound& sound) {
    sound = {};
    return with_voice(text, [&sound](const SpeechPieces& said) -> SpeechOutcome {
        SoundSink sink{sound};
        espeak_ng_STATUS status = Synthesiser::open_output(&sink);
        if (status == ENS_OK)
            status = Synthesiser::say(joined(said.pieces), &sink);
        sound.sample_rate = espeak_ng_GetSampleRate();
        if (sink.out_of_memory) {
            sound = {};
            return {SpeechFailure::out_of_memory, Status::from_errno(ENOMEM, {})};
        }
        if (status != ENS_OK) {
            sound = {};
            return outcome_of(status);
        }
        if (sound.samples.empty() || sound.sample_rate <= 0)
            return {SpeechFailure::no_voice, {}};  // a voice that makes no sound is none
        SpeechOutcome outcome;
        outcome.words_left_out = said.words_left_out;
        return outcome;
    });
}

SpeechOutcome speak(std::string_view text, const StopRequested& stop_requested) {
    return with_voice(text, [&stop_requested](const SpeechPieces& said) {
        SpeechOutcome outcome;
        outcome.words_left_out = said.words_left_out;
        QuietErrorStream quiet;
        espeak_ng_STATUS status = Synthesiser::open_output(nullptr);
        for (std::size_t i = 0; i < said.pieces.size() && status == ENS_OK; ++i) {
            if (stop_requested && stop_requested()) {
                outcome.stopped = true;
                break;
            }
            status = Synthesiser::say(said.pieces[i], nullptr);
        }
        if (status != ENS_OK)
            return outcome_of(status);
        return outcome;
    });
}

SpeechOutcome write_wav(std::string_view text, const std::string& path) {
    SpeechSound sound;
    SpeechOutcome outcome = synthesise(text, sound);
    if (!outcome.ok())
        return outcome;
    std::string bytes;
    try {
        bytes = wav_bytes(sound);
    } catch (const std::bad_alloc&) {
        return {SpeechFailure::out_of_memory, {}};
    }
    if (Status status = write_file_atomically(path, bytes); !status.ok())
        return {SpeechFailure::not_written, std::move(status)};
    return outcome;
}

std::string wav_bytes(const SpeechSound& sound) {
    const uint32_t data_size = static_cast<uint32_t>(sound.samples.size() * 2);
    const uint32_t rate = static_cast<uint32_t>(sound.sample_rate);
    std::string out;
    out.reserve(44 + data_size);
    out += "RIFF";
    put_le(out, 36 + data_size, 4);
    out += "WAVEfmt ";
    put_le(out, 16, 4);        // the size of the format block
    put_le(out, 1, 2);         // PCM
    put_le(out, 1, 2);         // one channel
    put_le(out, rate, 4);      // samples per second
    put_le(out, rate * 2, 4);  // bytes per second
    put_le(out, 2, 2);         // bytes per sample
    put_le(out, 16, 2);        // bits per sample
    out += "data";
    put_le(out, data_size, 4);
    for (const int16_t sample : sound.samples)
        put_le(out, static_cast<uint16_t>(sample), 2);
    return out;
}

}  // namespace vorna::speech
