// Starts the windows program on a given qd.dat, translates a sample text and
// photographs the screen with the main window, the statistics window and the
// About box in turn. Meant to run under Xvfb (see tools/screenshot-tour/screenshots).
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

#include "ui/desktop/desktop_services.h"
#include "ui/windows/loading_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/session.h"

namespace {

void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool photograph(const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Shows each modal window long enough to photograph it, then closes it.
class TourDesktop : public vorna::ui::QtDesktopServices {
  public:
    explicit TourDesktop(QDir folder) : folder_(std::move(folder)) {}

    void run_modal(QDialog& dialog) override {
        dialog.show();
        settle(700);
        all_saved_ = photograph(folder_, dialog.objectName()) && all_saved_;
        dialog.close();
    }
    void show_message(QWidget*, const QString& text) override {
        std::printf("message: %s\n", qPrintable(text));
    }
    bool all_saved() const { return all_saved_; }

  private:
    QDir folder_;
    bool all_saved_ = true;
};

const char* const kSampleText =
    "The cat sat on the mat, and the dog looked at it.\n"
    "\n"
    "Every morning I read a good book before work (about 20 pages).\n"
    "Where is the nearest train station? Xyzzy does not know.\n";

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorna_screenshot_tour QD_DAT OUTPUT_FOLDER\n");
        return 2;
    }
    QTemporaryDir program_folder;
    const QString dictionary = QString::fromLocal8Bit(argv[1]);
    if (!QFile::copy(dictionary, program_folder.filePath(QStringLiteral("qd.dat")))) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    output.mkpath(QStringLiteral("."));

    TourDesktop desktop(output);
    vorna::ui::Session session(QFile::encodeName(program_folder.path()).toStdString());
    vorna::ui::LoadingWindow loading(session, desktop);
    const std::unique_ptr<vorna::ui::MainWindow> window = loading.start_up();
    if (!window) {
        return 1;
    }
    window->source_box().setPlainText(QString::fromUtf8(kSampleText));
    window->menu().translate_text->trigger();
    settle(700);
    bool saved = photograph(output, window->objectName());
    window->menu().statistics->trigger();
    window->menu().about->trigger();
    return saved && desktop.all_saved() ? 0 : 1;
}
