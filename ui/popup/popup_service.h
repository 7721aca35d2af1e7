#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>

#include "ui/popup/popup_request.h"
#include "ui/popup/popup_server.h"
#include "ui/popup/popup_translator.h"
#include "ui/popup/popup_window.h"

namespace vorna::ui {

class DesktopServices;
struct Session;

// The running instance's popups: reads the selection and the pointer when
// asked, translates with the session's dictionary and shows the popup;
// answers the requests that reach it over the socket.
class PopupService : public QObject {
  public:
    // `session` holds the dictionary, loaded or about to be.
    PopupService(Session& session, DesktopServices& services);
    ~PopupService() override;

    // Answers requests on the socket at `place` from now on, unless another
    // instance does.
    PopupServer::Claim listen(const PopupSocketPlace& place);
    // Makes this process an instance of its own: `quit` is called once no
    // request came and no popup was open for `idle`, or when a request asks
    // for it, and says false when the process stays (a main window opened
    // from a popup). Without it (the main window's process) a quit is refused.
    void quit_when_idle(std::chrono::milliseconds idle, std::function<bool()> quit);
    // While this says yes (a translation run or a load of the dictionary in
    // the same process), a popup waits.
    void set_busy_check(std::function<bool()> busy) { busy_ = std::move(busy); }
    void set_open_in_main_window(std::function<void(const QString& text)> open) {
        window_.set_open_in_main_window(std::move(open));
    }

    // Shows the popup for the selection (or the clipboard) at the pointer.
    void show_popup(SelectionSource source);
    PopupWindow& window() { return window_; }
    PopupServer& server() { return server_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PopupReply answer(const PopupRequest& request);

    Session& session_;
    PopupWindow window_;
    PopupTranslator translator_;
    PopupServer server_;
    QTimer idle_;
    std::function<bool()> quit_;
    std::function<bool()> busy_;
    bool said_clipboard_instead_ = false;
};

}  // namespace vorna::ui
