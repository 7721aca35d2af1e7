#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/word_forms.h"
#include "core/engine/translation_result.h"
#include "core/engine/unknown_words_table.h"
#include "core/text/script.h"
#include "forms/dictionary_forms.h"
#include "ui/boxes/word_at_point.h"

class QStatusBar;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace vorna::ui {

class ArticleWindow;
class DesktopServices;
struct Session;

// The commands of the "Словарь" menu that help a reader: a word's full
// article, dictionary forms for unknown words, and the unknown words of the
// last run saved for study. The window owns the menu and calls these.
class ReadingAids : public QObject {
  public:
    // `window` parents the article window and the messages; a Ctrl+click in
    // either box shows the article of the word clicked.
    ReadingAids(QWidget& window, QTextEdit& source_box, QTextEdit& translation_box,
                Session& session, DesktopServices& services);
    ~ReadingAids() override;

    // The interface's script, once the window's check has settled it.
    void set_script(Script script) { script_ = script; }

    // What a run looks unknown words up by: their dictionary forms while
    // that is asked for, else nothing. A run made for the reading aids also
    // keeps word positions and collects the unknown words. The run may go on
    // in another thread while the window's commands ask too.
    WordForms* word_forms();

    // What a run leaves for mapping words back and for the unknown words.
    // Made from the run's source text and result where the run ran, since
    // over a book it takes a while; the result keeps its text and counts.
    struct RunLeftovers {
        std::string source_text;
        std::vector<WordPosition> word_positions;
        std::vector<UnknownWordRow> unknown_rows;
        std::vector<uint64_t> paragraph_offsets;  // of the output's document, when made
    };
    // `output`: the document made of the result's text, or null.
    static RunLeftovers leftovers_of(std::string source_text, TranslationResult& result,
                                     const QTextDocument* output);
    // After a run has put its output into the translation box.
    void run_finished(RunLeftovers leftovers);

    // The article of the word in `box`: at `point` (viewport coordinates)
    // when given, else at the caret.
    void show_article_in(const QTextEdit& box, const QPoint* point);
    // Whether unknown words are looked up by their dictionary forms; kept
    // in the settings between starts.
    bool dictionary_forms_on() const { return dictionary_forms_on_; }
    void set_dictionary_forms(bool on);
    // Saves the last run's unknown words to a file the reader names, and
    // says on `status_line` how many went where.
    void save_unknown_words(QStatusBar& status_line);

    const RunWordMap& word_map() const { return word_map_; }
    ArticleWindow* article_window() const { return article_window_; }
    // What the article window's "Произнести" button does with its headword.
    void set_pronounce(std::function<void(const QString&, QStatusBar&)> pronounce) {
        pronounce_ = std::move(pronounce);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Forms asked for by one thread at a time; an answer, once given, stays
    // where it is, so it may be read after the next question began.
    class SharedForms : public WordForms {
      public:
        explicit SharedForms(WordForms& forms) : forms_(forms) {}
        const std::vector<std::string>& forms_of(std::string_view word) override {
            const std::lock_guard<std::mutex> one_at_a_time(mutex_);
            return forms_.forms_of(word);
        }

      private:
        WordForms& forms_;
        std::mutex mutex_;
    };

    void show_article_text(const QString& text);
    QString article_of(const QString& word);

    QWidget& window_;
    QTextEdit& source_box_;
    QTextEdit& translation_box_;
    Session& session_;
    DesktopServices& services_;
    Script script_ = Script::cyrillic;
    bool dictionary_forms_on_ = false;
    std::unique_ptr<DictdDictionary> full_dictionary_;  // made when first asked
    forms::DictionaryForms forms_;                      // read when first asked
    SharedForms shared_forms_{forms_};                  // how everything asks forms_
    RunWordMap word_map_;
    std::optional<std::vector<UnknownWordRow>> unknown_rows_;  // none before the first run
    ArticleWindow* article_window_ = nullptr;
    std::function<void(const QString&, QStatusBar&)> pronounce_;
};

}  // namespace vorna::ui
