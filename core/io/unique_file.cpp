#include "core/io/unique_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>
#include <utility>

namespace vorna {

namespace {

constexpr std::string_view kNameCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;

std::string random_suffix() {
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, kNameCharacters.size() - 1);
    std::string suffix(kSuffixLength, ' ');
    for (char& c : suffix)
        c = kNameCharacters[pick(source)];
    return suffix;
}

}  // namespace

Status create_unique_file(const std::string& stem, mode_t mode, std::string& path,
                          FileDescriptor& file) {
    // 62^6 names: a clash is rare, a hundred in a row means something else.
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem + random_suffix();
        FileDescriptor created(
            open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (created.is_open()) {
            file = std::move(created);
            return {};
        }
        if (errno != EEXIST)
            return Status::from_errno(errno, path);
    }
    return Status::from_errno(EEXIST, stem);
}

Status link_unique_name(const std::string& existing, const std::string& stem, std::string& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem + random_suffix();
        if (link(existing.c_str(), path.c_str()) == 0)
            return {};
        if (errno != EEXIST)
            return Status::from_errno(errno, path);
    }
    return Status::from_errno(EEXIST, stem);
}

bool is_unique_name_of(const std::string& name, const std::string& stem) {
    if (name.size() != stem.size() + kSuffixLength || name.compare(0, stem.size(), stem) != 0)
        return false;
    return name.find_first_not_of(kNameCharacters, stem.size()) == std::string::npos;
}

}  // namespace vorna
