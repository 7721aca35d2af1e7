#include "ui/popup/popup_server.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/io/file_descriptor.h"

namespace vorna::ui {

namespace {

constexpr int kBacklog = 16;

// Holds the starters' lock: one process at a time looks at the socket and
// replaces it, so two first popups at once end with one instance.
class StarterLock {
  public:
    explicit StarterLock(const std::string& path)
        : file_(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
        while (file_.is_open() && ::flock(file_.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                file_.reset();
        }
    }
    bool held() const { return file_.is_open(); }

  private:
    FileDescriptor file_;
};

// A listening socket bound at `path`, reachable by this user alone, or none.
FileDescriptor listening_socket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return {};
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    FileDescriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!listener.is_open())
        return {};
    // The folder admits no one else, so the moment before chmod is safe.
    if (::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(listener.get(), kBacklog) != 0) {
        return {};
    }
    return listener;
}

}  // namespace

PopupServer::PopupServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* connection = server_.nextPendingConnection())
            take_connection(connection);
    });
}

PopupServer::~PopupServer() {
    stop_listening();
}

void PopupServer::stop_listening() {
    server_.close();
    struct stat info {};
    if (!socket_path_.empty() && ::lstat(socket_path_.c_str(), &info) == 0 &&
        info.st_dev == socket_device_ && info.st_ino == socket_inode_) {
        ::unlink(socket_path_.c_str());
    }
    socket_path_.clear();
}

PopupServer::Claim PopupServer::claim(const PopupSocketPlace& place) {
    if (!prepare_socket_folder(place).ok())
        return Claim::unavailable;
    const StarterLock lock(place.lock);
    if (!lock.held())
        return Claim::unavailable;
    if (probe_instance(place) == InstanceState::running)
        return Claim::instance_running;
    // Stale (its process is gone) or not to be trusted: replaced either way.
    if (::unlink(place.socket.c_str()) != 0 && errno != ENOENT)
        return Claim::unavailable;
    FileDescriptor listener = listening_socket(place.socket);
    struct stat info {};
    if (!listener.is_open() || ::lstat(place.socket.c_str(), &info) != 0 ||
        !server_.listen(listener.get())) {
        return Claim::unavailable;
    }
    listener.release();  // the server's now
    socket_path_ = place.socket;
    socket_device_ = info.st_dev;
    socket_inode_ = info.st_ino;
    return Claim::listening;
}

void PopupServer::take_connection(QLocalSocket* connection) {
    connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    if (!peer_is_this_user(static_cast<int>(connection->socketDescriptor()))) {
        connection->abort();
        connection->deleteLater();
        return;
    }
    auto* deadline = new QTimer(connection);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, connection, [connection] {
        connection->abort();
        connection->deleteLater();
    });
    deadline->start(request_timeout_ms_);
    auto received = std::make_shared<std::string>();
    connect(connection, &QLocalSocket::readyRead, this, [this, connection, deadline, received] {
        const QByteArray bytes =
            connection->read(static_cast<qint64>(kMaxRequestBytes + 1 - received->size()));
        received->append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const ParsedRequest parsed = parse_request(*received);
        if (parsed.problem == RequestProblem::incomplete)
            return;
        deadline->stop();
        disconnect(connection, &QLocalSocket::readyRead, this, nullptr);
        const PopupReply reply = parsed.request ? handler_(*parsed.request) : PopupReply::refused;
        connection->write(QByteArray::fromStdString(reply_line(reply)));
        // Said at once: after a quit the event loop may not turn again.
        connection->flush();
        connection->disconnectFromServer();
    });
}

}  // namespace vorna::ui
