#include "ui/windows/dictionary_watch.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <cerrno>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/dictionary_store.h"
#include "core/engine/silent_hosts.h"
#include "core/io/status.h"
#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

// Long enough for a writer that writes the file in several steps to finish.
constexpr int kSettleMs = 300;
constexpr int kIdleTryMs = 250;
constexpr int kStatusMessageMs = 15000;

QString local_path(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

FileSignature FileSignature::of(const std::string& path) {
    FileSignature signature;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return signature;
    signature.exists = true;
    signature.device = info.st_dev;
    signature.inode = info.st_ino;
    signature.size = info.st_size;
    signature.modified_ns =
        static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec;
    return signature;
}

bool FileSignature::operator==(const FileSignature& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified_ns == other.modified_ns;
}

struct DictionaryWatch::Loaded {
    DictionaryChoice choice;
    FileSignature signature;  // of the file before it was read
    DictionaryStore store;
    Status status;
};

DictionaryWatch::DictionaryWatch(Session& session, QStatusBar& status_bar,
                                 std::function<bool()> idle, std::function<void()> taken,
                                 QObject* parent)
    : QObject(parent),
      session_(session),
      status_bar_(status_bar),
      idle_(std::move(idle)),
      taken_(std::move(taken)),
      in_use_(FileSignature::of(session.dictionary_path())) {
    loader_.setMaxThreadCount(1);
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    idle_try_.setInterval(kIdleTryMs);
    connect(&settle_, &QTimer::timeout, this, [this] { check_file(); });
    connect(&idle_try_, &QTimer::timeout, this, [this] { take_when_idle(); });
    // A file replaced by a rename leaves the watch on the file; the folder's
    // watch sees the new one arrive.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { something_changed(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { something_changed(); });
    watch_paths();
}

DictionaryWatch::~DictionaryWatch() {
    loader_.waitForDone();
}

void DictionaryWatch::watch_paths() {
    QStringList wanted;
    const QString in_use = local_path(session_.dictionary_path());
    wanted << in_use << QFileInfo(in_use).absolutePath();
    // The reader's own copy, once it appears, is the dictionary.
    if (!session_.readers_folder.empty())
        wanted << local_path(session_.readers_folder);
    const QStringList watched = watcher_.files() + watcher_.directories();
    for (const QString& path : wanted) {
        if (!watched.contains(path) && QFileInfo::exists(path))
            watcher_.addPath(path);
    }
}

void DictionaryWatch::something_changed() {
    watch_paths();
    settle_.start();
}

void DictionaryWatch::loaded_by_window() {
    in_use_ = FileSignature::of(session_.dictionary_path());
    last_refused_ = FileSignature();
    waiting_.reset();
    idle_try_.stop();
    watch_paths();
}

void DictionaryWatch::check_file() {
    if (loading_) {
        check_again_ = true;
        return;
    }
    const DictionaryChoice choice =
        choose_dictionary(std::string(), session_.application_folder, session_.readers_folder);
    const FileSignature now = FileSignature::of(choice.path);
    const bool same_file = choice.path == session_.dictionary_path();
    if (same_file && now == in_use_)
        return;
    if (same_file && now == last_refused_)
        return;  // already said why it was not taken
    start_load(choice, now);
}

void DictionaryWatch::start_load(const DictionaryChoice& choice, const FileSignature& signature) {
    loading_ = true;
    auto loaded = std::make_shared<Loaded>();
    loaded->choice = choice;
    loaded->signature = signature;
    loader_.start([this, loaded, work_folder = session_.application_folder] {
        SilentLoadProgress quiet;
        loaded->status =
            load_dictionary_file(loaded->store, loaded->choice.path, work_folder, quiet);
        // The destructor waits for this task; a call posted to this object
        // is dropped with it.
        QMetaObject::invokeMethod(
            this, [this, loaded] { load_finished(loaded); }, Qt::QueuedConnection);
    });
}

void DictionaryWatch::load_finished(std::shared_ptr<Loaded> loaded) {
    loading_ = false;
    const bool changed_meanwhile = FileSignature::of(loaded->choice.path) != loaded->signature;
    if (check_again_ || changed_meanwhile) {
        check_again_ = false;
        check_file();
        return;
    }
    if (loaded->choice.path == session_.dictionary_path() && loaded->signature == in_use_)
        return;  // the window has loaded this very file itself meanwhile
    if (!loaded->status.ok() || loaded->store.entry_count == 0) {
        last_refused_ = loaded->signature;
        waiting_.reset();
        QString reason;
        if (!loaded->signature.exists || loaded->status.error_number() == ENOENT)
            reason = text_in(kDictionaryFileGone, script_);
        else if (!loaded->status.ok() && loaded->status.error_number() != 0)
            reason = text_in(kDictionaryFileUnreadable, script_) + QStringLiteral(" (") +
                     QString::fromLocal8Bit(QByteArray::fromStdString(loaded->status.reason())) +
                     u')';
        else
            reason = text_in(kDictionaryFileHoldsNoRecord, script_);
        say(text_in(kDictionaryNotReloaded, script_).arg(reason));
        return;
    }
    waiting_ = std::move(loaded);
    take_when_idle();
}

void DictionaryWatch::take_when_idle() {
    if (!waiting_) {
        idle_try_.stop();
        return;
    }
    if (!idle_()) {
        if (!idle_try_.isActive())
            idle_try_.start();
        return;
    }
    idle_try_.stop();
    const std::shared_ptr<Loaded> loaded = std::move(waiting_);
    session_.store = std::move(loaded->store);
    session_.dictionary = loaded->choice;
    in_use_ = loaded->signature;
    last_refused_ = FileSignature();
    watch_paths();
    taken_();
    say(text_in(kDictionaryReloaded, script_).arg(session_.store.entry_count));
}

void DictionaryWatch::say(const QString& text) {
    status_bar_.showMessage(text, kStatusMessageMs);
}

}  // namespace vorna::ui
