#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <string>

#include "core/text/script.h"
#include "speech/speech.h"

class QStatusBar;

namespace vorna::ui {

// "Произнести": says English words with the speech synthesiser on a thread
// of its own, so the window never waits for it. What stops a word (no sound
// device, no voice, no word) goes to the status bar.
class Pronunciation : public QObject {
  public:
    using Voice = std::function<speech::SpeechOutcome(const std::string& text)>;

    Pronunciation(QStatusBar& status_bar, QObject* parent);
    // Waits for the word being said.
    ~Pronunciation() override;

    // The interface's script, once the window's check has settled it.
    void set_script(Script script) { script_ = script; }
    // Says `text` (English) after whatever is being said now.
    void say(const QString& text);
    // Tests put a voice of their own in place of the sound device.
    void set_voice(Voice voice) { voice_ = std::move(voice); }

  private:
    void report(speech::SpeechFailure failure);

    QStatusBar& status_bar_;
    Script script_ = Script::cyrillic;
    Voice voice_;
    QThreadPool speaker_;  // one thread: words are said one after another
};

}  // namespace vorna::ui
