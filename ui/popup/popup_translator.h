#pragma once

#include <QString>
#include <memory>
#include <string>

#include "core/dictionary/dictd_dictionary.h"
#include "core/dictionary/dictionary_store.h"
#include "core/engine/translation_engine.h"
#include "core/text/script.h"
#include "forms/dictionary_forms.h"

namespace vorna::ui {

// The longest text a popup translates, in characters; a longer selection is
// cut at a word's end before it.
inline constexpr int kMaxPopupCharacters = 2000;
// How many lines of a word's full article a popup shows.
inline constexpr int kArticleLines = 8;

// What a popup shows for a selection.
struct PopupContent {
    enum class Kind { nothing, word, text };
    Kind kind = Kind::nothing;
    QString source;       // the text translated (after a cut)
    QString translation;  // what Ctrl+C copies: the word's translation or the running text
    bool cut = false;
    // A word: found in the dictionary, or through `dictionary_form`; the
    // first lines of its full article when the full dictionary has one.
    bool found = false;
    QString dictionary_form;
    QString article;
    // A text: the running translation as rich text, the words the dictionary
    // does not know marked; a damaged dictionary leaves its message here.
    QString marked_html;
};

// Translates selections for the popup with the dictionary everything else
// uses: one word is looked up with its dictionary form and article, longer
// text goes through the translation run as F5 does.
class PopupTranslator {
  public:
    PopupTranslator(const DictionaryStore& store, std::string dictionary_path,
                    std::string work_folder, DictdFiles article_files);
    ~PopupTranslator();

    // `dictionary_forms`: unknown words of a text are looked up again by
    // their dictionary forms, as the window's runs do when that is on.
    PopupContent translate(const QString& selection, Script script, bool dictionary_forms = false);
    // After the store was loaded from another file.
    void set_dictionary_path(std::string path) { engine_.set_dictionary_path(std::move(path)); }

  private:
    PopupContent translate_word(const QString& word, Script script);
    PopupContent translate_text(const QString& text, bool cut, Script script,
                                bool dictionary_forms);

    const DictionaryStore& store_;
    TranslationEngine engine_;
    forms::DictionaryForms forms_;  // read when first asked
    DictdFiles article_files_;
    std::unique_ptr<DictdDictionary> full_dictionary_;  // opened when first asked
};

}  // namespace vorna::ui
