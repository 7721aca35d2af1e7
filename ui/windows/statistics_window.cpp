#include "ui/windows/statistics_window.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QTextEdit>
#include <algorithm>

#include "core/engine/statistics_report.h"
#include "core/text/text_case.h"
#include "ui/boxes/twips.h"
#include "ui/desktop/cyrillic_check.h"
#include "ui/desktop/product_art.h"
#include "ui/desktop/x11_window_hints.h"
#include "ui/windows/object_names.h"

namespace vorna::ui {

namespace {

constexpr double kTabStopTwips = 720;
constexpr int kColumnGapPixels = 8;

// Tab stops wide enough that every list line puts its " - " and count under
// the others': a headword followed by two tabs must end before the first
// stop, one followed by a single tab before the second.
qreal tab_stop_for(const QString& report, const QFontMetricsF& metrics) {
    qreal stop = kTabStopTwips / kTwipsPerPixel;
    for (QStringView line : QStringView(report).split(u'\n')) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        const qreal word = metrics.horizontalAdvance(line.left(tab).toString()) + kColumnGapPixels;
        const bool two_tabs = line.mid(tab + 1).startsWith(u'\t');
        stop = std::max(stop, two_tabs ? word : word / 2);
    }
    return std::max(stop, metrics.horizontalAdvance(QStringLiteral(" - ")) + kColumnGapPixels);
}

}  // namespace

StatisticsWindow::StatisticsWindow(const DictionaryStore& store, const RunCounts& counts,
                                   DesktopServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QLatin1String(names::kStatisticsWindow));
    // The window has no title text; Qt would show the program's name for an
    // empty one, so the title is a blank.
    setWindowTitle(QStringLiteral(" "));
    setWindowIcon(product_icon());
    setFixedSize(twips_to_pixels(6705), twips_to_pixels(5385));

    auto* report_box = new QTextEdit(this);
    report_box->setObjectName(QLatin1String(names::kReportBox));
    report_box->setGeometry(twips_to_pixels(60), twips_to_pixels(60), twips_to_pixels(6555),
                            twips_to_pixels(5235));
    QFont report_font = report_box->font();
    report_font.setPointSizeF(8.5);
    report_box->setFont(report_font);
    report_box->setReadOnly(true);
    report_box->setLineWrapMode(QTextEdit::NoWrap);

    const Script labels_script =
        probe_cyrillic(*report_box, services, objectName()) ? Script::cyrillic : Script::translit;
    const std::string report = statistics_report(store, counts, labels_script,
                                                 QLocale::system().decimalPoint().toStdString());
    const QString text = QString::fromStdString(with_lf_line_ends(report));
    // The text stays as the report has it; only the stops follow its words.
    report_box->setTabStopDistance(tab_stop_for(text, QFontMetricsF(report_box->font())));
    report_box->setPlainText(text);
    ask_for_no_minimise_button(*this);
}

}  // namespace vorna::ui
