#pragma once

#include <QObject>
#include <QPoint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/dictionary/dictd_dictionary.h"
#include "core/engine/translation_options.h"
#include "core/engine/translation_result.h"
#include "core/engine/unknown_words_table.h"
#include "forms/dictionary_forms.h"
#include "ui/boxes/word_at_point.h"

class QAction;
class QTextEdit;

namespace vorna::ui {

class ArticleWindow;
class DesktopServices;
class MainWindow;
struct Session;

// The commands of the "Словарь" menu that help a reader: a word's full
// article, dictionary forms for unknown words, and the unknown words of the
// last run saved for study.
class ReadingAids : public QObject {
  public:
    ReadingAids(MainWindow& window, Session& session, DesktopServices& services);
    ~ReadingAids() override;

    // After a run has put its output into the translation box: what the run
    // left for mapping words back and for the unknown words.
    void run_finished(std::string source_text, TranslationResult& result);

    const RunWordMap& word_map() const { return word_map_; }
    ArticleWindow* article_window() const { return article_window_; }
    // The engine options the reading aids need on top of `options`.
    TranslationOptions engine_options(TranslationOptions options);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show_article();
    void show_article_in(const QTextEdit& box, const QPoint* point);
    void show_article_text(const QString& text);
    QString article_of(const QString& word);
    void save_unknown_words();
    void set_dictionary_forms(bool on);

    MainWindow& window_;
    Session& session_;
    DesktopServices& services_;
    QTextEdit* source_box_;
    QTextEdit* translation_box_;
    QAction* forms_action_ = nullptr;
    std::unique_ptr<DictdDictionary> full_dictionary_;  // made when first asked
    forms::DictionaryForms forms_;                      // read when first asked
    RunWordMap word_map_;
    std::optional<std::vector<UnknownWordRow>> unknown_rows_;  // none before the first run
    ArticleWindow* article_window_ = nullptr;
};

}  // namespace vorna::ui
