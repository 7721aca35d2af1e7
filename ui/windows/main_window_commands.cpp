// The commands behind the main window's menu items.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <functional>

#include "core/engine/run_figures.h"
#include "core/engine/run_host.h"
#include "core/text/text_case.h"
#include "rtf/document_files.h"
#include "rtf/long_word_wrap.h"
#include "ui/boxes/box_document.h"
#include "ui/boxes/box_font.h"
#include "ui/boxes/plain_text_layout.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/off_thread.h"
#include "ui/windows/about_box.h"
#include "ui/windows/main_window.h"
#include "ui/windows/pronunciation.h"
#include "ui/windows/reading_aids.h"
#include "ui/windows/session.h"
#include "ui/windows/statistics_window.h"
#include "ui/windows/status_reason.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

std::string decimal_separator() {
    return QLocale::system().decimalPoint().toStdString();
}

// Replaces the box's content with plain text in the box's own font. Qt would
// otherwise give the new text the format at the caret, so a box cleared while
// the caret stood in bold text would go on typing bold.
void set_unformatted_text(QTextEdit& box, const QString& text) {
    box.setCurrentCharFormat(QTextCharFormat());
    box.setPlainText(text);
}

// The host of a run on another thread, while the window's thread answers
// events. After its first line the run lets the window's thread answer, and
// waits until it has handled what came before: a command given with F5
// finds the run in progress, as it would if the run turned the event loop
// itself.
class OffThreadHost : public RunHost {
  public:
    OffThreadHost(std::function<void(double)> report, const std::atomic<bool>& cancel,
                  const std::function<void()>& begun)
        : report_(std::move(report)), cancel_(cancel), begun_(begun) {}

    void show_progress(double percent) override { report_(percent); }
    void process_pending_events() override {
        if (!caught_up_) {
            caught_up_ = true;
            begun_();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] {}, Qt::BlockingQueuedConnection);
        }
    }
    bool cancel_requested() const override { return cancel_; }

  private:
    std::function<void(double)> report_;
    const std::atomic<bool>& cancel_;
    const std::function<void()>& begun_;
    bool caught_up_ = false;
};

}  // namespace

void MainWindow::open_file() {
    file_dialog_.filter = QString::fromStdString(file_filter_text(script_));
    const QString name =
        services_.open_file_name(this, file_dialog_.title, file_dialog_filter(file_dialog_.filter),
                                 dialog_start_path(file_dialog_.file_name));
    if (name.isEmpty()) {
        return;
    }
    file_dialog_.file_name = name;
    // A file that cannot be read leaves RTF1 as it was. The file is read into
    // a document no box shows, the event loop turning as it goes, and shown
    // when it is whole.
    std::unique_ptr<QTextDocument> loaded;
    if (!load_box_file(name, *source_box_, loaded)) {
        return;  // a document that cannot be read leaves RTF1 as it was, silently
    }
    opened_file_ = name;
    give_document_to_box(*source_box_, std::move(loaded));
}

void MainWindow::save_translated() {
    save_box(*translation_box_);
}

void MainWindow::save_original() {
    save_box(*source_box_);
}

void MainWindow::save_box(QTextEdit& box) {
    file_dialog_.filter = QString::fromStdString(file_filter_text(script_));
    const QString name = services_.save_file_name(
        this, file_dialog_.title, file_dialog_filter(file_dialog_.filter),
        dialog_start_path(file_dialog_.file_name), DesktopServices::ReplaceQuestion::by_caller);
    if (name.isEmpty()) {
        return;
    }
    file_dialog_.file_name = name;
    if (!may_replace(box, name)) {
        return;
    }
    if (const Status saved = rtf::save_document_as_rtf(*box.document(), name); !saved) {
        services_.show_warning(this, text_in(kSaveFailedStart, script_) +
                                         QDir::toNativeSeparators(name) + reason_line(saved));
    }
}

bool MainWindow::may_replace(const QTextEdit& box, const QString& name) {
    const QFileInfo target(name);
    if (!target.exists()) {
        return true;
    }
    const QString shown = QDir::toNativeSeparators(name);
    if (!services_.ask(this, text_in(kReplaceFileQuestion, script_).arg(shown))) {
        return false;
    }
    const bool over_source =
        &box == translation_box_ && !opened_file_.isEmpty() && target == QFileInfo(opened_file_);
    return !over_source || services_.ask(this, text_in(kReplaceSourceQuestion, script_).arg(shown));
}

void MainWindow::exit_program() {
    pronunciation_->stop();
    if (engine_.run_in_progress()) {
        // The run stops after its current line, removes its temporary files,
        // and then the program ends.
        exit_requested_ = true;
        hide();
        return;
    }
    services_.end_program(0);
}

void MainWindow::translate_text() {
    translate(OutputForm::text);
}

void MainWindow::translate_word_list() {
    translate(OutputForm::word_list);
}

void MainWindow::translate(OutputForm form) {
    if (translation_command_running_) {
        return;  // one run at a time; this command came from inside a run
    }
    translation_command_running_ = true;
    statusBar()->clearMessage();  // the panels speak again
    QElapsedTimer clock;
    clock.start();
    TranslationOptions options;
    options.script = script_;
    options.form = form;
    // The reading aids map words of the output back and list the unknown ones.
    options.keep_word_positions = true;
    options.collect_unknown_words = true;
    options.word_forms = reading_aids_->word_forms();
    pacer_.reset();
    std::string source = text_for_run(*source_box_, [this] { process_pending_events(); });

    // The run, the document of its output and what it leaves for the reading
    // aids are made on another thread, which over a book takes seconds; this
    // one answers events meanwhile, and translation commands wait.
    const std::unique_ptr<QTextDocument> model = empty_document_like(*translation_box_);
    QThread* const here = QThread::currentThread();
    TranslationResult result;
    std::unique_ptr<QTextDocument> output;
    bool plain_layout = false;
    ReadingAids::RunLeftovers leftovers;
    run_percent_ = -1;
    run_off_thread_once_begun([&](const std::function<void()>& begun) {
        OffThreadHost host([this](double percent) { report_progress(percent); }, exit_requested_,
                           begun);
        result = engine_.text_translate(source, options, host);
        if (result.outcome == RunOutcome::translated && !exit_requested_) {
            output = empty_document_like(*model);
            plain_layout = result.text.size() >= static_cast<std::size_t>(kPlainLayoutFrom);
            append_plain_text(*output, result.text, nullptr);
            std::string().swap(result.text);
        }
        if (result.outcome == RunOutcome::translated || result.outcome == RunOutcome::empty_text)
            leftovers = ReadingAids::leftovers_of(std::move(source), result, output.get());
        if (output != nullptr)
            output->moveToThread(here);
    });
    if (const double percent = run_percent_; percent >= 0)
        show_progress(percent);
    translation_command_running_ = false;
    switch (result.outcome) {
        case RunOutcome::busy:
            return;
        case RunOutcome::cancelled:
            services_.end_program(0);
            return;
        case RunOutcome::dictionary_damaged:
            services_.show_warning(this, QString::fromStdString(damaged_dictionary_text(
                                             script_, engine_.dictionary_path())));
            services_.end_program(1);
            return;
        case RunOutcome::empty_text:
            last_counts_ = std::move(result.counts);
            reading_aids_->run_finished(std::move(leftovers));
            break;
        case RunOutcome::translated: {
            if (exit_requested_) {
                services_.end_program(0);  // asked for after the run's last line
                return;
            }
            last_counts_ = std::move(result.counts);
            // Laid out only where shown, from the start: the toolkit's layout
            // would go through all of it once the box has it.
            if (plain_layout)
                use_plain_layout(*output);
            give_document_to_box(*translation_box_, std::move(output));
            reading_aids_->run_finished(std::move(leftovers));
            // A command given as the result came in is answered within the
            // command, as while the box filled a piece at a time.
            translation_command_running_ = true;
            pacer_.reset();
            process_pending_events();
            translation_command_running_ = false;
            if (exit_requested_) {
                services_.end_program(0);
                return;
            }
            break;
        }
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    elapsed_panel_->setText(
        QString::fromStdString(elapsed_panel_text(script_, seconds, decimal_separator())));
}

void MainWindow::show_statistics() {
    StatisticsWindow statistics(session_.store, last_counts_, services_, this);
    services_.run_modal(statistics);
}

void MainWindow::show_about() {
    AboutBox about(services_, this);
    services_.run_modal(about);
}

void MainWindow::clear_box(QTextEdit& box) {
    // Emptying a book's document takes up to a second; the box gets an empty
    // one instead, and the old one is freed elsewhere.
    if (box.document()->characterCount() >= kPlainLayoutFrom)
        give_document_to_box(box, empty_document_like(box));
    set_unformatted_text(box, QString());
}

void MainWindow::clear_source() {
    clear_box(*source_box_);
    show_note(text_in(kSourceClearedNote, script_));
}

// The panels speak of a translation no longer shown, so the note stays.
void MainWindow::clear_translation() {
    clear_box(*translation_box_);
    show_note(text_in(kTranslationClearedNote, script_), true);
}

void MainWindow::clear_both() {
    clear_box(*source_box_);
    clear_box(*translation_box_);
    show_note(text_in(kBothClearedNote, script_), true);
}

void MainWindow::show_note(const QString& text, bool until_next_run) {
    constexpr int kNoteTime = 5000;  // milliseconds
    statusBar()->showMessage(text, until_next_run ? 0 : kNoteTime);
}

void MainWindow::choose_font() {
    if (const std::optional<QFont> chosen = services_.choose_font(
            this, dialog_title(kFontText.caption, script_), file_dialog_.font)) {
        file_dialog_.font = *chosen;
    }
    // After a cancel the font the dialog still holds is given again.
    apply_font_to_boxes(file_dialog_.font, *source_box_, *translation_box_);
}

void MainWindow::show_progress(double percent) {
    progress_panel_->setText(
        QString::fromStdString(progress_panel_text(script_, percent, decimal_separator())));
}

void MainWindow::report_progress(double percent) {
    run_percent_ = percent;
    if (!progress_posted_.exchange(true)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                progress_posted_ = false;
                if (const double latest = run_percent_; latest >= 0)
                    show_progress(latest);
            },
            Qt::QueuedConnection);
    }
}

void MainWindow::process_pending_events() {
    if (!exit_requested_) {
        pacer_.process_pending_events();
    }
}

}  // namespace vorna::ui
