#include "ui/windows/edit_translation_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/text/dictionary_edit_texts.h"
#include "core/text/transliteration.h"
#include "ui/desktop/x11_window_hints.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

constexpr int kShortestFieldCharacters = 32;
constexpr int kFieldFramePixels = 12;  // the frame and the caret's room

QString translit_of(const QString& translation) {
    return QString::fromStdString(transliterate(translation.toStdString()));
}

// Wide enough for a translation of a few words, or for the text it holds.
void fit_to_text(QLineEdit& field) {
    const QFontMetrics metrics = field.fontMetrics();
    const int text_width = std::max(metrics.horizontalAdvance(field.text()),
                                    metrics.averageCharWidth() * kShortestFieldCharacters);
    const QMargins margins = field.textMargins() + field.contentsMargins();
    field.setMinimumWidth(text_width + margins.left() + margins.right() + kFieldFramePixels);
}

QLineEdit* make_field(QFormLayout& form, const char* name, const ScriptedText& label, Script script,
                      const std::string& text) {
    auto* field = new QLineEdit(QString::fromStdString(text));
    field->setObjectName(QString::fromLatin1(name));
    fit_to_text(*field);
    form.addRow(text_in(label, script) + QStringLiteral(":"), field);
    return field;
}

}  // namespace

EditTranslationDialog::EditTranslationDialog(Script script, const QString& cyrillic_family,
                                             const RecordText& initial, Apply apply, Lookup lookup,
                                             QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)), lookup_(std::move(lookup)) {
    setObjectName(QLatin1String(names::kEditDialog));
    setWindowTitle(dialog_title(kEditTranslationText.caption, script));
    auto* form = new QFormLayout(this);
    english_ = make_field(*form, names::kEnglishWordField, texts::kEnglishWordField, script,
                          initial.headword);
    translation_ = make_field(*form, names::kTranslationField, texts::kTranslationField, script,
                              initial.translation);
    translit_ =
        make_field(*form, names::kTranslitField, texts::kTranslitField, script, initial.translit);
    translit_follows_ =
        initial.translit.empty() || translit_->text() == translit_of(translation_->text());
    const bool translation_shown = script == Script::cyrillic || !cyrillic_family.isEmpty();
    if (script == Script::translit && translation_shown) {
        QFont cyrillic = translation_->font();
        cyrillic.setFamilies({cyrillic_family});
        translation_->setFont(cyrillic);
        fit_to_text(*translation_);
    } else if (!translation_shown) {
        form->setRowVisible(translation_, false);
        auto* note = new QLabel(text_in(kTranslationNotShown, script));
        note->setObjectName(QLatin1String(names::kTranslationNotShown));
        note->setWordWrap(true);
        form->insertRow(0, note);
        translit_follows_ = false;  // the reader writes it
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QLatin1String(names::kOkButton));
    ok->setText(QStringLiteral("OK"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QLatin1String(names::kCancelButton));
    cancel->setText(text_in(kCancelButton, script));
    remove_ = buttons->addButton(text_in(kRemoveButton, script), QDialogButtonBox::DestructiveRole);
    remove_->setObjectName(QLatin1String(names::kRemoveButton));
    remove_->setEnabled(in_dictionary(english_->text()));
    form->addRow(buttons);

    connect(english_, &QLineEdit::textEdited, this,
            [this](const QString& word) { fill_from_dictionary(word); });
    connect(english_, &QLineEdit::textChanged, this,
            [this](const QString& word) { remove_->setEnabled(in_dictionary(word)); });
    connect(translation_, &QLineEdit::textChanged, this,
            [this](const QString& text) { follow_translation(text); });
    connect(translit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        translit_follows_ = text.isEmpty() || text == translit_of(translation_->text());
    });
    connect(ok, &QPushButton::clicked, this, [this] { choose(Choice::change); });
    connect(remove_, &QPushButton::clicked, this, [this] { choose(Choice::remove); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    (english_->text().isEmpty() ? english_
     : translation_shown        ? translation_
                                : translit_)
        ->setFocus();
    ask_for_no_minimise_button(*this);
}

RecordText EditTranslationDialog::record() const {
    return {english_->text().toStdString(), translation_->text().toStdString(),
            translit_->text().toStdString()};
}

// A word the dictionary knows brings its translation along; for a new word
// the reader's typing stays.
bool EditTranslationDialog::in_dictionary(const QString& word) const {
    return lookup_ && lookup_(word.trimmed().toStdString()).has_value();
}

void EditTranslationDialog::fill_from_dictionary(const QString& word) {
    if (!lookup_)
        return;
    if (const std::optional<RecordText> known = lookup_(word.toStdString())) {
        translation_->setText(QString::fromStdString(known->translation));
        translit_->setText(QString::fromStdString(known->translit));
        translit_follows_ = translit_->text() == translit_of(translation_->text());
    }
}

void EditTranslationDialog::follow_translation(const QString& translation) {
    if (translit_follows_)
        translit_->setText(translit_of(translation));
}

void EditTranslationDialog::choose(Choice choice) {
    if (!apply_(choice, record()))
        return;  // the reader has been told why; the dialog stays for a correction
    changed_ = true;
    accept();
}

}  // namespace vorna::ui
