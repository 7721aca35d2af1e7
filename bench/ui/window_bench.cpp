// Prints how long the program takes from start to the main window with a
// full 60,000-entry dictionary; for each of about 1 MB and a large text of
// prose (60 MB unless another number of megabytes is given), a 10 MB word
// list (one word a line) and a list of 20,000 distinct unknown words, how
// long the main window takes to open it from a file into RTF1, to take it
// from the clipboard, to translate it with either command into RTF2 and
// show the result, and to clear both boxes; and how long it takes to open
// RTF documents of shapes that are slow to load; for each, the longest wait
// of the event loop, and for the translations also the longest after the
// result is shown. Run it with QT_QPA_PLATFORM=offscreen or under Xvfb.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "common/dictionary_generator.h"
#include "common/rtf_shapes.h"
#include "ui/boxes/box_document.h"
#include "ui/boxes/plain_text_layout.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/large_blocks.h"
#include "ui/windows/loading_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/session.h"

namespace {

// Answers every modal question at once, so nothing waits for a person.
class UnattendedDesktop : public vorna::ui::QtDesktopServices {
  public:
    void show_message(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void show_warning(QWidget* parent, const QString& text) override { show_message(parent, text); }
    void run_modal(QDialog&) override {}
    void end_program(int status) override { std::fprintf(stderr, "ended: %d\n", status); }
    QString open_file_name(QWidget*, const QString&, const QString&, const QString&) override {
        return file_to_open;
    }

    QString file_to_open;
};

// A timer that wants to fire every 5 ms measures how long the event loop
// goes without a turn while it lives.
class EventLoopWatch {
  public:
    EventLoopWatch() {
        ticker_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            const qint64 wait_ns = since_tick_.nsecsElapsed();
            longest_wait_ns_ = std::max(longest_wait_ns_, wait_ns);
            waits_over_100_ms_ += wait_ns > 100'000'000 ? 1 : 0;
            longest_wait_since_mark_ns_ = std::max(longest_wait_since_mark_ns_, wait_ns);
            since_tick_.restart();
        });
        ticker_.start(5);
        since_tick_.start();
    }
    // Call when the work is done: takes the tick owed for its last stretch.
    void finish() {
        QCoreApplication::processEvents();
        ticker_.stop();
    }
    // Starts a second count of the longest wait from here on.
    void mark() {
        QCoreApplication::processEvents();
        longest_wait_since_mark_ns_ = 0;
    }
    double longest_wait_ms() const { return static_cast<double>(longest_wait_ns_) / 1e6; }
    double longest_wait_since_mark_ms() const {
        return static_cast<double>(longest_wait_since_mark_ns_) / 1e6;
    }
    int waits_over_100_ms() const { return waits_over_100_ms_; }

  private:
    QTimer ticker_;
    QElapsedTimer since_tick_;
    qint64 longest_wait_ns_ = 0;
    qint64 longest_wait_since_mark_ns_ = 0;
    int waits_over_100_ms_ = 0;
};

// Processes events until the box has laid out its last paragraph: the
// toolkit's layout lays a document out a part at a time after it is given
// one. The plain layout lays out only what is shown, which the repaint did.
void wait_for_layout(QTextEdit& box) {
    box.viewport()->repaint();
    QElapsedTimer clock;
    clock.start();
    while (!vorna::ui::has_plain_layout(*box.document()) &&
           box.document()->lastBlock().layout()->lineCount() == 0 && clock.elapsed() < 600000) {
        QCoreApplication::processEvents();
    }
}

// Runs `command` and prints how long it took until RTF1 showed the text.
template <typename Command>
void time_filling(const char* what, const QString& name, vorna::ui::MainWindow& window,
                  Command command) {
    QTextEdit& rtf1 = window.source_box();
    window.menu().clear_source->trigger();
    QCoreApplication::processEvents();
    EventLoopWatch watch;
    QElapsedTimer clock;
    clock.start();
    command();
    wait_for_layout(rtf1);
    const double shown_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    watch.finish();
    std::printf(
        "%s %s (%d lines): shown in RTF1 after %.0f ms; longest wait of the event loop %.1f ms "
        "(%d waits over 100 ms)\n",
        what, qPrintable(name), rtf1.document()->blockCount(), shown_ms, watch.longest_wait_ms(),
        watch.waits_over_100_ms());
    std::fflush(stdout);
}

// Text of about `bytes`: dictionary words, unknown words, numbers and punctuation.
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

// A word list as readers paste it: one word a line, about `bytes` long, from
// the dictionary with an unknown word now and then.
QString word_list_text(const std::vector<std::string>& headwords, qsizetype bytes) {
    std::mt19937 random(7);
    QString text;
    text.reserve(bytes + 100);
    while (text.size() < bytes) {
        text += random() % 10 == 0 ? QStringLiteral("Xyzzy")
                                   : QString::fromStdString(headwords[random() % headwords.size()]);
        text += QLatin1Char('\n');
    }
    return text;
}

// `count` distinct words that no dictionary holds, one a line.
QString distinct_unknown_words(int count) {
    QString text;
    for (int i = 0; i < count; ++i) {
        QString word = QStringLiteral("qz");
        for (int n = i; n > 0; n /= 26)
            word += QChar(u'a' + n % 26);
        text += word + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer since_start;
    since_start.start();
    vorna::ui::map_large_blocks();  // as the program does
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

    QTextEdit* rtf1 = &window->source_box();
    QTextEdit* rtf2 = &window->translation_box();
    const std::vector<std::string> headwords = vorna::bench::generated_headwords(kEntries, 7);
    const int large_mb = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const struct {
        QString name;
        QString text;
    } texts[] = {
        {QStringLiteral("1 MB of prose"), english_text(headwords, 1024 * 1024)},
        {QStringLiteral("%1 MB of prose").arg(large_mb),
         english_text(headwords, qsizetype{large_mb} * 1024 * 1024)},
        {QStringLiteral("a 10 MB word list"), word_list_text(headwords, 10 * 1024 * 1024)},
        {QStringLiteral("20,000 distinct unknown words"), distinct_unknown_words(20000)},
    };
    for (const auto& text : texts) {
        // Opened from a file, as Ctrl+O does, and pasted, as Ctrl+V does;
        // the paste stays for the runs.
        desktop.file_to_open = folder.filePath(QStringLiteral("open.txt"));
        {
            const QByteArray bytes = text.text.toUtf8();
            QFile file(desktop.file_to_open);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                file.write(bytes) != bytes.size()) {
                return 1;
            }
        }
        time_filling("open", text.name, *window,
                     [&window] { window->menu().open_file->trigger(); });
        QGuiApplication::clipboard()->setText(text.text);
        time_filling("paste", text.name, *window, [rtf1] {
            rtf1->setFocus();
            rtf1->paste();
        });
        QGuiApplication::clipboard()->clear();
        for (QAction* command :
             {window->menu().translate_text, window->menu().translate_word_list}) {
            window->menu().clear_translation->trigger();
            QCoreApplication::processEvents();
            EventLoopWatch watch;
            QElapsedTimer run;
            run.start();
            command->trigger();
            rtf2->viewport()->repaint();
            const double run_ms = static_cast<double>(run.nsecsElapsed()) / 1e6;
            watch.mark();
            wait_for_layout(*rtf2);
            const double laid_out_ms = static_cast<double>(run.nsecsElapsed()) / 1e6;
            watch.finish();
            std::printf(
                "%s over %s (%d lines): shown in RTF2 after %.0f ms, laid out after %.0f ms; "
                "longest wait of the event loop %.1f ms, after it was shown %.1f ms (%d waits "
                "over 100 ms)\n",
                qPrintable(command->objectName()), qPrintable(text.name),
                rtf1->document()->blockCount(), run_ms, laid_out_ms, watch.longest_wait_ms(),
                watch.longest_wait_since_mark_ms(), watch.waits_over_100_ms());
            std::fflush(stdout);
        }
        // Both boxes cleared by the menu's command (Ctrl+F3).
        EventLoopWatch watch;
        QElapsedTimer clear;
        clear.start();
        window->menu().clear_both->trigger();
        const double clear_ms = static_cast<double>(clear.nsecsElapsed()) / 1e6;
        watch.finish();
        std::printf(
            "clear both boxes after %s: %.0f ms; longest wait of the event loop %.1f ms (%d waits "
            "over 100 ms)\n",
            qPrintable(text.name), clear_ms, watch.longest_wait_ms(), watch.waits_over_100_ms());
        std::fflush(stdout);
    }

    const struct {
        const char* name;
        std::string rtf;
    } documents[] = {
        {"200,000 runs", vorna::bench::alternating_runs_rtf(100000)},
        {"600,000 paragraphs", vorna::bench::empty_paragraphs_rtf(600000)},
        {"20,000 fonts", vorna::bench::many_fonts_rtf(20000)},
    };
    for (const auto& document : documents) {
        desktop.file_to_open = folder.filePath(QStringLiteral("open.rtf"));
        QFile file(desktop.file_to_open);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(document.rtf.data(), static_cast<qint64>(document.rtf.size())) !=
                static_cast<qint64>(document.rtf.size())) {
            return 1;
        }
        file.close();
        // Each on its own: repaints of the document before would count too.
        window->menu().clear_source->trigger();
        QCoreApplication::processEvents();
        EventLoopWatch watch;
        QElapsedTimer open;
        open.start();
        window->menu().open_file->trigger();
        const double open_ms = static_cast<double>(open.nsecsElapsed()) / 1e6;
        wait_for_layout(*rtf1);
        const double shown_ms = static_cast<double>(open.nsecsElapsed()) / 1e6;
        watch.finish();
        std::printf(
            "open %s (%.2f MB): read %.0f ms, laid out after %.0f ms; longest wait of the event "
            "loop %.1f ms (%d waits over 100 ms)\n",
            document.name, static_cast<double>(document.rtf.size()) / (1024 * 1024), open_ms,
            shown_ms, watch.longest_wait_ms(), watch.waits_over_100_ms());
    }
    return 0;
}
