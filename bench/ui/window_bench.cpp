// Prints how long the program takes from start to the main window with a
// full 60,000-entry dictionary, how long the main window takes to translate
// about 1 MB of English into RTF2, and the longest wait of the event loop
// during that run. Run it with QT_QPA_PLATFORM=offscreen or under Xvfb.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <random>

#include "common/dictionary_generator.h"
#include "ui/desktop_services.h"
#include "ui/loading_window.h"
#include "ui/main_window.h"
#include "ui/session.h"

namespace {

// Answers every modal question at once, so nothing waits for a person.
class UnattendedDesktop : public vorna::ui::QtDesktopServices {
  public:
    void show_message(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void run_modal(QDialog&) override {}
    void end_program(int status) override { std::fprintf(stderr, "ended: %d\n", status); }
};

// About 1 MB of text: dictionary words, unknown words, numbers and punctuation.
QString english_text(const std::vector<std::string>& headwords, qsizetype bytes) {
    std::mt19937 random(42);
    const char* unknown[] = {"Xyzzy", "frobnicate", "quux", "zorblax"};
    const char* separators[] = {" ", " ", " ", ", ", ". ", " (", ") ", " 1999 "};
    QString text;
    text.reserve(bytes + 100);
    qsizetype line_length = 0;
    while (text.size() < bytes) {
        const auto pick = random() % 10;
        const std::string word =
            pick == 0 ? unknown[random() % 4] : headwords[random() % headwords.size()];
        text += QString::fromStdString(word);
        text += QString::fromLatin1(separators[random() % 8]);
        line_length += static_cast<qsizetype>(word.size());
        if (line_length > 70) {
            text += QLatin1Char('\n');
            line_length = 0;
        }
    }
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer since_start;
    since_start.start();
    QApplication app(argc, argv);

    constexpr std::size_t kEntries = 60000;
    QTemporaryDir folder;
    {
        QFile dictionary(folder.filePath(QStringLiteral("qd.dat")));
        const std::string bytes = vorna::bench::generate_dictionary(kEntries, 7);
        if (!dictionary.open(QIODevice::WriteOnly) ||
            dictionary.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size())) {
            std::fprintf(stderr, "cannot write the dictionary\n");
            return 1;
        }
    }
    const double setup_ms = static_cast<double>(since_start.nsecsElapsed()) / 1e6;

    UnattendedDesktop desktop;
    vorna::ui::Session session(QFile::encodeName(folder.path()).toStdString());
    QElapsedTimer start_up;
    start_up.start();
    vorna::ui::LoadingWindow loading(session, desktop);
    const std::unique_ptr<vorna::ui::MainWindow> window = loading.start_up();
    if (!window) {
        return 1;
    }
    QCoreApplication::processEvents();
    const double start_up_ms = static_cast<double>(start_up.nsecsElapsed()) / 1e6;
    std::printf(
        "start to MainWindow shown, %zu-entry dictionary: %.0f ms "
        "(plus %.0f ms for the application object and writing the dictionary)\n",
        kEntries, start_up_ms, setup_ms);

    const QString text = english_text(vorna::bench::generated_headwords(kEntries, 7), 1024 * 1024);
    auto* rtf1 = window->findChild<QTextEdit*>(QStringLiteral("RTF1"));
    auto* rtf2 = window->findChild<QTextEdit*>(QStringLiteral("RTF2"));
    rtf1->setPlainText(text);
    QCoreApplication::processEvents();

    // A timer that wants to fire every 5 ms measures how long the event
    // loop goes without a turn.
    QElapsedTimer tick_clock;
    int waits_over_100_ms = 0;
    qint64 longest_wait_ns = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 wait_ns = tick_clock.nsecsElapsed();
        longest_wait_ns = std::max(longest_wait_ns, wait_ns);
        waits_over_100_ms += wait_ns > 100'000'000 ? 1 : 0;
        tick_clock.restart();
    });
    ticker.start(5);
    tick_clock.start();

    QElapsedTimer run;
    run.start();
    window->findChild<QAction*>(QStringLiteral("tr1"))->trigger();
    rtf2->viewport()->repaint();
    const double run_ms = static_cast<double>(run.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();  // the tick owed for the hand-over
    ticker.stop();

    std::printf("tr1 over %lld characters in %lld lines, shown in RTF2: %.0f ms\n",
                static_cast<long long>(text.size()),
                static_cast<long long>(rtf1->document()->blockCount()), run_ms);
    std::printf("longest wait of the event loop during the run: %.1f ms (%d waits over 100 ms)\n",
                static_cast<double>(longest_wait_ns) / 1e6, waits_over_100_ms);
    return 0;
}
