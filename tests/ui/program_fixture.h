#pragma once

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <memory>

#include "fake_desktop.h"
#include "ui/loading_window.h"
#include "ui/main_window.h"
#include "ui/session.h"

// A program started on a qd.dat of our own in a temporary application folder.
struct ProgramFixture {
    static QByteArray small_dictionary() {
        return QByteArrayLiteral(
            "cat,кот,kot\r\nhello,привет,privet\r\nthe,этот,etot\r\nworld,мир,mir\r\n");
    }

    QTemporaryDir folder;
    FakeDesktop desktop;
    std::unique_ptr<vorna::ui::Session> session;
    std::unique_ptr<vorna::ui::LoadingWindow> loading;
    std::unique_ptr<vorna::ui::MainWindow> window;

    // Starts the program; false when it never reached the main window.
    bool start(const QByteArray& dictionary = small_dictionary()) {
        if (!dictionary.isNull()) {
            QFile file(folder.filePath(QStringLiteral("qd.dat")));
            if (!file.open(QIODevice::WriteOnly) || file.write(dictionary) != dictionary.size()) {
                return false;
            }
        }
        session =
            std::make_unique<vorna::ui::Session>(QFile::encodeName(folder.path()).toStdString());
        loading = std::make_unique<vorna::ui::LoadingWindow>(*session, desktop);
        window = loading->start_up();
        return window != nullptr;
    }

    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }
    QTextEdit& box(const char* name) const {
        return *window->findChild<QTextEdit*>(QString::fromLatin1(name));
    }
    QString panel(const char* name) const {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    vorna::Script script() const { return window->script(); }
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
