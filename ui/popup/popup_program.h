#pragma once

#include <chrono>
#include <memory>

#include "ui/popup/popup_request.h"

namespace vorna::ui {

class DesktopServices;
class MainWindow;
class PopupService;
struct Session;

// How long an instance without a window waits for the next popup.
inline constexpr std::chrono::minutes kPopupIdleTime{30};

// What the command line asks of `vorna`; anything else is left to the
// toolkit or ignored, as it always was.
struct ProgramCommand {
    enum class Mode { window, popup, quit };
    Mode mode = Mode::window;
    SelectionSource source = SelectionSource::primary;
};
ProgramCommand program_command(int argc, const char* const* argv);

// A popup needs to know where the pointer is, which Wayland does not tell:
// on a Wayland desktop with XWayland it goes through X, unless the reader
// chose a platform. Runs before the toolkit starts.
void prefer_x11_for_popups();

// `vorna --quit`: 0 when no instance runs any more, 1 when the one running
// keeps its main window or could not be asked.
int quit_running_instance();

// Hands a popup to the instance already running; false when none answered.
// Runs before the toolkit starts, so an answered popup costs no more.
bool hand_popup_to_running_instance(SelectionSource source);

// The process becomes the instance: loads the dictionary into `session`,
// shows the popup and answers further popups until idle. The exit status.
int run_popup_instance(SelectionSource source, Session& session, DesktopServices& services);

// The main window's process answers popups too, while it runs on X; null
// when another instance already does or there is no safe place for the socket.
std::unique_ptr<PopupService> serve_popups_beside(MainWindow& window, Session& session,
                                                  DesktopServices& services);

}  // namespace vorna::ui
