#pragma once

#include <sys/types.h>
#include <QLocalServer>
#include <QObject>
#include <functional>

#include "ui/popup/popup_request.h"
#include "ui/popup/popup_socket.h"

class QLocalSocket;

namespace vorna::ui {

// The running instance's end of the socket: takes the socket over when no
// other instance of this user answers on it, and answers each connection's
// one request through the handler. Peers of other users, requests that are
// too long, malformed or too slow are refused without reaching the handler.
class PopupServer : public QObject {
  public:
    using Handler = std::function<PopupReply(const PopupRequest&)>;

    explicit PopupServer(Handler handler, QObject* parent = nullptr);
    // Removes the socket file while it is still the one this server made.
    ~PopupServer() override;

    enum class Claim {
        listening,         // this process answers from now on
        instance_running,  // another instance of this user answers: ask it
        unavailable,       // no safe place for a socket: nothing is shared
    };
    // A stale or untrusted socket file is replaced, never talked to.
    Claim claim(const PopupSocketPlace& place);

    // Stops answering and removes the socket file, so that the next starter
    // does not hand its popup to a process on its way out.
    void stop_listening();

    // How long a connection may take to send its request, in milliseconds.
    void set_request_timeout(int milliseconds) { request_timeout_ms_ = milliseconds; }

  private:
    void take_connection(QLocalSocket* connection);

    Handler handler_;
    QLocalServer server_;
    std::string socket_path_;
    dev_t socket_device_ = 0;
    ino_t socket_inode_ = 0;
    int request_timeout_ms_ = 2000;
};

}  // namespace vorna::ui
