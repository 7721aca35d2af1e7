#pragma once

#include <optional>
#include <string>

#include "core/io/status.h"
#include "ui/popup/popup_request.h"

namespace vorna::ui {

// Where the running instance listens: a folder of this user's own under
// $XDG_RUNTIME_DIR that no one else may enter, with the socket and the lock
// that lets one starter at a time take the socket over.
struct PopupSocketPlace {
    std::string folder;
    std::string socket;
    std::string lock;
};

// None when $XDG_RUNTIME_DIR is unset or relative, or the socket's path would
// not fit a socket address: then no instance is shared.
std::optional<PopupSocketPlace> popup_socket_place(const char* xdg_runtime_dir);

// Makes the folder (mode 0700) when it is missing, and checks that it and the
// runtime folder holding it are real folders of this user that no one else
// may change, and that no one else may enter the folder.
Status prepare_socket_folder(const PopupSocketPlace& place);

// What is found at the socket's path.
enum class InstanceState {
    none,       // no socket, or one nobody listens on any more
    running,    // a process of this user listens there
    untrusted,  // not a socket, another owner, a mode that lets others in, or
                // a peer of another user: never talked to, and replaced
};

// Connects to the socket without asking anything, to see what is there.
InstanceState probe_instance(const PopupSocketPlace& place);

// What became of a request sent to the running instance.
struct ClientAnswer {
    InstanceState state = InstanceState::none;
    // The instance's answer; none when it gave none in time.
    std::optional<PopupReply> reply;
};

// Sends one request to the instance at `place` when one of this user runs
// there and waits up to `timeout_ms` for its one-line answer. The request is
// sent only after the socket file and the peer have been checked.
ClientAnswer ask_running_instance(const PopupSocketPlace& place, const PopupRequest& request,
                                  int timeout_ms);

// The checks made on a socket file before anything is sent to it: a socket,
// owned by this user, with no access for anyone else.
bool trusted_socket_file(const std::string& path);
// Whether the process at the other end of a connected socket is this user's.
bool peer_is_this_user(int socket_descriptor);

}  // namespace vorna::ui
