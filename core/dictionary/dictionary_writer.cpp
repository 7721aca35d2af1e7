#include "core/dictionary/dictionary_writer.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/dictionary/dictionary_file.h"
#include "core/dictionary/edit_lock.h"
#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/io/file_descriptor.h"
#include "core/io/unique_file.h"

namespace vorna {

namespace {

// The name a temporary of `target` starts with (see PendingFile).
std::string temporary_stem(const std::string& target) {
    return target + ".vorna-";
}

// The file a link names is the one edited, and its .bak goes beside it.
std::string edited_file(const std::string& path) {
    char* real_path = realpath(path.c_str(), nullptr);
    std::string file = real_path != nullptr ? real_path : path;
    free(real_path);
    return file;
}

bool is_folder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool is_permission_refused(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

EditOutcome file_refused(EditRefusal refusal, Status status) {
    EditOutcome outcome;
    outcome.refusal = refusal;
    outcome.status = std::move(status);
    return outcome;
}

// The backup there was before a rewrite, kept under a second name (and
// locked, so that no one clears it as a stale temporary) until the new
// versions are both in place, so that a failed rename can put it back.
class KeptBackup {
  public:
    explicit KeptBackup(const std::string& backup) : backup_(backup) {
        struct stat existing {};
        existed_ = lstat(backup.c_str(), &existing) == 0;
        if (!existed_ || !S_ISREG(existing.st_mode))
            return;
        if (!link_unique_name(backup, temporary_stem(backup), kept_).ok()) {
            kept_.clear();
            return;
        }
        lock_.reset(open(kept_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        if (lock_.is_open())
            (void)flock(lock_.get(), LOCK_EX | LOCK_NB);
    }
    ~KeptBackup() {
        if (!kept_.empty())
            unlink(kept_.c_str());
    }
    KeptBackup(const KeptBackup&) = delete;
    KeptBackup& operator=(const KeptBackup&) = delete;

    // Puts the backup back as it was: the old one under its name again, or
    // no backup where there was none.
    void put_back(FileCalls& calls) {
        if (!kept_.empty() && calls.rename(kept_.c_str(), backup_.c_str()) == 0)
            kept_.clear();
        else if (!existed_)
            unlink(backup_.c_str());
    }

  private:
    std::string backup_;
    std::string kept_;
    bool existed_ = false;
    FileDescriptor lock_;
};

}  // namespace

Status replace_with_backup(const std::string& path, const std::string& old_bytes,
                           const std::string& new_bytes, const struct stat* like,
                           FileCalls& calls) {
    const std::string backup_path = path + std::string(kBackupSuffix);
    // Both are the program's own files: whatever was planted under their
    // names (a link, a FIFO) is replaced, never written through.
    const WriteRules rules{true, like};
    PendingFile backup;
    PendingFile file;
    Status status = backup.prepare(backup_path, old_bytes, calls, rules);
    if (status.ok())
        status = file.prepare(path, new_bytes, calls, rules);
    if (!status.ok())
        return status;
    // The backup goes first: should the program be killed between the two
    // renames, the old version is in both places and nothing is lost.
    KeptBackup kept(backup_path);
    if (status = backup.commit(); !status.ok())
        return status;
    if (status = file.commit(); !status.ok())
        kept.put_back(calls);
    return status;
}

DictionaryWriter::DictionaryWriter(DictionaryPlaces places, FileCalls& calls, LockWait& wait)
    : places_(std::move(places)), calls_(calls), wait_(wait) {
    choice_ = choose_dictionary(places_);
}

bool DictionaryWriter::may_make_copy() const {
    return places_.given_path.empty() && !places_.readers_folder.empty();
}

Status DictionaryWriter::read(DictionaryChange& change) {
    choice_ = choose_dictionary(places_);
    std::string bytes;
    if (Status status = read_whole_file(edited_file(choice_.path), bytes, calls_); !status.ok())
        return status;
    return change.start(std::move(bytes), choice_.path);
}

EditOutcome DictionaryWriter::write(DictionaryChange& change,
                                    const DictionaryChange::Refused& refused) {
    made_readers_copy_ = false;
    const std::string& readers_folder = places_.readers_folder;
    FolderLock folder_lock;
    if (may_make_copy() && is_folder(readers_folder)) {
        if (Status status = folder_lock.acquire(readers_folder, wait_); !status.ok())
            return file_refused(EditRefusal::file_not_written, std::move(status));
    }
    for (;;) {
        const DictionaryChoice now = choose_dictionary(places_);
        const std::string path = edited_file(now.path);
        EditLock lock;
        if (Status status = lock.acquire(path, wait_); !status.ok())
            return file_refused(EditRefusal::file_not_read, std::move(status));
        const auto size = static_cast<std::size_t>(lock.status().st_size);
        std::string bytes;
        Status read = read_to_end(calls_, lock.descriptor(), path, bytes, size);
        if (read.ok() && bytes.size() != size)
            read = Status::failure(path, "the file was cut short while it was read");
        if (!read.ok())
            return file_refused(EditRefusal::file_not_read, std::move(read));
        if (bytes != change.base()) {
            if (Status status = change.redo(std::move(bytes), now.path, refused); !status.ok())
                return file_refused(EditRefusal::file_not_read, std::move(status));
        }
        choice_ = now;
        const std::string result = change.result();
        if (result == change.base())
            return {};
        // A file the reader may not write is not replaced behind their back,
        // even where the folder would allow it.
        Status written =
            access(path.c_str(), W_OK) == 0
                ? replace_with_backup(path, change.base(), result, &lock.status(), calls_)
                : Status::from_errno(errno, path);
        if (written.ok())
            return {};
        if (!is_permission_refused(written.error_number()) ||
            now.origin != DictionaryOrigin::beside_program || !may_make_copy()) {
            return file_refused(EditRefusal::file_not_written, std::move(written));
        }
        if (!folder_lock.is_held()) {
            // The folder is made, locked, and the file picked again: another
            // writer may have made the copy meanwhile.
            lock.release();
            std::error_code made;
            std::filesystem::create_directories(readers_folder, made);
            if (made) {
                return file_refused(EditRefusal::file_not_written,
                                    Status::from_errno(made.value(), readers_folder));
            }
            if (Status status = folder_lock.acquire(readers_folder, wait_); !status.ok())
                return file_refused(EditRefusal::file_not_written, std::move(status));
            continue;
        }
        const std::string copy = readers_folder + "/" + std::string(kDictionaryFileName);
        if (Status status = replace_with_backup(copy, change.base(), result, nullptr, calls_);
            !status.ok()) {
            return file_refused(EditRefusal::file_not_written, std::move(status));
        }
        choice_ = {copy, DictionaryOrigin::readers_copy};
        made_readers_copy_ = true;
        return {};
    }
}

EditOutcome correct_dictionary(
    DictionaryWriter& writer,
    const std::function<std::optional<EditOutcome>(DictionaryChange&)>& make) {
    DictionaryChange change;
    if (Status status = writer.read(change); !status.ok())
        return file_refused(EditRefusal::file_not_read, std::move(status));
    if (std::optional<EditOutcome> refusal = make(change))
        return std::move(*refusal);
    EditOutcome refused_now;
    EditOutcome written = writer.write(change, [&refused_now](std::size_t, EditOutcome refused) {
        refused_now = std::move(refused);
    });
    return written.ok() ? refused_now : written;
}

}  // namespace vorna
