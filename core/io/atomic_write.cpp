#include "core/io/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/io/file_descriptor.h"
#include "core/io/output_target.h"
#include "core/io/path_parts.h"
#include "core/io/unique_file.h"
#include "core/io/working_file.h"

namespace vorna {

namespace {

// A temporary is named for its target: the target's name, this, six characters.
constexpr const char* kTemporaryInfix = ".vorna-";

// The rename is on disk only once the folder that holds it is.
void sync_folder(const std::string& folder) {
    const FileDescriptor opened(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (opened.is_open())
        fsync(opened.get());
}

// Gives the file `mode`. A refusal that leaves it with that mode anyway (a
// file system that keeps one mode for all its files) is no failure.
Status keep_permissions(FileCalls& calls, int descriptor, mode_t mode, const std::string& name) {
    if (calls.fchmod(descriptor, mode) == 0)
        return {};
    const int error = errno;
    struct stat now {};
    if (fstat(descriptor, &now) == 0 && (now.st_mode & 07777) == mode)
        return {};
    return Status::from_errno(error, name);
}

}  // namespace

Status PendingFile::prepare(const std::string& target, std::string_view bytes, FileCalls& calls,
                            const WriteRules& rules) {
    discard();
    calls_ = &calls;
    const OutputTarget where = rules.replace_name
                                   ? OutputTarget{OutputTarget::Kind::replace, target}
                                   : output_target(target);
    target_ = where.path;
    switch (where.kind) {
        case OutputTarget::Kind::folder:
            return Status::from_errno(EISDIR, target);
        case OutputTarget::Kind::descriptor:
        case OutputTarget::Kind::in_place:
            in_place_ = true;
            in_place_descriptor_ = where.descriptor;
            in_place_bytes_ = bytes;
            prepared_ = true;
            return {};
        case OutputTarget::Kind::replace:
            break;
    }
    struct stat existing {};
    bool exists = stat(target_.c_str(), &existing) == 0;
    if (rules.replace_name) {
        exists = lstat(target_.c_str(), &existing) == 0;
        if (exists && S_ISDIR(existing.st_mode))
            return Status::from_errno(EISDIR, target);
        exists = exists && S_ISREG(existing.st_mode);
    }
    const struct stat* like = rules.like != nullptr ? rules.like : exists ? &existing : nullptr;

    clear_stale_temporaries(target_);
    const std::string stem = target_ + kTemporaryInfix;
    // A new file gets what any new file gets (0666 less the umask); a replaced
    // one keeps its own permissions, set below.
    for (int attempt = 0; attempt < 4 && !temporary_file_.is_open(); ++attempt) {
        if (Status status = create_unique_file(stem, like != nullptr ? 0600 : 0666, temporary_,
                                               temporary_file_);
            !status.ok()) {
            temporary_.clear();
            return Status::from_errno(status.error_number(), target);
        }
        // Taken for a stale one by another process meanwhile: not ours.
        if (!claim_new_file(temporary_file_.get(), temporary_))
            temporary_file_.reset();
    }
    if (!temporary_file_.is_open()) {
        temporary_.clear();
        return Status::from_errno(EAGAIN, target);
    }
    const int descriptor = temporary_file_.get();
    on_signal_ = RemoveOnSignal(temporary_, RemoveOnSignal::Kind::file);
    if (like != nullptr) {
        // The owner can be given away only by root; anyone keeps the group
        // they belong to. What the system refuses leaves the file ours.
        if (fchown(descriptor, like->st_uid, like->st_gid) != 0)
            (void)!fchown(descriptor, static_cast<uid_t>(-1), like->st_gid);
        // Permissions are not given away: a file that cannot take those of
        // the one it replaces (a group's, the world's) is not put in its place.
        if (Status kept = keep_permissions(calls, descriptor, like->st_mode & 07777, target);
            !kept.ok()) {
            discard();
            return kept;
        }
    }
    Status status = write_all(calls, descriptor, bytes, target);
    if (status.ok() && calls.fsync(descriptor) != 0)
        status = Status::from_errno(errno, target);
    if (!status.ok()) {
        discard();
        return status;
    }
    prepared_ = true;
    return {};
}

Status PendingFile::commit() {
    if (!prepared_)
        return Status::failure(target_, "nothing prepared to write");
    prepared_ = false;
    if (in_place_ && in_place_descriptor_ >= 0)
        return write_all(*calls_, in_place_descriptor_, in_place_bytes_, target_);
    if (in_place_) {
        FileDescriptor file(open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
        if (!file.is_open())
            return Status::from_errno(errno, target_);
        // A regular file reached through another process's descriptor is
        // added to, never written over from its start.
        struct stat opened {};
        if (fstat(file.get(), &opened) == 0 && S_ISREG(opened.st_mode))
            lseek(file.get(), 0, SEEK_END);
        Status status = write_all(*calls_, file.get(), in_place_bytes_, target_);
        Status closed = file.close(target_);
        return status.ok() ? closed : status;
    }
    if (calls_->rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        discard();
        return Status::from_errno(error, target_);
    }
    on_signal_.release();
    temporary_.clear();
    temporary_file_.reset();  // flushed already; only the lock goes
    sync_folder(folder_of(target_));
    return {};
}

void PendingFile::discard() {
    on_signal_.release();
    if (!temporary_.empty())
        unlink(temporary_.c_str());
    temporary_.clear();
    temporary_file_.reset();
    prepared_ = false;
    in_place_ = false;
    in_place_descriptor_ = -1;
    in_place_bytes_ = {};
}

Status commit_all(std::initializer_list<PendingFile*> files) {
    for (const bool in_place : {true, false}) {
        for (PendingFile* file : files) {
            if (!file->is_prepared() || file->writes_in_place() != in_place)
                continue;
            if (Status status = file->commit(); !status.ok())
                return status;
        }
    }
    return {};
}

void clear_stale_temporaries(const std::string& target) {
    const std::string stem = target + kTemporaryInfix;
    clear_stale_unique_files(folder_of(target), stem.substr(stem.rfind('/') + 1));
}

Status write_file_atomically(const std::string& target, std::string_view bytes, FileCalls& calls) {
    PendingFile file;
    if (Status status = file.prepare(target, bytes, calls); !status.ok())
        return status;
    return file.commit();
}

}  // namespace vorna
