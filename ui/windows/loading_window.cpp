#include "ui/windows/loading_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>

#include "core/dictionary/dictionary_loader.h"
#include "ui/boxes/twips.h"
#include "ui/desktop/cyrillic_check.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/window_placement.h"
#include "ui/desktop/x11_window_hints.h"
#include "ui/windows/main_window.h"
#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

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

QString first_loading_line(const Session& session, Script script, const QLabel& label) {
    if (session.dictionary.origin != DictionaryOrigin::readers_copy)
        return text_in(texts::kCheckingDictionary, script);
    QString line = text_in(kCheckingOwnDictionary, script);
    const QString shown_without_path = QString(line).remove(QStringLiteral("%3"));
    const int room = label.width() - label.fontMetrics().horizontalAdvance(shown_without_path);
    const QString path = QDir::toNativeSeparators(
        QFile::decodeName(QByteArray::fromStdString(session.dictionary.path)));
    return line.replace(QStringLiteral("%3"),
                        label.fontMetrics().elidedText(path, Qt::ElideMiddle, room));
}

LoadingWindow::LoadingWindow(Session& session, DesktopServices& services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      services_(services),
      status_label_(make_label(this, names::kLoadingStatus, 120, 240)),
      product_label_(make_label(this, names::kLoadingProduct, 120, 660)) {
    setObjectName(QLatin1String(names::kLoadingWindow));
    setFixedSize(twips_to_pixels(5130), twips_to_pixels(1050));
    ask_for_border_only(*this);
}

LoadingWindow::~LoadingWindow() = default;

std::unique_ptr<MainWindow> LoadingWindow::start_up() {
    session_.dictionary =
        choose_dictionary(std::string(), session_.application_folder, session_.readers_folder);
    if (!load()) {
        return nullptr;  // dictionary_missing has already ended the program
    }
    auto main_window = std::make_unique<MainWindow>(session_, services_);
    main_window->first_load();
    close();
    return main_window;
}

bool LoadingWindow::reload() {
    // The main window waits: its store is being refilled under it.
    setWindowModality(Qt::ApplicationModal);
    const bool loaded = load();
    close();
    return loaded;
}

bool LoadingWindow::load() {
    script_ = probe_cyrillic(*status_label_, services_, objectName()) ? Script::cyrillic
                                                                      : Script::translit;
    product_label_->setText(text_in(kProductLine, script_));

    show();
    centre_on_screen(*this);
    status_label_->setText(first_loading_line(session_, script_, *status_label_));
    pacer_.reset();
    pacer_.process_pending_events();

    // An empty file is as good as missing here: nothing could be translated.
    const Status loaded = load_dictionary_file(session_.store, session_.dictionary.path,
                                               session_.application_folder, *this);
    if (!loaded.ok()) {
        return false;
    }
    if (left_out_ > 0) {
        services_.show_message(this,
                               QString::fromStdString(records_left_out_text(script_, left_out_)));
    }
    return true;
}

void LoadingWindow::dictionary_missing() {
    services_.show_warning(this, text_in(texts::kDictionaryMissing, script_));
    services_.end_program(1);
}

void LoadingWindow::letter_done(char letter, int32_t running_count) {
    status_label_->setText(
        QString::fromStdString(letter_loaded_text(script_, letter, running_count)));
}

void LoadingWindow::indexing_started() {
    status_label_->setText(text_in(texts::kPreparingDictionaries, script_));
}

void LoadingWindow::records_left_out(int32_t count) {
    left_out_ = count;
}

void LoadingWindow::process_pending_events() {
    pacer_.process_pending_events();
}

}  // namespace vorna::ui
