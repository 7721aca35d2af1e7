#include "ui/form2.h"

#include <QLocale>
#include <QTextEdit>

#include "core/engine/statistics_report.h"
#include "ui/cyrillic_check.h"
#include "ui/product_art.h"
#include "ui/twips.h"

namespace vorna::ui {

namespace {

constexpr double kTabStopTwips = 720;

}  // namespace

Form2::Form2(const DictionaryStore& store, int32_t unknown_word_count, DesktopServices& services,
             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      rtb1_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(product_icon());
    setFixedSize(twips_to_pixels(6705), twips_to_pixels(5385));

    rtb1_->setObjectName(QStringLiteral("RTB1"));
    rtb1_->setGeometry(twips_to_pixels(60), twips_to_pixels(60), twips_to_pixels(6555),
                       twips_to_pixels(5235));
    QFont report_font = rtb1_->font();
    report_font.setPointSizeF(8.5);
    rtb1_->setFont(report_font);
    rtb1_->setTabStopDistance(kTabStopTwips / kTwipsPerPixel);
    rtb1_->setReadOnly(true);
    rtb1_->setLineWrapMode(QTextEdit::NoWrap);

    const bool cyrillic_labels = probe_cyrillic(*rtb1_, services, objectName());
    const std::string report = statistics_report(store, unknown_word_count, cyrillic_labels,
                                                 QLocale::system().decimalPoint().toStdString());
    QString text = QString::fromStdString(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rtb1_->setPlainText(text);
}

}  // namespace vorna::ui
