// Prints how long `vorna --popup` takes from the command to its popup on the
// screen: with no instance running (the process starts, loads the dictionary
// and shows the popup) and with one running (a second process hands the
// request over and exits). It owns the primary selection the popups
// translate and watches the screen for the popup's window, so it needs an X
// display with a window manager (Xvfb with openbox will do):
//   popup_bench [VORNA [COLD_RUNS [WARM_RUNS]]]
// VORNA defaults to the vorna beside this program, with its qd.dat.
#include <xcb/xcb.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPopupTimeoutMs = 20000;

// Our own connection to the display, told about every window mapped on it.
class ScreenWatch {
  public:
    ScreenWatch() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0)
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection_);
        ok_ = true;
    }
    ~ScreenWatch() { xcb_disconnect(connection_); }
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    bool ok() const { return ok_; }
    int descriptor() const { return xcb_get_file_descriptor(connection_); }

    // True once a popup of vorna's (a window the window manager leaves
    // alone, of class "vorna") was mapped since the last call.
    bool popup_mapped() {
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped = mapped || (map->override_redirect != 0 && of_vorna(map->window));
            }
            std::free(event);
        }
        return mapped;
    }

  private:
    bool of_vorna(xcb_window_t window) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection_, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
        if (reply == nullptr)
            return false;
        const QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        std::free(reply);
        return value.startsWith("vorna");
    }

    xcb_connection_t* connection_;
    bool ok_ = false;
};

// Runs the event loop (which answers the popup's question for the
// selection) until the popup is on the screen; its time in milliseconds,
// or a negative number when it did not come.
double time_to_popup(ScreenWatch& watch, const std::function<void()>& command) {
    watch.popup_mapped();  // forget what came before
    QEventLoop loop;
    QSocketNotifier notifier(watch.descriptor(), QSocketNotifier::Read);
    bool shown = false;
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&] {
        if (watch.popup_mapped()) {
            shown = true;
            loop.quit();
        }
    });
    QTimer::singleShot(kPopupTimeoutMs, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    command();
    if (!watch.popup_mapped())
        loop.exec();
    else
        shown = true;
    return shown ? static_cast<double>(clock.nsecsElapsed()) / 1e6 : -1;
}

void print_figures(const char* what, std::vector<double> times) {
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    std::printf("%-34s runs %2zu  median %7.1f ms  fastest %7.1f ms  slowest %7.1f ms\n", what,
                times.size(), times[times.size() / 2], times.front(), times.back());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        std::fprintf(stderr, "popup_bench: needs an X display (Xvfb with a window manager)\n");
        return 2;
    }
    const QStringList arguments = QCoreApplication::arguments();
    const QString vorna = arguments.size() > 1
                              ? arguments.at(1)
                              : QCoreApplication::applicationDirPath() + QStringLiteral("/vorna");
    const int cold_runs = arguments.size() > 2 ? arguments.at(2).toInt() : 5;
    const int warm_runs = arguments.size() > 3 ? arguments.at(3).toInt() : 20;

    // A runtime folder of our own: no instance of the user's answers.
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const auto start = [&](QProcess& process, const QString& option) {
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(vorna, {option});
    };
    const auto quit_instance = [&](QProcess& instance) {
        QProcess quit;
        start(quit, QStringLiteral("--quit"));
        quit.waitForFinished(10000);
        instance.waitForFinished(10000);
    };

    QGuiApplication::clipboard()->setText(QStringLiteral("Hello, the big world!"),
                                          QClipboard::Selection);
    ScreenWatch watch;
    if (!watch.ok()) {
        std::fprintf(stderr, "popup_bench: cannot watch the display\n");
        return 2;
    }

    std::vector<double> cold;
    std::vector<double> warm;
    for (int run = 0; run < cold_runs; ++run) {
        auto instance = std::make_unique<QProcess>();
        const double ms =
            time_to_popup(watch, [&] { start(*instance, QStringLiteral("--popup")); });
        if (ms < 0) {
            std::fprintf(stderr, "popup_bench: no popup came from %s\n", qPrintable(vorna));
            return 1;
        }
        cold.push_back(ms);
        if (run + 1 < cold_runs) {
            quit_instance(*instance);
            continue;
        }
        // The last instance stays and answers the next popups.
        for (int again = 0; again < warm_runs; ++again) {
            QProcess client;
            const double handed =
                time_to_popup(watch, [&] { start(client, QStringLiteral("--popup")); });
            client.waitForFinished(10000);
            if (handed >= 0)
                warm.push_back(handed);
        }
        quit_instance(*instance);
    }
    std::printf("vorna --popup, from the command to the popup mapped on the screen\n");
    print_figures("no instance running (loads qd.dat)", cold);
    print_figures("an instance running", warm);
    return 0;
}
