#include "ui/windows/common_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
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

namespace {

// "description (patterns)" with "*.*" read as every file.
QString admitting_every_file(const QString& entry) {
    static const QRegularExpression patterns_at_end(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = patterns_at_end.match(entry);
    if (!match.hasMatch()) {
        return entry;
    }
    QStringList patterns = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!patterns.contains(QStringLiteral("*.*"))) {
        return entry;
    }
    patterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")),
                              QStringLiteral("*"));
    return entry + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

bool in_pseudo_file_system(const QString& folder) {
    for (const QString& root :
         {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev")}) {
        if (folder == root || folder.startsWith(root + QLatin1Char('/'))) {
            return true;
        }
    }
    static const QStringList pseudo_types = {
        QStringLiteral("proc"),     QStringLiteral("sysfs"),       QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),   QStringLiteral("debugfs"),     QStringLiteral("tracefs"),
        QStringLiteral("cgroup"),   QStringLiteral("cgroup2"),     QStringLiteral("securityfs"),
        QStringLiteral("configfs"), QStringLiteral("pstore"),      QStringLiteral("bpf"),
        QStringLiteral("fusectl"),  QStringLiteral("binfmt_misc"), QStringLiteral("mqueue")};
    const QStorageInfo storage(folder);
    return storage.isValid() &&
           pseudo_types.contains(QString::fromLatin1(storage.fileSystemType()));
}

}  // namespace

void prepare_file_dialog(QFileDialog& dialog, const QString& qt_filter, const QString& start_path) {
    QStringList entries = qt_filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    for (QString& entry : entries) {
        entry = admitting_every_file(entry);
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(entries);
    const QString start = dialog_start_path(start_path);
    if (!start.isEmpty()) {
        const QFileInfo file(start);
        dialog.setDirectory(file.absolutePath());
        if (!file.isDir()) {
            dialog.selectFile(file.fileName());
        }
    }
}

QString dialog_start_path(const QString& remembered) {
    if (remembered.isEmpty()) {
        return remembered;
    }
    const QFileInfo file(remembered);
    const QString folder = QDir::cleanPath(file.absolutePath());
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    if (!in_pseudo_file_system(folder) &&
        (resolved.isEmpty() || !in_pseudo_file_system(resolved))) {
        return remembered;
    }
    return QDir(QDir::homePath()).filePath(file.fileName());
}

}  // namespace vorna::ui
