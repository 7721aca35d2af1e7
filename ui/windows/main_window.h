#pragma once

#include <QMainWindow>
#include <QPoint>
#include <atomic>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/dictionary/dictionary_edit.h"
#include "core/engine/translation_engine.h"
#include "ui/boxes/box_layout.h"
#include "ui/desktop/event_loop_pacer.h"
#include "ui/desktop/frame_watch.h"
#include "ui/windows/common_dialog.h"
#include "ui/windows/window_texts.h"

class QAction;
class QLabel;
class QMenu;
class QTextEdit;

namespace vorna::ui {

class DesktopServices;
class DictionaryWatch;
class Pronunciation;
class ReadingAids;
class RunWordMap;
struct Session;

// The main window's menus and their items, in menu order. Each item is made,
// named and connected in one place, MainWindow::create_menus.
struct MainMenu {
    QMenu* file = nullptr;
    QAction* open_file = nullptr;
    QAction* save_translated = nullptr;
    QAction* save_original = nullptr;
    QAction* exit = nullptr;
    QMenu* translate = nullptr;
    QAction* translate_text = nullptr;
    QAction* translate_word_list = nullptr;
    QAction* statistics = nullptr;
    QMenu* windows = nullptr;
    QAction* clear_source = nullptr;
    QAction* clear_translation = nullptr;
    QAction* clear_both = nullptr;
    QAction* font = nullptr;
    QAction* about = nullptr;
    // "Словарь": the reading aids, after the described menus.
    QMenu* dictionary = nullptr;
    QAction* edit_translation = nullptr;
    QAction* article = nullptr;
    QAction* dictionary_forms = nullptr;
    QAction* save_unknown_words = nullptr;
    QAction* pronounce = nullptr;
};

// The main window (Form1), with the text to translate above its translation.
class MainWindow : public QMainWindow {
  public:
    MainWindow(Session& session, DesktopServices& services);
    ~MainWindow() override;

    // The window's first load: shows it, makes its Cyrillic check, sets the
    // interface language mode and the texts of that mode.
    void first_load();

    Script script() const { return script_; }
    const TranslationEngine& engine() const { return engine_; }
    const CommonDialog& file_dialog() const { return file_dialog_; }
    const MainMenu& menu() const { return menu_; }
    QTextEdit& source_box() const { return *source_box_; }            // RTF1
    QTextEdit& translation_box() const { return *translation_box_; }  // RTF2
    QLabel& progress_panel() const { return *progress_panel_; }       // panel 1
    QLabel& elapsed_panel() const { return *elapsed_panel_; }         // panel 2

    // The article, dictionary-form and unknown-word commands of that menu.
    ReadingAids& reading_aids() const { return *reading_aids_; }
    // "Произнести": the word at the caret said aloud.
    Pronunciation& pronunciation() const { return *pronunciation_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Maps a word of the translation box back to its English word while the
    // box holds the last run's output.
    const RunWordMap& run_word_map() const;
    void create_menus();
    QMenu* add_menu(const MenuItemText& text);
    // An item of `menu`, or of the menu bar itself when `menu` is null,
    // running `command` when chosen.
    QAction* add_item(QMenu* menu, const MenuItemText& text, void (MainWindow::*command)());
    void apply_translit_texts();
    void show_box_menu(QTextEdit& box, const QPoint& point);
    // Runs the layout rule for an outer size in twips, as a resize does, on
    // the client area the window has.
    void lay_out(double outer_width, double outer_height);
    void apply_box_geometry();
    void lay_out_for_frame();

    // The commands behind the menu items.
    void open_file();
    void save_translated();
    void save_original();
    void exit_program();
    void translate_text();
    void translate_word_list();
    void show_statistics();
    void clear_source();
    void clear_translation();
    void clear_both();
    void choose_font();
    void show_about();
    void edit_translation();
    // The article of the word where the box's context menu was opened, or
    // at the caret of the box the keyboard was last in.
    void show_article();
    void save_unknown_words();
    void pronounce();

    // Refills the store from the corrected dictionary, with the loading window.
    void reload_dictionary();
    // After the store was refilled, by a correction or from a changed file.
    void dictionary_reloaded();
    // The English word a correction or "Произнести" is about: the one at the
    // caret (or the selection), or where a box's context menu was opened.
    std::string word_for_correction() const;
    // The record the correction dialog opens with: the word's own, or, for a
    // word translated through its dictionary form, the form's or a new one
    // starting from the form's translation, as the reader chooses.
    // None when the reader cancels the question.
    std::optional<RecordText> record_to_correct(const std::string& word);
    // A short line in the status bar after a command that shows nothing
    // else; it goes after a while, or with `until_next_run` at the next run.
    void show_note(const QString& text, bool until_next_run = false);
    void clear_box(QTextEdit& box);

    void translate(OutputForm form);
    void save_box(QTextEdit& box);
    // Asks before a save replaces a file, and once more before the
    // translation replaces the file the source text was opened from.
    bool may_replace(const QTextEdit& box, const QString& name);

    // Panel 1 with the share of a run's lines done.
    void show_progress(double percent);
    // From a run on another thread: shows the latest share at the next turn
    // of the event loop.
    void report_progress(double percent);
    // One turn of the event loop, at most every few tens of milliseconds.
    void process_pending_events();

    Session& session_;
    DesktopServices& services_;
    TranslationEngine engine_;
    Script script_ = Script::cyrillic;
    RunCounts last_counts_;
    CommonDialog file_dialog_;
    BoxGeometry boxes_;
    FrameWatch frame_watch_;
    EventLoopPacer pacer_;
    QTextEdit* source_box_;
    QTextEdit* translation_box_;
    QLabel* progress_panel_;
    QLabel* elapsed_panel_;
    MainMenu menu_;
    // Every menu and item with its text, for the switch to translit.
    std::vector<std::pair<QAction*, const MenuItemText*>> menu_texts_;
    // The items the boxes' context menus add to the toolkit's own.
    std::vector<QAction*> box_menu_items_;
    // While a box's context menu is open: the box and the point it was
    // opened at, so a command can act on the word under the mouse.
    QTextEdit* context_menu_box_ = nullptr;
    QPoint context_menu_point_;
    std::atomic<bool> exit_requested_{false};  // read by a run on another thread
    // The latest share of lines a run reported, and whether panel 1 is to
    // be told; the run reports from its own thread.
    std::atomic<double> run_percent_{-1};
    std::atomic<bool> progress_posted_{false};
    bool translation_command_running_ = false;
    QString opened_file_;                     // the file RTF1 was last opened from
    ReadingAids* reading_aids_ = nullptr;     // a child of the window
    Pronunciation* pronunciation_ = nullptr;  // a child of the window

    // Follows the dictionary file; a child of the window.
    DictionaryWatch* dictionary_watch_ = nullptr;
};

}  // namespace vorna::ui
