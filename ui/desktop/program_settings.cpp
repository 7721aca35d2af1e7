#include "ui/desktop/program_settings.h"

#include <QStandardPaths>

namespace vorna::ui {

namespace {

const QString kDictionaryFormsKey = QStringLiteral("reading_aids/dictionary_forms");
const QString kArticleWindowGeometryKey = QStringLiteral("article_window/geometry");

// Named here rather than left to QSettings, which settles its folders once
// per process: the test folder then holds for every settings made after it.
QString settings_file() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vorna/vorna.conf");
}

}  // namespace

ProgramSettings::ProgramSettings() : settings_(settings_file(), QSettings::IniFormat) {}

void ProgramSettings::use_test_folder() {
    QStandardPaths::setTestModeEnabled(true);
    ProgramSettings().clear();
}

void ProgramSettings::clear() {
    settings_.clear();
    settings_.sync();
}

bool ProgramSettings::dictionary_forms() const {
    return settings_.value(kDictionaryFormsKey, false).toBool();
}

void ProgramSettings::set_dictionary_forms(bool on) {
    write(kDictionaryFormsKey, on);
}

QByteArray ProgramSettings::article_window_geometry() const {
    return settings_.value(kArticleWindowGeometryKey).toByteArray();
}

void ProgramSettings::set_article_window_geometry(const QByteArray& geometry) {
    write(kArticleWindowGeometryKey, geometry);
}

// Written through at once, so another window started meanwhile reads it.
void ProgramSettings::write(const QString& key, const QVariant& value) {
    settings_.setValue(key, value);
    settings_.sync();
}

}  // namespace vorna::ui
