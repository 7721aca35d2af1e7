#include "ui/desktop/x11_window_hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace vorna::ui {

namespace {

struct X11Window {
    xcb_connection_t* connection;
    xcb_window_t window;
    xcb_window_t root;
};

std::optional<X11Window> x11_window_of(QWidget& widget) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t window = static_cast<xcb_window_t>(widget.winId());
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return X11Window{connection, window, xcb_setup_roots_iterator(setup).data->root};
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

ReplyPointer<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                                xcb_atom_t name, xcb_atom_t type) {
    return {xcb_get_property_reply(
                connection, xcb_get_property(connection, 0, window, name, type, 0, 64), nullptr),
            &std::free};
}

// The name the running window manager gives itself, as EWMH has it published.
QByteArray window_manager_name(const X11Window& x11) {
    const xcb_atom_t check = atom(x11.connection, "_NET_SUPPORTING_WM_CHECK");
    const auto wm = property(x11.connection, x11.root, check, XCB_ATOM_WINDOW);
    if (!wm || wm->value_len != 1) {
        return {};
    }
    const xcb_window_t wm_window = *static_cast<xcb_window_t*>(xcb_get_property_value(wm.get()));
    const auto name = property(x11.connection, wm_window, atom(x11.connection, "_NET_WM_NAME"),
                               atom(x11.connection, "UTF8_STRING"));
    if (!name) {
        return {};
    }
    return QByteArray(static_cast<const char*>(xcb_get_property_value(name.get())),
                      xcb_get_property_value_length(name.get()));
}

}  // namespace

void ask_for_border_only(QWidget& window) {
    const std::optional<X11Window> x11 = x11_window_of(window);
    if (!x11) {
        return;
    }
    // The Motif hints: flags (functions and decorations given), functions
    // (move only), decorations (border only), input mode, status.
    constexpr uint32_t kFunctionsAndDecorations = 1 | 2;
    constexpr uint32_t kMoveOnly = 4;
    constexpr uint32_t kBorderOnly = 2;
    const std::array<uint32_t, 5> hints = {kFunctionsAndDecorations, kMoveOnly, kBorderOnly, 0, 0};
    const xcb_atom_t motif_hints = atom(x11->connection, "_MOTIF_WM_HINTS");
    xcb_change_property(x11->connection, XCB_PROP_MODE_REPLACE, x11->window, motif_hints,
                        motif_hints, 32, hints.size(), hints.data());
    xcb_flush(x11->connection);
}

void ask_for_no_minimise_button(QWidget& window) {
    const std::optional<X11Window> x11 = x11_window_of(window);
    if (!x11 || window_manager_name(*x11) != "Openbox") {
        return;  // other window managers follow the hints Qt gives
    }
    const std::array<xcb_atom_t, 2> types = {
        atom(x11->connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
        atom(x11->connection, "_NET_WM_WINDOW_TYPE_DIALOG"),
    };
    xcb_change_property(x11->connection, XCB_PROP_MODE_REPLACE, x11->window,
                        atom(x11->connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32,
                        types.size(), types.data());
    xcb_flush(x11->connection);
}

}  // namespace vorna::ui
