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
#include "ui/windows/session.h"

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
    bool start_in(bool cyrillic, const char* window_name = "Form1") {
        if (!cyrillic) {
            services->windows_without_cyrillic << QString::fromLatin1(window_name);
        }
        return start();
    }

    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }

    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }
    QTextEdit& box(const char* name) const {
        return *window->findChild<QTextEdit*>(QString::fromLatin1(name));
    }
    QString panel(const char* name) const {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    vorna::Script script() const { return window->script(); }
    void put_caret(const char* name, qsizetype position) const {
        QTextCursor caret = box(name).textCursor();
        caret.setPosition(static_cast<int>(position));
        box(name).setTextCursor(caret);
    }
    // Triggers a menu item as a click would, after checking it can be clicked.
    bool trigger(const char* name) const {
        QAction* item = action(QString::fromLatin1(name));
        if (!item || !item->isEnabled() || !item->isVisible()) {
            return false;
        }
        item->trigger();
        return true;
    }
};
