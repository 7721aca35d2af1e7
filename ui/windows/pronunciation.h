#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <string>

#include "core/text/script.h"
#include "speech/speech.h"

class QStatusBar;

namespace vorna::ui {

// "Произнести": says English words with the speech synthesiser on a thread
// of its own, so the window never waits for it. What stops a word (no sound
// device, no voice, no word, a stop) or cuts a long text short goes to the
// status line of the window that asked.
class Pronunciation : public QObject {
  public:
    using Voice = std::function<speech::SpeechOutcome(const std::string& text,
                                                      const speech::StopRequested& stop)>;

    explicit Pronunciation(QObject* parent);
    // Stops the speech and waits for the piece being said.
    ~Pronunciation() override;

    // The interface's script, once the window's check has settled it.
    void set_script(Script script) { script_ = script; }
    // Says `text` (English) after whatever is being said now.
    void say(const QString& text, QStatusBar& status_line);
    // Stops what is being said, after its piece, and drops what waits.
    void stop();
    // Whether something is being said or waits to be.
    bool speaking() const { return requests_ > 0; }
    // Tests put a voice of their own in place of the sound device.
    void set_voice(Voice voice) { voice_ = std::move(voice); }

  private:
    void report(const speech::SpeechOutcome& outcome, QStatusBar* status_line);

    Script script_ = Script::cyrillic;
    Voice voice_;
    // A request says nothing more once a stop has moved this past the value
    // it started with.
    std::atomic<int> generation_{0};
    std::atomic<int> requests_{0};  // said or waiting
    QThreadPool speaker_;           // one thread: texts are said one after another
};

}  // namespace vorna::ui
