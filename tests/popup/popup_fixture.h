#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <memory>

#include "../ui/fake_desktop.h"
#include "core/dictionary/dictionary_loader.h"
#include "core/engine/silent_hosts.h"
#include "ui/windows/session.h"

// A session whose dictionary is loaded through the loader from a qd.dat of
// our own; no full dictionary, so a word's popup depends on qd.dat alone.
struct PopupFixture {
    QTemporaryDir folder;
    FakeDesktop desktop;
    std::unique_ptr<vorna::ui::Session> session;

    bool load() {
        QFile file(folder.filePath(QStringLiteral("qd.dat")));
        const QByteArray dictionary = QByteArrayLiteral(
            "cat,кот,kot\r\nhello,привет,privet\r\nthe,этот,etot\r\nworld,мир,mir\r\n"
            "go,идти,idti\r\n");
        if (!file.open(QIODevice::WriteOnly) || file.write(dictionary) != dictionary.size())
            return false;
        file.close();
        session =
            std::make_unique<vorna::ui::Session>(QFile::encodeName(folder.path()).toStdString());
        session->article_files = {session->application_folder + "/none.index",
                                  session->application_folder + "/none.dict.dz"};
        vorna::SilentLoadProgress quiet;
        return vorna::load_dictionary(session->store, session->application_folder, quiet).ok();
    }
};

// Runs a blocking client call on a thread of its own while the test's event
// loop lets the server answer.
template <typename Call>
auto off_the_event_loop(Call call) {
    return std::async(std::launch::async, std::move(call));
}
