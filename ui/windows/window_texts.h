#pragma once

#include <QString>

#include "core/text/interface_texts.h"
#include "ui/windows/object_names.h"

// The version is CMake's project(VERSION), handed in by the build.
#ifndef VORNA_VERSION
#error "VORNA_VERSION is defined by the build (ui/CMakeLists.txt)"
#endif

namespace vorna::ui {

// A text of the interface as the widgets take it.
inline QString text_in(const ScriptedText& text, Script script) {
    return QString::fromUtf8(text.in(script));
}

// The title of the window a menu item opens: the item's caption, without the
// ellipsis that says a window follows.
inline QString dialog_title(const ScriptedText& item, Script script) {
    QString title = text_in(item, script);
    if (title.endsWith(u'…'))
        title.chop(1);
    return title;
}

// A menu item of the main window: object name, caption and shortcut.
struct MenuItemText {
    const char* name;
    ScriptedText caption;
    const char* shortcut;  // "" for none
};

// The fifteen described menu items, in menu order; a menu without a
// shortcut of its own opens a submenu, save `Stat` and `About`.
inline constexpr MenuItemText kFileMenuText = {names::kFileMenu, {"Файл", "Fail"}, ""};
inline constexpr MenuItemText kOpenFileText = {
    names::kOpenFileItem, {"Открыть", "Otkritj"}, "Ctrl+O"};
inline constexpr MenuItemText kSaveTranslatedText = {
    names::kSaveTranslatedItem, {"Сохранить перевод", "Sohranitj perevod"}, "Ctrl+S"};
inline constexpr MenuItemText kSaveOriginalText = {
    names::kSaveOriginalItem,
    {"Сохранить переводимый текст", "Sohranitj perevodimoj tekst"},
    "Ctrl+U"};
inline constexpr MenuItemText kExitText = {names::kExitItem, {"Выход", "Vihod"}, "Ctrl+Q"};
inline constexpr MenuItemText kTranslateMenuText = {
    names::kTranslateMenu, {"Перевести", "Perevesti"}, ""};
inline constexpr MenuItemText kTranslateTextText = {
    names::kTranslateTextItem, {"Перевести текст-текст", "Perevesti tekst -> tekst"}, "F5"};
inline constexpr MenuItemText kTranslateWordListText = {
    names::kTranslateWordListItem, {"Перевести текст-слово", "Perevesti tekst -> slovo"}, "F6"};
inline constexpr MenuItemText kStatisticsText = {
    names::kStatisticsItem, {"Статистика", "Statistika"}, ""};
inline constexpr MenuItemText kWindowsMenuText = {
    names::kWindowsMenu, {"Окна переводов", "Okna perevodov"}, ""};
inline constexpr MenuItemText kClearSourceText = {
    names::kClearSourceItem,
    {"Очистить окно переводимого текста", "Ochistitj okno perevodimogo teksta"},
    "Ctrl+F1"};
inline constexpr MenuItemText kClearTranslationText = {
    names::kClearTranslationItem,
    {"Очистить окно переведеного текста", "Ochistitj okno perevedjonnogo teksta"},
    "Ctrl+F2"};
inline constexpr MenuItemText kClearBothText = {
    names::kClearBothItem, {"Очистить оба окна", "Ochistitj oba okna"}, "Ctrl+F3"};
inline constexpr MenuItemText kFontText = {
    names::kFontItem, {"Установить размер шрифта", "Ustanovitj razmer shrifta"}, "Ctrl+F6"};
inline constexpr MenuItemText kAboutText = {names::kAboutItem, {"О программе", "O programme"}, ""};

// The menu of the reading aids, after the described menus.
inline constexpr MenuItemText kDictionaryMenuText = {
    names::kDictionaryMenu, {"Словарь", "Slovarj"}, ""};

inline constexpr ScriptedText kSourceBoxToolTip = {"Скопируйте сюда переводимый текст.",
                                                   "Skopirujte sjuda perevodimij tekst"};
inline constexpr ScriptedText kTranslationBoxToolTip = {"Это переведенный текст",
                                                        "Eto perevedjonnij tekst"};
inline constexpr ScriptedText kMainWindowTitle = {"VORNA Переводчик v" VORNA_VERSION,
                                                  "VORNA Perevodchik v" VORNA_VERSION};

// Texts with no translit form: they stay Cyrillic in both modes.
inline constexpr const char* kFileDialogTitle = "Открыть файл для перевода";
inline constexpr const char* kProgressPanelStart = "Прогресс %";
inline constexpr const char* kElapsedPanelStart = "Прошло:";

// Shown in translit right after the main window's Cyrillic check failed.
inline constexpr const char* kTranslitWarning =
    "Programma ne obnaruzhila podderzhku russkogo jazika.\r\n"
    "Interfeis, soobshenija i perevedjonnij tekst\r\n"
    "budut preobrazovani v translit avtomaticheski.";

// Our own messages, in the script of the window that shows them.
inline constexpr ScriptedText kSaveFailedStart = {"Не удалось сохранить файл ",
                                                  "Ne udalosj sohranitj fail "};
inline constexpr ScriptedText kProductLine = {"© 2005 VORNA — бесплатная программа",
                                              "(c) 2005 VORNA - besplatnaja programma"};

// The About box.
inline constexpr ScriptedText kAboutTitle = {"О программе", "O Programme"};
inline constexpr ScriptedText kAboutProductTitle = {"DavevUvuviru переводчик",
                                                    "VadazEdadiri perevodchik"};
inline constexpr ScriptedText kAboutVersion = {"Версия " VORNA_VERSION " / 16.01.2006",
                                               "Versija " VORNA_VERSION " / 03.01.2006"};
inline constexpr const char* kContactAddress = "vorna@example.org";
inline constexpr const char* kWebAddress = "https://example.org/vorna";

// Asked before a save replaces a file, and once more, in plain words, before
// the translation replaces the file the source text was opened from.
inline constexpr ScriptedText kReplaceFileQuestion = {"Файл %1 уже существует.\r\nЗаменить его?",
                                                      "Fail %1 uzhe sushestvuet.\r\nZamenitj ego?"};
inline constexpr ScriptedText kReplaceSourceQuestion = {
    "Из файла %1 был открыт переводимый текст.\r\n"
    "Если записать в него перевод, исходный текст пропадёт.\r\n"
    "Всё равно записать перевод в этот файл?",
    "Iz faila %1 bil otkrit perevodimij tekst.\r\n"
    "Esli zapisatj v nego perevod, ishodnij tekst propadjot.\r\n"
    "Vsjo ravno zapisatj perevod v etot fail?"};

// The reading aids' commands.
inline constexpr MenuItemText kArticleText = {
    names::kArticleItem, {"Словарная статья", "Slovarnaja statja"}, "Ctrl+D"};
inline constexpr MenuItemText kDictionaryFormsText = {
    names::kDictionaryFormsItem, {"Искать словарную форму", "Iskatj slovarnuju formu"}, ""};
inline constexpr MenuItemText kSaveUnknownText = {
    names::kSaveUnknownItem, {"Сохранить неизвестные слова…", "Sohranitj neizvestnie slova…"}, ""};
inline constexpr ScriptedText kUnknownFilter = {"Таблица слов (*.tsv)", "Tablica slov (*.tsv)"};
inline constexpr MenuItemText kPronounceText = {
    names::kPronounceItem, {"Произнести", "Proiznesti"}, "Ctrl+R"};
// Correcting the dictionary: the command and its dialog; the fields' names
// and the messages are in core/text/dictionary_edit_texts.h.
inline constexpr MenuItemText kEditTranslationText = {
    names::kEditTranslationItem, {"Изменить перевод…", "Izmenitj perevod…"}, "Ctrl+E"};
// Asked when the word was translated through its dictionary form: %1 the
// word, %2 the form, %3 the form's translation. The answers: correct the
// form, add the word itself, or cancel.
inline constexpr ScriptedText kCorrectTheFormQuestion = {
    "Слово «%1» переведено по словарной форме «%2»: %3.\r\n"
    "Исправить перевод слова «%2» или добавить в словарь само слово «%1»?",
    "Slovo \"%1\" perevedeno po slovarnoj forme \"%2\": %3.\r\n"
    "Ispravitj perevod slova \"%2\" ili dobavitj v slovarj samo slovo \"%1\"?"};
inline constexpr ScriptedText kCorrectTheFormAnswer = {"Исправить «%2»", "Ispravitj \"%2\""};
inline constexpr ScriptedText kAddTheWordAnswer = {"Добавить «%1»", "Dobavitj \"%1\""};
inline constexpr ScriptedText kRemoveButton = {"Удалить", "Udalitj"};
inline constexpr ScriptedText kCancelButton = {"Отмена", "Otmena"};
// Short lines in the status bar after a command that shows nothing else:
// %1 the word; for the unknown words, %1 how many and %2 the file.
inline constexpr ScriptedText kTranslationSavedNote = {"Перевод слова «%1» сохранён в словаре.",
                                                       "Perevod slova \"%1\" sohranjon v slovare."};
inline constexpr ScriptedText kWordRemovedNote = {"Слово «%1» удалено из словаря.",
                                                  "Slovo \"%1\" udaleno iz slovarja."};
inline constexpr ScriptedText kUnknownWordsSavedNote = {"Сохранено неизвестных слов: %1, файл %2",
                                                        "Sohraneno neizvestnih slov: %1, fail %2"};
inline constexpr ScriptedText kSourceClearedNote = {"Окно переводимого текста очищено.",
                                                    "Okno perevodimogo teksta ochisheno."};
inline constexpr ScriptedText kTranslationClearedNote = {"Окно перевода очищено.",
                                                         "Okno perevoda ochisheno."};
inline constexpr ScriptedText kBothClearedNote = {"Оба окна очищены.", "Oba okna ochisheni."};
inline constexpr ScriptedText kRemoveQuestion = {"Удалить слово «%1» из словаря?",
                                                 "Udalitj slovo \"%1\" iz slovarja?"};
inline constexpr ScriptedText kTranslationNotShown = {
    "Перевод нельзя показать: нет шрифта с русскими буквами. Можно изменить транслит.",
    "Perevod neljzja pokazatj: net shrifta s russkimi bukvami. Mozhno izmenitj translit."};
// The loading window's first line when it loads the reader's own dictionary.
inline constexpr ScriptedText kCheckingOwnDictionary = {"Проверка словаря %3 ...",
                                                        "Proverka slovarja %3 ..."};

// The dictionary file changed under an open window: %1 the number of
// records, or the reason the file was not taken.
inline constexpr ScriptedText kDictionaryReloaded = {
    "Словарь изменился и загружен заново, записей: %1",
    "Slovarj izmenilsja i zagruzhen zanovo, zapisej: %1"};
inline constexpr ScriptedText kDictionaryNotReloaded = {
    "Словарь изменился, но не загружен: %1. Перевод идёт по прежнему словарю.",
    "Slovarj izmenilsja, no ne zagruzhen: %1. Perevod idjot po prezhnemu slovarju."};
inline constexpr ScriptedText kDictionaryFileGone = {"файла словаря больше нет",
                                                     "faila slovarja boljshe net"};
inline constexpr ScriptedText kDictionaryFileUnreadable = {"файл не читается",
                                                           "fail ne chitaetsja"};
inline constexpr ScriptedText kDictionaryFileHoldsNoRecord = {
    "в файле нет ни одной записи словаря", "v faile net ni odnoj zapisi slovarja"};

}  // namespace vorna::ui
