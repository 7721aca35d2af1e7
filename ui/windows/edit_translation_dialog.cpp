#include "ui/windows/edit_translation_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/text/transliteration.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

QString translit_of(const QString& translation) {
    return QString::fromStdString(transliterate(translation.toStdString()));
}

QLineEdit* make_field(QFormLayout& form, const char* name, const ScriptedText& label, Script script,
                      const std::string& text) {
    auto* field = new QLineEdit(QString::fromStdString(text));
    field->setObjectName(QString::fromLatin1(name));
    form.addRow(text_in(label, script) + QStringLiteral(":"), field);
    return field;
}

}  // namespace

EditTranslationDialog::EditTranslationDialog(Script script, const RecordText& initial, Apply apply,
                                             Lookup lookup, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)), lookup_(std::move(lookup)) {
    setObjectName(QStringLiteral("edit_translation"));
    setWindowTitle(text_in(kEditTranslationTitle, script));
    auto* form = new QFormLayout(this);
    english_ = make_field(*form, "english_word", kEnglishWordField, script, initial.headword);
    translation_ = make_field(*form, "translation", kTranslationField, script, initial.translation);
    translit_ = make_field(*form, "translit", kTranslitField, script, initial.translit);
    translit_follows_ =
        initial.translit.empty() || translit_->text() == translit_of(translation_->text());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setText(QStringLiteral("OK"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setText(text_in(kCancelButton, script));
    remove_ = buttons->addButton(text_in(kRemoveButton, script), QDialogButtonBox::DestructiveRole);
    remove_->setObjectName(QStringLiteral("remove"));
    remove_->setEnabled(!english_->text().isEmpty());
    form->addRow(buttons);

    connect(english_, &QLineEdit::textEdited, this,
            [this](const QString& word) { fill_from_dictionary(word); });
    connect(translation_, &QLineEdit::textChanged, this,
            [this](const QString& text) { follow_translation(text); });
    connect(translit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        translit_follows_ = text.isEmpty() || text == translit_of(translation_->text());
    });
    connect(ok, &QPushButton::clicked, this, [this] { choose(Choice::change); });
    connect(remove_, &QPushButton::clicked, this, [this] { choose(Choice::remove); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    (english_->text().isEmpty() ? english_ : translation_)->setFocus();
}

RecordText EditTranslationDialog::record() const {
    return {english_->text().toStdString(), translation_->text().toStdString(),
            translit_->text().toStdString()};
}

// A word the dictionary knows brings its translation along; for a new word
// the reader's typing stays.
void EditTranslationDialog::fill_from_dictionary(const QString& word) {
    remove_->setEnabled(!word.trimmed().isEmpty());
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
