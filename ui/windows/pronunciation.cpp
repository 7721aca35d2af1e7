#include "ui/windows/pronunciation.h"

#include <QPointer>
#include <QStatusBar>

#include "core/text/speech_texts.h"
#include "speech/speech_pieces.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr int kStatusMessageTime = 5000;  // milliseconds

}  // namespace

Pronunciation::Pronunciation(QObject* parent)
    : QObject(parent), voice_([](const std::string& text, const speech::StopRequested& stop) {
          return speech::speak(text, stop);
      }) {
    speaker_.setMaxThreadCount(1);
}

Pronunciation::~Pronunciation() {
    stop();
    speaker_.waitForDone();
}

void Pronunciation::say(const QString& text, QStatusBar& status_line) {
    ++requests_;
    // The destructor waits for this task, and a report posted to this object
    // goes with it, so the task may name `this`.
    speaker_.start([this, voice = voice_, text = text.trimmed().toStdString(),
                    started = generation_.load(),
                    status_line = QPointer<QStatusBar>(&status_line)] {
        const speech::StopRequested stopped = [this, started] { return generation_ != started; };
        speech::SpeechOutcome outcome;
        if (stopped())
            outcome.stopped = true;
        else
            outcome = voice(text, stopped);
        --requests_;
        QMetaObject::invokeMethod(
            this, [this, outcome, status_line] { report(outcome, status_line); },
            Qt::QueuedConnection);
    });
}

void Pronunciation::stop() {
    ++generation_;
}

void Pronunciation::report(const speech::SpeechOutcome& outcome, QStatusBar* status_line) {
    QString text;
    switch (outcome.failure) {
        case speech::SpeechFailure::none:
            if (outcome.stopped)
                text = text_in(texts::kSpeechStopped, script_);
            else if (outcome.words_left_out > 0)
                text = text_in(texts::kSpeechCutShort, script_).arg(speech::kMostWordsSaid);
            break;
        case speech::SpeechFailure::nothing_to_say:
            text = text_in(texts::kNothingToSay, script_);
            break;
        case speech::SpeechFailure::no_sound_device:
            text = text_in(texts::kNoSoundDevice, script_);
            break;
        case speech::SpeechFailure::no_voice:
            text = text_in(texts::kNoEnglishVoice, script_);
            break;
        case speech::SpeechFailure::not_said:
        case speech::SpeechFailure::not_written:  // the window only speaks; no file is written
            text = text_in(texts::kSpeechFailed, script_) +
                   QString::fromLocal8Bit(QByteArray::fromStdString(outcome.status.reason()));
            break;
        case speech::SpeechFailure::out_of_memory:
            text = text_in(texts::kSpeechOutOfMemory, script_);
            break;
    }
    if (!text.isEmpty() && status_line != nullptr)
        status_line->showMessage(text, kStatusMessageTime);
}

}  // namespace vorna::ui
