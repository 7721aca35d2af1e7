#pragma once

#include <xcb/xcb.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QStringList>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <vector>

// Reads the properties a window manager and Qt put on a window, as another
// X client would see them.
class X11Properties {
  public:
    X11Properties()
        : connection_(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection()) {
    }

    std::vector<uint32_t> cardinals(const QWidget& window, const char* name) const {
        const QByteArray value = raw(window, name);
        std::vector<uint32_t> numbers(static_cast<size_t>(value.size()) / 4);
        std::memcpy(numbers.data(), value.constData(), numbers.size() * 4);
        return numbers;
    }

    QStringList atom_names(const QWidget& window, const char* name) const {
        QStringList names;
        for (const uint32_t atom : cardinals(window, name)) {
            xcb_get_atom_name_reply_t* reply =
                xcb_get_atom_name_reply(connection_, xcb_get_atom_name(connection_, atom), nullptr);
            if (reply != nullptr) {
                names << QString::fromLatin1(xcb_get_atom_name_name(reply),
                                             xcb_get_atom_name_name_length(reply));
                std::free(reply);
            }
        }
        return names;
    }

    QString text(const QWidget& window, const char* name) const {
        return QString::fromUtf8(raw(window, name));
    }

  private:
    QByteArray raw(const QWidget& window, const char* name) const {
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        if (atom == nullptr) {
            return {};
        }
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, static_cast<xcb_window_t>(window.winId()), atom->atom,
                             XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr);
        std::free(atom);
        if (reply == nullptr) {
            return {};
        }
        QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply));
        std::free(reply);
        return value;
    }

    xcb_connection_t* connection_;
};
