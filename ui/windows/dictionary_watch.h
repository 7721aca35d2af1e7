#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/dictionary/dictionary_choice.h"
#include "core/text/script.h"

class QStatusBar;

namespace vorna::ui {

struct Session;

// What stat() says of a file: a file replaced by another, or written to,
// changes at least one of these.
struct FileSignature {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modified_ns = 0;

    static FileSignature of(const std::string& path);
    bool operator==(const FileSignature& other) const;
    bool operator!=(const FileSignature& other) const { return !(*this == other); }
};

// Follows the dictionary file the window reads. When another program
// replaces or changes it (or the reader's own copy appears), it is loaded
// again away from the window's thread and put in place of the session's
// store at the next moment the window is idle; the status bar says so with
// the number of records. A file that is not a dictionary is not taken: the
// store stays as it is and the status bar says why.
class DictionaryWatch : public QObject {
  public:
    // `idle` says whether the store may be replaced now (no run reads it, no
    // dialog works on it); `taken` runs after it was replaced.
    DictionaryWatch(Session& session, QStatusBar& status_bar, std::function<bool()> idle,
                    std::function<void()> taken, QObject* parent);
    ~DictionaryWatch() override;

    void set_script(Script script) { script_ = script; }
    // After the window loaded the dictionary itself: the file as it is now is
    // the one in use.
    void loaded_by_window();

  private:
    struct Loaded;

    void watch_paths();
    void something_changed();
    void check_file();
    void start_load(const DictionaryChoice& choice, const FileSignature& signature);
    void load_finished(std::shared_ptr<Loaded> loaded);
    void take_when_idle();
    void say(const QString& text);

    Session& session_;
    QStatusBar& status_bar_;
    std::function<bool()> idle_;
    std::function<void()> taken_;
    Script script_ = Script::cyrillic;
    QFileSystemWatcher watcher_;
    QTimer settle_;    // waits for a writer to finish before the file is read
    QTimer idle_try_;  // tries again to put a loaded store in place
    QThreadPool loader_;
    FileSignature in_use_;        // the file the store was loaded from
    FileSignature last_refused_;  // not reported twice
    bool loading_ = false;
    bool check_again_ = false;  // the file changed while it was being loaded
    std::shared_ptr<Loaded> waiting_;
};

}  // namespace vorna::ui
