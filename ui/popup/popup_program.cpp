#include "ui/popup/popup_program.h"

#include <QAction>
#include <QApplication>
#include <QTextEdit>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>

#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "ui/desktop/desktop_services.h"
#include "ui/popup/popup_service.h"
#include "ui/popup/popup_socket.h"
#include "ui/windows/main_window.h"
#include "ui/windows/object_names.h"
#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr const char* kProgram = "vorna: ";
// An instance may still be loading its dictionary when it is asked.
constexpr int kReplyTimeoutMs = 10000;

std::optional<PopupSocketPlace> socket_place() {
    return popup_socket_place(std::getenv("XDG_RUNTIME_DIR"));
}

// Puts `text` into the main window's upper box and translates it as F5 does.
void open_in(MainWindow& window, const QString& text) {
    window.source_box().setPlainText(text);
    window.showNormal();
    window.raise();
    window.activateWindow();
    window.menu().translate_text->trigger();
}

// A popup waits while the window's run reads the store, or while the
// loading window fills it again.
bool main_window_busy(const MainWindow& window) {
    if (window.engine().run_in_progress())
        return true;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->objectName() == QLatin1String(names::kLoadingWindow))
            return true;
    }
    return false;
}

Status load_silently(Session& session) {
    session.dictionary =
        choose_dictionary(std::string(), session.application_folder, session.readers_folder);
    SilentLoadProgress quiet;
    return session.dictionary.origin == DictionaryOrigin::beside_program
               ? load_dictionary(session.store, session.application_folder, quiet)
               : load_dictionary_file(session.store, session.dictionary.path,
                                      session.application_folder, quiet);
}

}  // namespace

ProgramCommand program_command(int argc, const char* const* argv) {
    ProgramCommand command;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--quit") {
            command.mode = ProgramCommand::Mode::quit;
        } else if (argument == "--popup" || argument == "--clipboard") {
            if (command.mode == ProgramCommand::Mode::window)
                command.mode = ProgramCommand::Mode::popup;
            if (argument == "--clipboard")
                command.source = SelectionSource::clipboard;
        }
    }
    return command;
}

void prefer_x11_for_popups() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

int quit_running_instance() {
    const std::optional<PopupSocketPlace> place = socket_place();
    if (!place)
        return 0;
    const ClientAnswer answer =
        ask_running_instance(*place, {PopupRequest::Kind::quit, {}}, kReplyTimeoutMs);
    if (answer.state != InstanceState::running || answer.reply == PopupReply::done)
        return 0;
    if (answer.reply == PopupReply::window_stays) {
        std::cerr << kProgram << "the running instance keeps its main window open\n";
    } else {
        std::cerr << kProgram << "the running instance did not answer\n";
    }
    return 1;
}

bool hand_popup_to_running_instance(SelectionSource source) {
    const std::optional<PopupSocketPlace> place = socket_place();
    if (!place)
        return false;
    const ClientAnswer answer =
        ask_running_instance(*place, {PopupRequest::Kind::popup, source}, kReplyTimeoutMs);
    return answer.reply == PopupReply::done;
}

int run_popup_instance(SelectionSource source, Session& session, DesktopServices& services) {
    PopupService service(session, services);
    bool listening = false;
    if (const std::optional<PopupSocketPlace> place = socket_place()) {
        // Another first popup may have taken the socket a moment ago.
        for (int attempt = 0; attempt < 2 && !listening; ++attempt) {
            const PopupServer::Claim claim = service.listen(*place);
            listening = claim == PopupServer::Claim::listening;
            if (claim == PopupServer::Claim::unavailable)
                break;
            if (!listening && hand_popup_to_running_instance(source))
                return 0;
        }
    }
    if (!load_silently(session).ok()) {
        service.server().stop_listening();  // nobody is to wait for this process
        services.show_warning(nullptr,
                              text_in(texts::kDictionaryMissing, service.window().script()));
        return 1;
    }
    std::unique_ptr<MainWindow> main_window;
    service.set_open_in_main_window([&](const QString& text) {
        if (!main_window) {
            main_window = std::make_unique<MainWindow>(session, services);
            main_window->first_load();
            service.set_busy_check([&main_window] { return main_window_busy(*main_window); });
        }
        open_in(*main_window, text);
    });
    // Without a socket nobody can reach a later popup: end with this one.
    const std::chrono::milliseconds idle =
        listening ? std::chrono::milliseconds(kPopupIdleTime) : std::chrono::milliseconds(0);
    service.quit_when_idle(idle, [&main_window] {
        // Once a main window is open, closing it ends the program.
        if (main_window)
            return false;
        QCoreApplication::quit();
        return true;
    });
    service.show_popup(source);
    return QApplication::exec();
}

std::unique_ptr<PopupService> serve_popups_beside(MainWindow& window, Session& session,
                                                  DesktopServices& services) {
    const std::optional<PopupSocketPlace> place = socket_place();
    if (!place || QGuiApplication::platformName() != QStringLiteral("xcb"))
        return nullptr;
    auto service = std::make_unique<PopupService>(session, services);
    if (service->listen(*place) != PopupServer::Claim::listening)
        return nullptr;
    service->set_busy_check([&window] { return main_window_busy(window); });
    service->set_open_in_main_window([&window](const QString& text) { open_in(window, text); });
    return service;
}

}  // namespace vorna::ui
