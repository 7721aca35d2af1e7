#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>

#include "fake_desktop.h"
#include "ui/windows/loading_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/object_names.h"
#include "ui/windows/session.h"

namespace names = vorna::ui::names;

inline QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A program started on a qd.dat of our own in a temporary application folder.
struct ProgramFixture {
    static QByteArray small_dictionary() {
        return QByteArrayLiteral(
            "cat,кот,kot\r\nhello,привет,privet\r\nthe,этот,etot\r\nworld,мир,mir\r\n");
    }

    QTemporaryDir folder;
    FakeDesktop desktop;
    FakeDesktop* services = &desktop;  // what the program is started with
    std::unique_ptr<vorna::ui::Session> session;
    std::unique_ptr<vorna::ui::LoadingWindow> loading;
    std::unique_ptr<vorna::ui::MainWindow> window;

    // Starts the program; false when it never reached the main window.
    bool start(const QByteArray& dictionary = small_dictionary()) {
        if (!dictionary.isNull() && !write_file(path("qd.dat"), dictionary)) {
            return false;
        }
        session =
            std::make_unique<vorna::ui::Session>(QFile::encodeName(folder.path()).toStdString());
        loading = std::make_unique<vorna::ui::LoadingWindow>(*session, *services);
        window = loading->start_up();
        return window != nullptr;
    }
    // Starts with `window` finding no Cyrillic font unless `cyrillic`.
    bool start_in(bool cyrillic, const char* window_name = names::kMainWindow) {
        if (!cyrillic) {
            services->windows_without_cyrillic << QString::fromLatin1(window_name);
        }
        return start();
    }

    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }

    const vorna::ui::MainMenu& menu() const { return window->menu(); }
    QTextEdit& source() const { return window->source_box(); }
    QTextEdit& translation() const { return window->translation_box(); }
    QString progress_panel() const { return window->progress_panel().text(); }
    QString elapsed_panel() const { return window->elapsed_panel().text(); }
    vorna::Script script() const { return window->script(); }
    static void put_caret(QTextEdit& box, qsizetype position) {
        QTextCursor caret = box.textCursor();
        caret.setPosition(static_cast<int>(position));
        box.setTextCursor(caret);
    }
    // Triggers a menu item as a click would, after checking it can be clicked.
    static bool trigger(QAction* item) {
        if (!item || !item->isEnabled() || !item->isVisible()) {
            return false;
        }
        item->trigger();
        return true;
    }
};
