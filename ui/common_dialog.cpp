#include "ui/common_dialog.h"

#include <QStringList>

namespace vorna::ui {

QString file_dialog_filter(const QString& bar_separated) {
    const QStringList pieces = bar_separated.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString& description = pieces[i];
        const QString& pattern = pieces[i + 1];
        const QString bracketed = QStringLiteral("(") + pattern + QStringLiteral(")");
        entries << (description.endsWith(bracketed) ? description
                                                    : description + QLatin1Char(' ') + bracketed);
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace vorna::ui
