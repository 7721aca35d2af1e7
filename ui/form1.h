#pragma once

#include <QMainWindow>
#include <string>

#include "core/engine/translation_host.h"
#include "core/engine/translator.h"
#include "ui/box_layout.h"
#include "ui/common_dialog.h"
#include "ui/event_loop_pacer.h"

class QAction;
class QLabel;
class QTextEdit;

namespace vorna::ui {

class DesktopServices;
struct Session;

// Form1: the main window, with the text to translate above its translation.
class Form1 : public QMainWindow, private TranslationHost {
  public:
    Form1(Session& session, DesktopServices& services);
    ~Form1() override;

    // The window's first load: shows it, makes its Cyrillic check, sets the
    // interface language mode and the texts of that mode.
    void first_load();

    bool cyrillic_shown() const;
    const Translator& translator() const { return translator_; }
    const CommonDialog& common_dialog() const { return cd1_; }
    const BoxGeometry& box_geometry() const { return boxes_; }
    // Runs the layout rule for an outer size in twips, as a resize does.
    void lay_out(double outer_width, double outer_height);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    QAction* add_menu_item(std::size_t index, void (Form1::*command)());
    void apply_translit_texts();
    void apply_box_geometry();
    void lay_out_for_frame();

    // The commands behind the menu items.
    void open_file();
    void save_translated();
    void save_original();
    void exit_point();
    void tr1();
    void tr2();
    void show_statistics();
    void clear_source();
    void clear_translation();
    void clear_both();
    void choose_font();
    void show_about();

    void translate(const char* separator);
    void save_box(QTextEdit& box);

    // TranslationHost
    void show_progress(const std::string& text) override;
    void dictionary_damaged(const std::string& message) override;
    void process_pending_events() override;

    Session& session_;
    DesktopServices& services_;
    Translator translator_;
    CommonDialog cd1_;
    BoxGeometry boxes_;
    QSize laid_out_frame_;  // the frame size the boxes were last laid out for
    EventLoopPacer pacer_;
    QTextEdit* rtf1_;
    QTextEdit* rtf2_;
    QLabel* panel1_;
    QLabel* panel2_;
    bool exit_requested_ = false;
    bool translation_command_running_ = false;
};

}  // namespace vorna::ui
