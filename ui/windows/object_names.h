#pragma once

// The Qt object names of the windows, their controls and menu items: the
// described windows keep their described names, so a reader of the
// description finds them, and tests and tools look them up by these
// constants only.
namespace vorna::ui::names {

// The main window (Form1), its boxes and status bar.
inline constexpr char kMainWindow[] = "Form1";
inline constexpr char kSourceBox[] = "RTF1";
inline constexpr char kTranslationBox[] = "RTF2";
inline constexpr char kStatusBar[] = "StatusBar1";
inline constexpr char kProgressPanel[] = "panel1";
inline constexpr char kElapsedPanel[] = "panel2";

// The main window's menus, in menu order; a submenu is "<menu>_menu".
inline constexpr char kFileMenu[] = "file";
inline constexpr char kOpenFileItem[] = "open_file";
inline constexpr char kSaveTranslatedItem[] = "save_translated";
inline constexpr char kSaveOriginalItem[] = "save_original";
inline constexpr char kExitItem[] = "Exit_point";
inline constexpr char kTranslateMenu[] = "Translate";
inline constexpr char kTranslateTextItem[] = "tr1";
inline constexpr char kTranslateWordListItem[] = "tr2";
inline constexpr char kStatisticsItem[] = "Stat";
inline constexpr char kWindowsMenu[] = "transl_windows";
inline constexpr char kClearSourceItem[] = "ee";
inline constexpr char kClearTranslationItem[] = "ww";
inline constexpr char kClearBothItem[] = "rrr";
inline constexpr char kFontItem[] = "ii";
inline constexpr char kAboutItem[] = "About";
inline constexpr char kDictionaryMenu[] = "dictionary";
inline constexpr char kEditTranslationItem[] = "edit_translation";
inline constexpr char kArticleItem[] = "article";
inline constexpr char kDictionaryFormsItem[] = "dictionary_forms";
inline constexpr char kSaveUnknownItem[] = "save_unknown_words";
inline constexpr char kPronounceItem[] = "pronounce";
inline constexpr char kSubmenuSuffix[] = "_menu";

// The loading window (Form4), the statistics window (Form2), the About box.
inline constexpr char kLoadingWindow[] = "Form4";
inline constexpr char kLoadingStatus[] = "Label1";
inline constexpr char kLoadingProduct[] = "Label2";
inline constexpr char kStatisticsWindow[] = "Form2";
inline constexpr char kReportBox[] = "RTB1";
inline constexpr char kAboutBox[] = "frmAbout";
inline constexpr char kAboutPicture[] = "picIcon";
inline constexpr char kAboutTitle[] = "lblTitle";
inline constexpr char kAboutVersion[] = "lblVersion";
inline constexpr char kAboutContact[] = "Label1";
inline constexpr char kAboutWeb[] = "Label2";
inline constexpr char kAboutOk[] = "cmdOK";

// The correction dialog.
inline constexpr char kEditDialog[] = "edit_translation";
inline constexpr char kEnglishWordField[] = "english_word";
inline constexpr char kTranslationField[] = "translation";
inline constexpr char kTranslitField[] = "translit";
inline constexpr char kTranslationNotShown[] = "translation_not_shown";
inline constexpr char kOkButton[] = "ok";
inline constexpr char kCancelButton[] = "cancel";
inline constexpr char kRemoveButton[] = "remove";

// The article window.
inline constexpr char kArticleWindow[] = "article_window";
inline constexpr char kArticleText[] = "article_text";
inline constexpr char kArticleStatus[] = "article_status";
inline constexpr char kPronounceHeadword[] = "pronounce_headword";

}  // namespace vorna::ui::names
