#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "core/dictionary/dictionary_edit.h"
#include "core/text/script.h"

class QLineEdit;
class QPushButton;

namespace vorna::ui {

// The dialog that corrects one word of the dictionary: the English word, its
// translation and translit; OK writes them, Удалить removes the word (a word
// the dictionary holds). In
// translit the translation is shown in `cyrillic_family`, a font that has
// Cyrillic letters; with none the translation is hidden, a line says why, and
// the translit is the reader's to change.
class EditTranslationDialog : public QDialog {
  public:
    enum class Choice { change, remove };
    // Carries out a choice; true when it was done and the dialog may close.
    using Apply = std::function<bool(Choice, const RecordText&)>;
    // The dictionary's record of a word, when it has one.
    using Lookup = std::function<std::optional<RecordText>(const std::string&)>;

    EditTranslationDialog(Script script, const QString& cyrillic_family, const RecordText& initial,
                          Apply apply, Lookup lookup, QWidget* parent);

    RecordText record() const;
    // True once OK or Удалить was carried out.
    bool changed_dictionary() const { return changed_; }

  private:
    // Удалить is offered only for a word the dictionary holds.
    bool in_dictionary(const QString& word) const;
    void fill_from_dictionary(const QString& word);
    void follow_translation(const QString& translation);
    void choose(Choice choice);

    Apply apply_;
    Lookup lookup_;
    QLineEdit* english_;
    QLineEdit* translation_;
    QLineEdit* translit_;
    QPushButton* remove_;
    // The translit is the translation's own until the reader writes another.
    bool translit_follows_ = true;
    bool changed_ = false;
};

}  // namespace vorna::ui
