#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "popup_fixture.h"
#include "popup_test.h"
#include "ui/popup/popup_server.h"
#include "ui/popup/popup_socket.h"

using vorna::ui::ClientAnswer;
using vorna::ui::InstanceState;
using vorna::ui::PopupReply;
using vorna::ui::PopupRequest;
using vorna::ui::PopupServer;
using vorna::ui::RequestProblem;
using vorna::ui::SelectionSource;

Q_DECLARE_METATYPE(RequestProblem)

namespace {

sockaddr_un address_of(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// Sends raw bytes and returns everything the server says before it hangs up.
std::string raw_exchange(const std::string& path, const std::string& bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = address_of(path);
    std::string received;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
        (void)::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        char buffer[256];
        pollfd waiting{fd, POLLIN, 0};
        while (::poll(&waiting, 1, 5000) > 0) {
            const ssize_t count = ::recv(fd, buffer, sizeof(buffer), 0);
            if (count <= 0)
                break;
            received.append(buffer, static_cast<std::size_t>(count));
        }
    }
    ::close(fd);
    return received;
}

template <typename Future>
bool ready(const Future& future) {
    return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

const PopupRequest kPrimaryPopup{PopupRequest::Kind::popup, SelectionSource::primary};

}  // namespace

void PopupTest::request_parsing_data() {
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<RequestProblem>("problem");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("source");
    const auto line = [](PopupRequest::Kind kind, SelectionSource source) {
        return QByteArray::fromStdString(vorna::ui::request_line({kind, source}));
    };
    constexpr auto popup = PopupRequest::Kind::popup;
    constexpr auto quit = PopupRequest::Kind::quit;
    QTest::newRow("popup of the clipboard")
        << line(popup, SelectionSource::clipboard) << RequestProblem::none << int(popup)
        << int(SelectionSource::clipboard);
    QTest::newRow("quit") << line(quit, SelectionSource::primary) << RequestProblem::none
                          << int(quit) << int(SelectionSource::primary);
    QTest::newRow("half a line") << QByteArray("vorna-popup/1 popup") << RequestProblem::incomplete
                                 << 0 << 0;
    QTest::newRow("no line end in the bound")
        << QByteArray(64, 'x') << RequestProblem::too_long << 0 << 0;
    QTest::newRow("a line past the bound")
        << QByteArray("vorna-popup/1 quit" + QByteArray(60, ' ') + "\n") << RequestProblem::too_long
        << 0 << 0;
    QTest::newRow("two requests") << line(quit, {}) + line(popup, SelectionSource::primary)
                                  << RequestProblem::malformed << 0 << 0;
    QTest::newRow("another version")
        << QByteArray("vorna-popup/2 quit\n") << RequestProblem::malformed << 0 << 0;
    QTest::newRow("a zero byte") << QByteArray("vorna-popup/1 quit\0\n", 20)
                                 << RequestProblem::malformed << 0 << 0;
    QTest::newRow("something else")
        << QByteArray("GET / HTTP/1.0\r\n") << RequestProblem::malformed << 0 << 0;
}

void PopupTest::request_parsing() {
    QFETCH(QByteArray, received);
    QFETCH(RequestProblem, problem);
    const vorna::ui::ParsedRequest parsed = vorna::ui::parse_request(received.toStdString());
    QCOMPARE(parsed.problem, problem);
    QCOMPARE(parsed.request.has_value(), problem == RequestProblem::none);
    if (parsed.request) {
        QTEST(int(parsed.request->kind), "kind");
        if (parsed.request->kind == PopupRequest::Kind::popup)
            QTEST(int(parsed.request->source), "source");
    }
}

void PopupTest::socket_answersItsUserAndRefusesBadRequests() {
    QTemporaryDir runtime;
    const auto place = vorna::ui::popup_socket_place(QFile::encodeName(runtime.path()).constData());
    QVERIFY(place);
    std::vector<PopupRequest> handled;
    PopupServer server([&handled](const PopupRequest& request) {
        handled.push_back(request);
        return PopupReply::done;
    });
    server.set_request_timeout(200);
    QCOMPARE(server.claim(*place), PopupServer::Claim::listening);
    struct stat info {};
    QVERIFY(::lstat(place->socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode));
    QCOMPARE(info.st_mode & 0777, 0600u);
    QVERIFY(::lstat(place->folder.c_str(), &info) == 0);
    QCOMPARE(info.st_mode & 0777, 0700u);

    auto answer = off_the_event_loop([&place] {
        return vorna::ui::ask_running_instance(
            *place, {PopupRequest::Kind::popup, SelectionSource::clipboard}, 5000);
    });
    QTRY_VERIFY(ready(answer));
    const ClientAnswer answered = answer.get();
    QCOMPARE(answered.state, InstanceState::running);
    QVERIFY(answered.reply == PopupReply::done);
    QCOMPARE(handled.size(), std::size_t(1));
    QCOMPARE(handled[0].source, SelectionSource::clipboard);

    // Too long, malformed, or nothing at all: refused or dropped, never handled.
    for (const std::string& bad :
         {std::string(100000, 'x'), std::string("vorna-popup/1 quit\nvorna-popup/1 quit\n"),
          std::string("\xff\xfe\0\n", 4), std::string()}) {
        auto said = off_the_event_loop([&place, bad] { return raw_exchange(place->socket, bad); });
        QTRY_VERIFY(ready(said));
        const std::string reply = said.get();
        QVERIFY2(reply.empty() || reply == "refused\n", reply.c_str());
    }
    QCOMPARE(handled.size(), std::size_t(1));
}

void PopupTest::socket_staleOrUntrustedFileIsTakenOverNeverTalkedTo_data() {
    QTest::addColumn<QString>("left");
    QTest::newRow("socket of a killed process") << QStringLiteral("stale");
    QTest::newRow("live socket open to everyone") << QStringLiteral("open");
    QTest::newRow("regular file") << QStringLiteral("file");
    QTest::newRow("socket of another user") << QStringLiteral("other user");
}

void PopupTest::socket_staleOrUntrustedFileIsTakenOverNeverTalkedTo() {
    QFETCH(QString, left);
    if (left == QStringLiteral("other user") && ::geteuid() != 0)
        QSKIP("only root can give a socket to another user");
    QTemporaryDir runtime;
    const auto place = vorna::ui::popup_socket_place(QFile::encodeName(runtime.path()).constData());
    QVERIFY(place && vorna::ui::prepare_socket_folder(*place).ok());
    const sockaddr_un address = address_of(place->socket);
    int planted = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (left == QStringLiteral("file")) {
        QFile file(QString::fromStdString(place->socket));
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(::bind(planted, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0);
        QVERIFY(::listen(planted, 4) == 0);
        if (left == QStringLiteral("stale")) {
            ::close(planted);  // its file stays, as a killed process leaves it
            planted = -1;
        }
        if (left == QStringLiteral("open"))
            QVERIFY(::chmod(place->socket.c_str(), 0666) == 0);
        if (left == QStringLiteral("other user"))
            QVERIFY(::chown(place->socket.c_str(), 65534, 65534) == 0);
    }
    const auto closed_planted = qScopeGuard([&planted] {
        if (planted >= 0)
            ::close(planted);
    });

    const ClientAnswer answer = vorna::ui::ask_running_instance(*place, kPrimaryPopup, 1000);
    QVERIFY(answer.state != InstanceState::running);
    QVERIFY(!answer.reply);
    // Nothing went to whoever listens there.
    QCOMPARE(::accept(planted, nullptr, nullptr), -1);

    int handled = 0;
    PopupServer server([&handled](const PopupRequest&) {
        ++handled;
        return PopupReply::done;
    });
    QCOMPARE(server.claim(*place), PopupServer::Claim::listening);
    auto asked = off_the_event_loop(
        [&place] { return vorna::ui::ask_running_instance(*place, kPrimaryPopup, 5000); });
    QTRY_VERIFY(ready(asked));
    QVERIFY(asked.get().reply == PopupReply::done);
    QCOMPARE(handled, 1);
}

void PopupTest::socket_folderOpenToOthers_isNotUsed() {
    QVERIFY(!vorna::ui::popup_socket_place(nullptr));
    QVERIFY(!vorna::ui::popup_socket_place("run/user"));
    QTemporaryDir runtime;
    const auto place = vorna::ui::popup_socket_place(QFile::encodeName(runtime.path()).constData());
    QVERIFY(place && ::mkdir(place->folder.c_str(), 0700) == 0);
    QVERIFY(::chmod(place->folder.c_str(), 0755) == 0);
    PopupServer server([](const PopupRequest&) { return PopupReply::done; });
    QCOMPARE(server.claim(*place), PopupServer::Claim::unavailable);
    QVERIFY(::access(place->socket.c_str(), F_OK) != 0);
}

void PopupTest::twoStarters_endWithOneInstance() {
    QTemporaryDir runtime;
    const auto place = vorna::ui::popup_socket_place(QFile::encodeName(runtime.path()).constData());
    int handled = 0;
    const auto handler = [&handled](const PopupRequest&) {
        ++handled;
        return PopupReply::done;
    };
    PopupServer first(handler);
    PopupServer second(handler);
    QCOMPARE(first.claim(*place), PopupServer::Claim::listening);
    QCOMPARE(second.claim(*place), PopupServer::Claim::instance_running);
    // Two popups asked for at once both reach the one instance.
    auto one = off_the_event_loop(
        [&place] { return vorna::ui::ask_running_instance(*place, kPrimaryPopup, 5000); });
    auto other = off_the_event_loop(
        [&place] { return vorna::ui::ask_running_instance(*place, kPrimaryPopup, 5000); });
    QTRY_VERIFY(ready(one) && ready(other));
    QVERIFY(one.get().reply == PopupReply::done && other.get().reply == PopupReply::done);
    QCOMPARE(handled, 2);
}
