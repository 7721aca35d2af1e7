// vorna: the windows program. It starts on the loading window, which hands
// over to the main window once the dictionary is in memory. `vorna --popup`
// shows the translation of the selection at the pointer instead, handing it
// to an instance already running when there is one.
#include <QApplication>
#include <QFile>
#include <csignal>
#include <cstdlib>
#include <memory>

#include "ui/desktop/desktop_services.h"
#include "ui/desktop/large_blocks.h"
#include "ui/desktop/product_art.h"
#include "ui/popup/popup_program.h"
#include "ui/popup/popup_service.h"
#include "ui/windows/loading_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/session.h"

int main(int argc, char* argv[]) {
    // A file-size limit makes a save or a working file fail with EFBIG, which
    // the program reports or works around, instead of ending without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const vorna::ui::ProgramCommand command = vorna::ui::program_command(argc, argv);
    if (command.mode == vorna::ui::ProgramCommand::Mode::quit)
        return vorna::ui::quit_running_instance();
    if (command.mode == vorna::ui::ProgramCommand::Mode::popup &&
        vorna::ui::hand_popup_to_running_instance(command.source)) {
        return 0;
    }
    if (command.mode == vorna::ui::ProgramCommand::Mode::popup)
        vorna::ui::prefer_x11_for_popups();
    vorna::ui::map_large_blocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorna"));
    QApplication::setApplicationVersion(QStringLiteral(VORNA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vorna.Vorna"));
    QApplication::setWindowIcon(vorna::ui::product_icon());

    vorna::ui::QtDesktopServices services;
    // qd.dat lives beside the program; the core opens files by local bytes.
    vorna::ui::Session session(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    // A reader's own corrected dictionary, when there is one, is loaded instead.
    session.readers_folder =
        vorna::readers_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (command.mode == vorna::ui::ProgramCommand::Mode::popup)
        return vorna::ui::run_popup_instance(command.source, session, services);
    vorna::ui::LoadingWindow loading(session, services);
    const std::unique_ptr<vorna::ui::MainWindow> main_window = loading.start_up();
    if (!main_window || services.program_ended()) {
        return services.exit_status();
    }
    // While the window is open it answers popups too, with its dictionary.
    const std::unique_ptr<vorna::ui::PopupService> popups =
        vorna::ui::serve_popups_beside(*main_window, session, services);
    return QApplication::exec();
}
