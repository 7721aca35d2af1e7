// The commands behind the main window's menu items.
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>

#include "core/engine/run_figures.h"
#include "core/text/text_case.h"
#include "ui/box_font.h"
#include "ui/desktop_services.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/frm_about.h"
#include "rtf/document_files.h"
#include "ui/session.h"
#include "ui/window_texts.h"

namespace vorna::ui {

namespace {

std::string decimal_separator() {
    return QLocale::system().decimalPoint().toStdString();
}

// The box's text as the run reads it: paragraphs and line breaks become line
// feeds. Unlike toPlainText(), no-break spaces stay what they are.
std::string source_text_of(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& c : text) {
        switch (c.unicode()) {
            case QChar::ParagraphSeparator:
            case QChar::LineSeparator:
            case 0xFDD0:  // start and end of a frame, such as a table
            case 0xFDD1:
                c = u'\n';
                break;
            default:
                break;
        }
    }
    return text.toStdString();
}

// Replaces the box's content with plain text in the box's own font. Qt would
// otherwise give the new text the format at the caret, so a box cleared while
// the caret stood in bold text would go on typing bold.
void set_unformatted_text(QTextEdit& box, const QString& text) {
    box.setCurrentCharFormat(QTextCharFormat());
    box.setPlainText(text);
}

}  // namespace

void Form1::open_file() {
    cd1_.filter = QString::fromStdString(session_.messages[1]);
    const QString name =
        services_.open_file_name(this, cd1_.title, file_dialog_filter(cd1_.filter), cd1_.file_name);
    if (name.isEmpty()) {
        return;
    }
    cd1_.file_name = name;
    // A file that cannot be read leaves RTF1 as it was.
    rtf::load_document_file(name, *rtf1_->document());
}

void Form1::save_translated() {
    save_box(*rtf2_);
}

void Form1::save_original() {
    save_box(*rtf1_);
}

void Form1::save_box(QTextEdit& box) {
    cd1_.filter = QString::fromStdString(session_.messages[1]);
    const QString name =
        services_.save_file_name(this, cd1_.title, file_dialog_filter(cd1_.filter), cd1_.file_name);
    if (name.isEmpty()) {
        return;
    }
    cd1_.file_name = name;
    if (!rtf::save_document_as_rtf(*box.document(), name)) {
        services_.show_message(
            this, kSaveFailedStart.in_script(cyrillic_shown()) + QDir::toNativeSeparators(name));
    }
}

void Form1::exit_point() {
    if (translator_.run_in_progress) {
        // The run unwinds at its next event pump, removes its temporary
        // files, and then the program ends.
        exit_requested_ = true;
        hide();
        return;
    }
    services_.end_program(0);
}

void Form1::tr1() {
    translate("");
}

void Form1::tr2() {
    translate("\r\n");
}

void Form1::translate(const char* separator) {
    if (translation_command_running_) {
        return;  // one run at a time; this command came from inside a run
    }
    translation_command_running_ = true;
    QElapsedTimer clock;
    clock.start();
    translator_.type_of_translate = separator;
    pacer_.reset();
    std::optional<std::string> output;
    try {
        output = text_translate(translator_, *this, source_text_of(*rtf1_->document()),
                                decimal_separator());
    } catch (const DictionaryDamaged&) {
        translation_command_running_ = false;
        services_.end_program(1);
        return;
    } catch (const RunCancelled&) {
        translation_command_running_ = false;
        services_.end_program(0);
        return;
    }
    if (output) {
        // The hand-over of a long text is cut in two by turns of the event
        // loop, so the window never stands still for long.
        pacer_.reset();
        pacer_.process_pending_events();
        const QString text = QString::fromStdString(with_lf_line_ends(*output));
        pacer_.reset();
        pacer_.process_pending_events();
        set_unformatted_text(*rtf2_, text);
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    panel2_->setText(QString::fromStdString(
        elapsed_panel_text(session_.messages, seconds, decimal_separator())));
    translation_command_running_ = false;
}

void Form1::show_statistics() {
    Form2 statistics(session_.store, translator_.unknown_word_count, services_, this);
    services_.run_modal(statistics);
}

void Form1::show_about() {
    FrmAbout about(services_, this);
    services_.run_modal(about);
}

void Form1::clear_source() {
    set_unformatted_text(*rtf1_, QString());
}

void Form1::clear_translation() {
    set_unformatted_text(*rtf2_, QString());
}

void Form1::clear_both() {
    clear_source();
    clear_translation();
}

void Form1::choose_font() {
    cd1_.flags = CommonDialog::kFontDialogFlags;
    if (const std::optional<QFont> chosen = services_.choose_font(this, cd1_.font)) {
        cd1_.font = *chosen;
    }
    // After a cancel the font the dialog still holds is given again.
    apply_font_to_boxes(cd1_.font, *rtf1_, *rtf2_);
}

void Form1::show_progress(const std::string& text) {
    panel1_->setText(QString::fromStdString(text));
}

void Form1::dictionary_damaged(const std::string& message) {
    services_.show_message(this, QString::fromStdString(message));
}

void Form1::process_pending_events() {
    if (!exit_requested_) {
        pacer_.process_pending_events();
    }
    if (exit_requested_) {
        throw RunCancelled();
    }
}

}  // namespace vorna::ui
