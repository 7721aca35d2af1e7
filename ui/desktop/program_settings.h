#pragma once

#include <QByteArray>
#include <QSettings>

namespace vorna::ui {

// The reader's choices that last between starts, in the XDG config folder
// ($XDG_CONFIG_HOME/vorna/vorna.conf). Each is read and written through its
// own typed member; nothing else of the program touches the file.
class ProgramSettings {
  public:
    ProgramSettings();

    // Sends every settings file made from now on to Qt's folder of tests,
    // emptied, so a test never reads or writes the reader's own. Call it
    // once before the first settings are made.
    static void use_test_folder();
    // Forgets every setting, as on a first start.
    void clear();

    // Whether unknown words are looked up by their dictionary forms.
    bool dictionary_forms() const;
    void set_dictionary_forms(bool on);

    // Where the reader last left the article window (QWidget::saveGeometry);
    // empty before it was ever placed.
    QByteArray article_window_geometry() const;
    void set_article_window_geometry(const QByteArray& geometry);

  private:
    void write(const QString& key, const QVariant& value);

    QSettings settings_;
};

}  // namespace vorna::ui
