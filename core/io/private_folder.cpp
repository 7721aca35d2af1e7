#include "core/io/private_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/io/unique_file.h"
#include "core/io/work_folder.h"
#include "core/io/working_file.h"

namespace vorna {

namespace {

FileDescriptor open_folder(const std::string& path) {
    return FileDescriptor(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// A folder of ours whose lock nobody holds belonged to a process that no
// longer runs: its working files go, and the folder with them when nothing
// else is left in it.
void clear_stale_folders(const std::string& base, const std::string& prefix) {
    DIR* listing = opendir(base.c_str());
    if (listing == nullptr)
        return;
    while (const dirent* entry = readdir(listing)) {
        if (!is_unique_name_of(entry->d_name, prefix))
            continue;
        const std::string folder = base + "/" + entry->d_name;
        struct stat status {};
        if (lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
            status.st_uid != geteuid()) {
            continue;
        }
        const FileDescriptor lock = open_folder(folder);
        if (lock.is_open() && flock(lock.get(), LOCK_EX | LOCK_NB) == 0) {
            clear_stale_work_files(folder);
            rmdir(folder.c_str());
        }
    }
    closedir(listing);
}

}  // namespace

std::string temporary_directory() {
    const char* variable = getenv("TMPDIR");
    return variable != nullptr && *variable != '\0' ? variable : "/tmp";
}

Status PrivateFolder::create(const std::string& prefix, const std::string& base) {
    remove();
    clear_stale_folders(base, prefix);
    // A few rounds: another start may take a folder still empty and unlocked
    // for a stale one and remove it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::string pattern = base + "/" + prefix + "XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            return Status::from_errno(errno, base + "/" + prefix + "XXXXXX");
        FileDescriptor lock = open_folder(pattern);
        struct stat status {};
        if (lock.is_open() && flock(lock.get(), LOCK_EX | LOCK_NB) == 0 &&
            fstat(lock.get(), &status) == 0 && status.st_nlink > 0) {
            path_ = std::move(pattern);
            lock_ = std::move(lock);
            on_signal_ = RemoveOnSignal(path_, RemoveOnSignal::Kind::folder);
            return {};
        }
    }
    return Status::from_errno(EBUSY, base + "/" + prefix + "XXXXXX");
}

void PrivateFolder::remove() {
    if (path_.empty())
        return;
    on_signal_.release();
    std::error_code ignored;  // what cannot be removed stays; nothing to tell
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
    lock_.reset();
    path_.clear();
}

}  // namespace vorna
