#include "ui/windows/pronunciation.h"

#include <QStatusBar>

#include "core/text/speech_texts.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr int kStatusMessageTime = 5000;  // milliseconds

}  // namespace

Pronunciation::Pronunciation(QStatusBar& status_bar, QObject* parent)
    : QObject(parent),
      status_bar_(status_bar),
      voice_([](const std::string& text) { return speech::speak(text); }) {
    speaker_.setMaxThreadCount(1);
}

Pronunciation::~Pronunciation() {
    speaker_.clear();
    speaker_.waitForDone();
}

void Pronunciation::say(const QString& text) {
    // The destructor waits for this task, and a report posted to this object
    // goes with it, so the task may name `this`.
    speaker_.start([this, voice = voice_, text = text.trimmed().toStdString()] {
        const speech::SpeechFailure failure = voice(text).failure;
        if (failure != speech::SpeechFailure::none) {
            QMetaObject::invokeMethod(
                this, [this, failure] { report(failure); }, Qt::QueuedConnection);
        }
    });
}

void Pronunciation::report(speech::SpeechFailure failure) {
    QString text;
    switch (failure) {
        case speech::SpeechFailure::none:
            return;
        case speech::SpeechFailure::nothing_to_say:
            text = text_in(texts::kNothingToSay, script_);
            break;
        case speech::SpeechFailure::no_sound_device:
            text = text_in(texts::kNoSoundDevice, script_);
            break;
        case speech::SpeechFailure::no_voice:
        case speech::SpeechFailure::not_written:
            text = text_in(texts::kNoEnglishVoice, script_);
            break;
        case speech::SpeechFailure::out_of_memory:
            text = text_in(texts::kSpeechOutOfMemory, script_);
            break;
    }
    status_bar_.showMessage(text, kStatusMessageTime);
}

}  // namespace vorna::ui
