#include "core/io/output_target.h"
#include "core/io/path_parts.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>

namespace vorna {

namespace {

// Links are followed at most this often, as the system does.
constexpr int kMaxLinks = 40;

std::string name_of(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> real_path(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return std::nullopt;
    std::string result = resolved;
    free(resolved);
    return result;
}

std::optional<std::string> link_text(const std::string& path) {
    std::string text(PATH_MAX, '\0');
    const ssize_t length = readlink(path.c_str(), text.data(), text.size());
    if (length < 0 || static_cast<std::size_t>(length) >= text.size())
        return std::nullopt;
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool all_digits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(c) != 0; });
}

// The process whose descriptor table `folder` is ("/proc/PID/fd" or
// "/proc/PID/task/TID/fd"), or -1.
long descriptor_table_owner(const std::string& folder) {
    const std::string prefix = "/proc/";
    if (folder.compare(0, prefix.size(), prefix) != 0 || name_of(folder) != "fd")
        return -1;
    std::string rest = folder.substr(prefix.size(), folder.size() - prefix.size() - 3);
    const std::string pid = rest.substr(0, rest.find('/'));
    if (!all_digits(pid))
        return -1;
    rest.erase(0, pid.size());
    if (!rest.empty() && !(rest.compare(0, 6, "/task/") == 0 && all_digits(rest.substr(6))))
        return -1;
    return std::strtol(pid.c_str(), nullptr, 10);
}

struct DescriptorLink {
    long owner = -1;
    int descriptor = -1;
};

// Follows the links of `path` one at a time and stops at the first that is
// an entry of a descriptor table under /proc, such as /dev/stdout leads to.
std::optional<DescriptorLink> descriptor_link(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return std::nullopt;
        const std::optional<std::string> folder = real_path(folder_of(current));
        if (!folder)
            return std::nullopt;
        const long owner = descriptor_table_owner(*folder);
        const std::string name = name_of(current);
        if (owner >= 0 && all_digits(name) && name.size() < 10)
            return DescriptorLink{owner, std::atoi(name.c_str())};
        const std::optional<std::string> next = link_text(current);
        if (!next)
            return std::nullopt;
        current = (*next)[0] == '/' ? *next : *folder + "/" + *next;
    }
    return std::nullopt;
}

FileIdentity identity_of(const struct stat& status) {
    return {status.st_dev, status.st_ino, {}};
}

}  // namespace

OutputTarget output_target(const std::string& path) {
    if (const std::optional<DescriptorLink> link = descriptor_link(path)) {
        if (link->owner == static_cast<long>(getpid()))
            return {OutputTarget::Kind::descriptor, path, link->descriptor};
        return {OutputTarget::Kind::in_place, path, -1};
    }
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return {OutputTarget::Kind::folder, path, -1};
        if (!S_ISREG(status.st_mode))
            return {OutputTarget::Kind::in_place, path, -1};
    }
    // The file a link names, so that the rename replaces that file and the
    // link stays. A link that leads nowhere is replaced itself, as a missing
    // file would be.
    struct stat link {};
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        return {OutputTarget::Kind::replace, real_path(path).value_or(path), -1};
    return {OutputTarget::Kind::replace, path, -1};
}

std::optional<FileIdentity> regular_file_identity(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0)
        return S_ISREG(status.st_mode) ? std::optional(identity_of(status)) : std::nullopt;
    if (errno != ENOENT)
        return std::nullopt;
    // A name not taken yet. A dangling link is replaced itself, so it is its
    // own name that counts.
    const std::string folder = folder_of(path);
    struct stat folder_status {};
    if (stat(folder.c_str(), &folder_status) != 0)
        return std::nullopt;
    FileIdentity identity = identity_of(folder_status);
    identity.name_in_folder = name_of(path);
    return identity;
}

std::optional<FileIdentity> regular_file_identity(int descriptor) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return identity_of(status);
}

}  // namespace vorna
