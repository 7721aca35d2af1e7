#include "ui/popup/popup_service.h"

#include <QClipboard>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

#include "ui/popup/popup_texts.h"
#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

// How often a popup asked for during a run or a load looks again.
constexpr int kBusyRetryMs = 50;

}  // namespace

PopupService::PopupService(Session& session, DesktopServices& services)
    : session_(session),
      window_(services),
      translator_(session.store, session.dictionary_path(), session.application_folder,
                  session.article_files),
      server_([this](const PopupRequest& request) { return answer(request); }) {
    idle_.setSingleShot(true);
    // An open popup is not idle: its closing starts the time again.
    connect(&idle_, &QTimer::timeout, this, [this] {
        if (!window_.isVisible() && quit_ && quit_())
            server_.stop_listening();
    });
    window_.installEventFilter(this);
}

PopupService::~PopupService() = default;

PopupServer::Claim PopupService::listen(const PopupSocketPlace& place) {
    return server_.claim(place);
}

void PopupService::quit_when_idle(std::chrono::milliseconds idle, std::function<bool()> quit) {
    quit_ = std::move(quit);
    idle_.setInterval(idle);
    idle_.start();
}

bool PopupService::eventFilter(QObject* watched, QEvent* event) {
    // The idle time counts from when the last popup closed.
    if (watched == &window_ && event->type() == QEvent::Hide && quit_)
        idle_.start();
    return QObject::eventFilter(watched, event);
}

PopupReply PopupService::answer(const PopupRequest& request) {
    if (request.kind == PopupRequest::Kind::quit) {
        if (!quit_ || !quit_())
            return PopupReply::window_stays;
        server_.stop_listening();
        return PopupReply::done;
    }
    const SelectionSource source = request.source;
    QTimer::singleShot(0, this, [this, source] { show_popup(source); });
    return PopupReply::done;
}

void PopupService::show_popup(SelectionSource source) {
    if (busy_ && busy_()) {
        QTimer::singleShot(kBusyRetryMs, this, [this, source] { show_popup(source); });
        return;
    }
    if (quit_)
        idle_.start();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    QString note;
    QClipboard::Mode mode =
        source == SelectionSource::primary ? QClipboard::Selection : QClipboard::Clipboard;
    if (mode == QClipboard::Selection && !clipboard.supportsSelection()) {
        mode = QClipboard::Clipboard;
        if (!said_clipboard_instead_)
            note = text_in(kClipboardInstead, window_.script());
        said_clipboard_instead_ = true;
    }
    translator_.set_dictionary_path(session_.dictionary_path());
    const PopupContent content = translator_.translate(clipboard.text(mode), window_.script(),
                                                       session_.settings.dictionary_forms());
    window_.show_content(content, note, QCursor::pos());
}

}  // namespace vorna::ui
