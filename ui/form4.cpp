#include "ui/form4.h"

#include <QLabel>

#include "core/dictionary/dictionary_loader.h"
#include "core/text/message_table.h"
#include "ui/cyrillic_check.h"
#include "ui/desktop_services.h"
#include "ui/form1.h"
#include "ui/session.h"
#include "ui/twips.h"
#include "ui/window_placement.h"
#include "ui/window_texts.h"

namespace vorna::ui {

namespace {

QLabel* make_label(QWidget* parent, const char* name, double left, double top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(4875),
                       twips_to_pixels(315));
    return label;
}

}  // namespace

Form4::Form4(Session& session, DesktopServices& services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      services_(services),
      label1_(make_label(this, "Label1", 120, 240)),
      label2_(make_label(this, "Label2", 120, 660)) {
    setObjectName(QStringLiteral("Form4"));
    setFixedSize(twips_to_pixels(5130), twips_to_pixels(1050));
}

Form4::~Form4() = default;

std::unique_ptr<Form1> Form4::start_up() {
    cyrillic_shown_ = probe_cyrillic(*label1_, services_, objectName());
    fill_loading_messages(session_.messages, cyrillic_shown_);
    label2_->setText(kProductLine.in_script(cyrillic_shown_));

    show();
    centre_on_screen(*this);
    label1_->setText(QString::fromStdString(session_.messages[1]));
    pacer_.reset();
    pacer_.process_pending_events();

    if (!load_dictionary(session_.store, session_.application_folder, *this)) {
        return nullptr;  // dictionary_missing has already ended the program
    }
    if (left_out_ > 0) {
        services_.show_message(
            this, kRecordsLeftOutStart.in_script(cyrillic_shown_) + QString::number(left_out_));
    }

    auto main_window = std::make_unique<Form1>(session_, services_);
    main_window->first_load();
    close();
    return main_window;
}

void Form4::dictionary_missing() {
    services_.show_message(this, QString::fromStdString(session_.messages[0]));
    services_.end_program(1);
}

void Form4::letter_done(char letter, int32_t running_count) {
    label1_->setText(QString::fromStdString(session_.messages[2]) + QLatin1Char(letter) +
                     QString::fromStdString(session_.messages[3]) + QString::number(running_count));
}

void Form4::indexing_started() {
    label1_->setText(QString::fromStdString(session_.messages[4]));
}

void Form4::records_left_out(int32_t count) {
    left_out_ = count;
}

void Form4::process_pending_events() {
    pacer_.process_pending_events();
}

}  // namespace vorna::ui
