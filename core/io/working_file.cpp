#include "core/io/working_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "core/io/unique_file.h"

namespace vorna {

namespace {

constexpr mode_t kOwnerOnly = 0600;

bool names_the_same_file(int descriptor, const std::string& path) {
    struct stat opened {
    }, named{};
    return fstat(descriptor, &opened) == 0 && lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A fresh file becomes ours once it is locked and still under its name: a
// process clearing stale files may have taken it for one in between.
bool claim(int descriptor, const std::string& path) {
    return flock(descriptor, LOCK_EX | LOCK_NB) == 0 && names_the_same_file(descriptor, path);
}

// Removes `path` when it is a regular file whose lock nobody holds. True when
// the name is free now.
bool remove_if_stale(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.is_open())
        return errno == ENOENT;
    struct stat status {};
    return fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
           flock(file.get(), LOCK_EX | LOCK_NB) == 0 && names_the_same_file(file.get(), path) &&
           unlink(path.c_str()) == 0;
}

}  // namespace

Status WorkingFile::open(const std::string& folder, const std::string& name) {
    remove();
    const std::string fixed = folder + "/" + name;
    // A few rounds: a name freed from a stale file can be taken again at once.
    for (int attempt = 0; attempt < 4; ++attempt) {
        FileDescriptor file(
            ::open(fixed.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly));
        if (file.is_open() && claim(file.get(), fixed)) {
            file_ = std::move(file);
            path_ = fixed;
            break;
        }
        if (file.is_open())
            continue;
        if (errno != EEXIST)
            return Status::from_errno(errno, fixed);
        if (!remove_if_stale(fixed))
            break;  // a live process holds it, or it is not ours
    }
    if (!file_.is_open()) {
        std::string path;
        FileDescriptor file;
        if (Status status = create_unique_file(fixed + "-", kOwnerOnly, path, file); !status.ok())
            return status;
        flock(file.get(), LOCK_EX | LOCK_NB);  // nobody else knows this name yet
        file_ = std::move(file);
        path_ = std::move(path);
    }
    on_signal_ = RemoveOnSignal(path_, RemoveOnSignal::Kind::file);
    return {};
}

void WorkingFile::remove() {
    if (!file_.is_open())
        return;
    // Off the list first: once the name is free another process may take it,
    // and the handler must never remove that one.
    on_signal_.release();
    unlink(path_.c_str());
    file_.reset();
    path_.clear();
}

void clear_stale_working_files(const std::string& folder,
                               std::initializer_list<const char*> names) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return;
    while (const dirent* entry = readdir(listing)) {
        const std::string entry_name = entry->d_name;
        for (const char* name : names) {
            if (entry_name == name || is_unique_name_of(entry_name, std::string(name) + "-")) {
                remove_if_stale(folder + "/" + entry_name);
                break;
            }
        }
    }
    closedir(listing);
}

void clear_stale_unique_files(const std::string& folder, const std::string& stem) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return;
    while (const dirent* entry = readdir(listing)) {
        if (is_unique_name_of(entry->d_name, stem))
            remove_if_stale(folder + "/" + entry->d_name);
    }
    closedir(listing);
}

bool claim_new_file(int descriptor, const std::string& path) {
    return claim(descriptor, path);
}

}  // namespace vorna
