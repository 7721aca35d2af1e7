#include "ui/popup/popup_socket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/io/file_descriptor.h"

namespace vorna::ui {

namespace {

// A folder nobody else may change: this user's, not writable by others.
Status check_own_folder(const std::string& path, mode_t forbidden_bits) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return Status::from_errno(errno, path);
    if (!S_ISDIR(info.st_mode))
        return Status::failure(path, "not a folder");
    if (info.st_uid != ::geteuid())
        return Status::failure(path, "owned by another user");
    if ((info.st_mode & forbidden_bits) != 0)
        return Status::failure(path, "open to other users");
    return {};
}

bool fill_address(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A connected socket to the instance, or none with `state` saying why not.
FileDescriptor connect_to_instance(const PopupSocketPlace& place, InstanceState& state) {
    state = InstanceState::none;
    struct stat info {};
    if (::lstat(place.socket.c_str(), &info) != 0)
        return {};
    if (!trusted_socket_file(place.socket)) {
        state = InstanceState::untrusted;
        return {};
    }
    sockaddr_un address{};
    if (!fill_address(place.socket, address))
        return {};
    FileDescriptor connection(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!connection.is_open())
        return {};
    if (::connect(connection.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) !=
        0) {
        return {};  // refused: the process that made it is gone
    }
    if (!peer_is_this_user(connection.get())) {
        state = InstanceState::untrusted;
        return {};
    }
    state = InstanceState::running;
    return connection;
}

bool write_all(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The first line the instance answers within `timeout_ms`.
std::optional<PopupReply> read_reply(int fd, int timeout_ms) {
    std::string received;
    char buffer[64];
    while (received.find('\n') == std::string::npos && received.size() < kMaxRequestBytes) {
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, timeout_ms);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        const ssize_t count = ::recv(fd, buffer, sizeof(buffer), 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return std::nullopt;
        received.append(buffer, static_cast<std::size_t>(count));
    }
    return parse_reply(received.substr(0, received.find('\n')));
}

}  // namespace

std::optional<PopupSocketPlace> popup_socket_place(const char* xdg_runtime_dir) {
    if (xdg_runtime_dir == nullptr || xdg_runtime_dir[0] != '/')
        return std::nullopt;
    std::string folder(xdg_runtime_dir);
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    folder += "/vorna";
    PopupSocketPlace place{folder, folder + "/popup.socket", folder + "/popup.lock"};
    sockaddr_un address{};
    if (!fill_address(place.socket, address))
        return std::nullopt;
    return place;
}

Status prepare_socket_folder(const PopupSocketPlace& place) {
    const std::string runtime = place.folder.substr(0, place.folder.rfind('/'));
    if (Status parent = check_own_folder(runtime.empty() ? "/" : runtime, S_IWGRP | S_IWOTH);
        !parent.ok()) {
        return parent;
    }
    if (::mkdir(place.folder.c_str(), 0700) != 0 && errno != EEXIST)
        return Status::from_errno(errno, place.folder);
    return check_own_folder(place.folder, S_IRWXG | S_IRWXO);
}

bool trusted_socket_file(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool peer_is_this_user(int socket_descriptor) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(socket_descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof(peer) && peer.uid == ::geteuid();
}

InstanceState probe_instance(const PopupSocketPlace& place) {
    InstanceState state = InstanceState::none;
    const FileDescriptor connection = connect_to_instance(place, state);
    return state;
}

ClientAnswer ask_running_instance(const PopupSocketPlace& place, const PopupRequest& request,
                                  int timeout_ms) {
    ClientAnswer answer;
    const FileDescriptor connection = connect_to_instance(place, answer.state);
    if (!connection.is_open() || !write_all(connection.get(), request_line(request)))
        return answer;
    answer.reply = read_reply(connection.get(), timeout_ms);
    return answer;
}

}  // namespace vorna::ui
