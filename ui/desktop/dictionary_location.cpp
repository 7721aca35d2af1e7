#include "ui/desktop/dictionary_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <cerrno>

#include "ui/windows/session.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

QString file_name(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool is_refused_permission(const EditOutcome& outcome) {
    const int error = outcome.status.error_number();
    return outcome.refusal == EditRefusal::file_not_written &&
           (error == EACCES || error == EPERM || error == EROFS);
}

}  // namespace

void choose_dictionary(Session& session) {
    session.own_dictionary_in_use = !session.user_data_folder.empty() &&
                                    QFileInfo(file_name(session.own_dictionary_path())).isFile();
}

QString first_loading_line(const Session& session, Script script, const QLabel& label) {
    if (!session.own_dictionary_in_use)
        return text_in(texts::kCheckingDictionary, script);
    QString line = text_in(kCheckingOwnDictionary, script);
    const QString shown_without_path = QString(line).remove(QStringLiteral("%3"));
    const int room = label.width() - label.fontMetrics().horizontalAdvance(shown_without_path);
    const QString path = QDir::toNativeSeparators(file_name(session.own_dictionary_path()));
    return line.replace(QStringLiteral("%3"),
                        label.fontMetrics().elidedText(path, Qt::ElideMiddle, room));
}

EditOutcome edit_loaded_dictionary(Session& session,
                                   const std::function<EditOutcome(const std::string&)>& edit) {
    EditOutcome outcome = edit(session.dictionary_path());
    if (!is_refused_permission(outcome) || session.own_dictionary_in_use ||
        session.user_data_folder.empty()) {
        return outcome;
    }
    const std::string copy = session.own_dictionary_path();
    if (!QDir().mkpath(file_name(session.user_data_folder))) {
        outcome.status = Status::from_errno(EACCES, session.user_data_folder);
        return outcome;
    }
    Status copied = copy_dictionary(session.dictionary_path(), copy, *session.file_calls);
    if (!copied.ok()) {
        outcome.status = std::move(copied);
        return outcome;
    }
    outcome = edit(copy);
    if (!outcome.ok()) {
        QFile::remove(file_name(copy));
        QFile::remove(file_name(copy + ".bak"));
        return outcome;
    }
    session.own_dictionary_in_use = true;
    return outcome;
}

}  // namespace vorna::ui
