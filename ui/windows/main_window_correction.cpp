// The main window's command that corrects the dictionary.
#include <QEventLoop>
#include <QFontDatabase>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <optional>

#include "core/dictionary/dictionary_change.h"
#include "core/dictionary/dictionary_writer.h"

#include "core/dictionary/edit_refusal_text.h"
#include "core/dictionary/word_search.h"
#include "core/text/dictionary_edit_texts.h"
#include "core/text/english_words.h"
#include "core/text/text_case.h"
#include "ui/boxes/word_at_point.h"
#include "ui/desktop/desktop_services.h"
#include "ui/windows/dictionary_edit_messages.h"
#include "ui/windows/dictionary_watch.h"
#include "ui/windows/edit_translation_dialog.h"
#include "ui/windows/loading_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/reading_aids.h"
#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

// The record of `row`, under `headword`.
RecordText record_at(const DictionaryStore& store, int32_t row, const std::string& headword) {
    const DictionaryEntry& entry = store.entries[static_cast<std::size_t>(row)];
    return RecordText{headword, entry.word_rus, entry.word_translit};
}

// The record a lookup of `word` itself finds: the lowest row with that headword.
std::optional<RecordText> record_of(const DictionaryStore& store, const std::string& word) {
    const WordMatch match = find_word(store, lookup_key(word));
    if (match.outcome != WordMatch::Outcome::found || !match.form.empty())
        return std::nullopt;
    return record_at(store, match.entry.row, word);
}

// Keeps the window answering while a correction waits for another program
// to finish writing the dictionary, and says so in the status bar; the
// dialog takes no second request meanwhile.
class WindowLockWait : public LockWait {
  public:
    WindowLockWait(QMainWindow& window, QWidget* dialog, Script script)
        : window_(window), dialog_(dialog), script_(script) {}

    void waiting(const std::string& path) override {
        if (dialog_ != nullptr)
            dialog_->setEnabled(false);
        window_.statusBar()->showMessage(QString::fromStdString(
            fill_markers(texts::kWaitingForAnotherProgram.in(script_), "", "", path)));
    }
    void waiting_over() override {
        window_.statusBar()->clearMessage();
        if (dialog_ != nullptr)
            dialog_->setEnabled(true);
    }
    void pause() override {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }

  private:
    QMainWindow& window_;
    QWidget* dialog_;
    Script script_;
};

}  // namespace

std::string MainWindow::word_for_correction() const {
    // In RTF2 the word of a translation leads back to the English word it was
    // made from.
    if (context_menu_box_ != nullptr) {
        const QPoint point =
            context_menu_box_->viewport()->mapFrom(context_menu_box_, context_menu_point_);
        return english_word_in_box(*context_menu_box_, &point, run_word_map())
            .trimmed()
            .toStdString();
    }
    const QTextEdit* box = focusWidget() == translation_box_ ? translation_box_ : source_box_;
    return english_word_in_box(*box, nullptr, run_word_map()).trimmed().toStdString();
}

std::optional<RecordText> MainWindow::record_to_correct(const std::string& word) {
    const std::string key = lookup_key(word);
    const WordMatch match = find_word(session_.store, key, reading_aids_->word_forms());
    if (match.outcome != WordMatch::Outcome::found)
        return RecordText{word, "", ""};
    // The dictionary spells a word with marks without them.
    if (match.form.empty() || match.form == without_marks(key))
        return record_at(session_.store, match.entry.row, match.form.empty() ? word : match.form);
    // A word the run translated through its dictionary form has no record of
    // its own: the reader may mean the form's, or want the word itself added.
    const RecordText base = record_at(session_.store, match.entry.row, match.form);
    const std::string translation = script_ == Script::translit ? base.translit : base.translation;
    const auto filled = [&](const ScriptedText& text) {
        return QString::fromStdString(
            fill_markers(text.in(script_), word, match.form, translation));
    };
    const std::optional<int> answer =
        services_.choose(this, filled(kCorrectTheFormQuestion),
                         {filled(kCorrectTheFormAnswer), filled(kAddTheWordAnswer)},
                         text_in(kCancelButton, script_));
    if (!answer)
        return std::nullopt;
    if (*answer == 0)
        return base;
    return RecordText{word, base.translation, base.translit};
}

void MainWindow::edit_translation() {
    // A run reads the store line by line; it is never refilled under it.
    if (translation_command_running_ || engine_.run_in_progress())
        return;
    const std::string word = word_for_correction();
    const std::optional<RecordText> current = record_to_correct(word);
    if (!current)
        return;  // the reader cancelled the question
    const auto lookup = [this](const std::string& typed) {
        return record_of(session_.store, typed);
    };
    EditTranslationDialog* shown = nullptr;
    QString note;  // what the status bar says once the dialog has closed
    const auto apply = [this, &shown, &note](EditTranslationDialog::Choice choice,
                                             const RecordText& record) {
        const bool remove = choice == EditTranslationDialog::Choice::remove;
        if (remove &&
            !services_.ask(
                shown,
                text_in(kRemoveQuestion, script_).arg(QString::fromStdString(record.headword))))
            return false;
        WindowLockWait wait(*this, shown, script_);
        DictionaryWriter writer({{}, session_.application_folder, session_.readers_folder},
                                *session_.file_calls, wait);
        const EditOutcome outcome = correct_dictionary(writer, [&](DictionaryChange& change) {
            return remove ? change.remove(record.headword) : change.set(record);
        });
        // The file written (or found) is the dictionary from now on, even
        // when another program made the reader's copy after this window
        // started.
        if (outcome.ok())
            session_.dictionary = writer.choice();
        if (!outcome.ok()) {
            services_.show_warning(
                shown, edit_refusal_message(outcome, record.headword, session_.dictionary_path(),
                                            script_));
        } else if (writer.made_readers_copy()) {
            // Said once: from now on the copy is the dictionary.
            services_.show_message(
                shown, QString::fromStdString(fill_markers(texts::kCopyMadeForReader.in(script_),
                                                           "", "", session_.dictionary_path())));
        }
        if (outcome.ok()) {
            note = text_in(remove ? kWordRemovedNote : kTranslationSavedNote, script_)
                       .arg(QString::fromStdString(record.headword));
        }
        return outcome.ok();
    };
    // Without Cyrillic the translation can be shown only in a font that has it.
    QString cyrillic_family;
    if (script_ == Script::translit &&
        services_.cyrillic_font_installed(QLatin1String(names::kEditDialog)))
        cyrillic_family = QFontDatabase::families(QFontDatabase::Cyrillic).value(0);
    EditTranslationDialog dialog(script_, cyrillic_family, *current, apply, lookup, this);
    shown = &dialog;
    services_.run_modal(dialog);
    if (dialog.changed_dictionary()) {
        reload_dictionary();
        show_note(note);
    }
}

void MainWindow::reload_dictionary() {
    LoadingWindow loading(session_, services_);
    if (!loading.reload())
        return;  // the dictionary could not be read again; the program has ended
    dictionary_watch_->loaded_by_window();
    dictionary_reloaded();
}

void MainWindow::dictionary_reloaded() {
    engine_.set_dictionary_path(session_.dictionary_path());
    // The counts of the last run belong to rows that may have moved.
    last_counts_ = RunCounts();
}

}  // namespace vorna::ui
