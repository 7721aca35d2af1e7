#pragma once

#include "core/text/interface_texts.h"

// vorna-dict's own sentences; those about a correction are the window's
// (core/text/dictionary_edit_texts.h).
namespace vorna::dict::texts {

inline constexpr ScriptedText kGivenDictionary = {"задан параметром --dictionary",
                                                  "zadan parametrom --dictionary"};
inline constexpr ScriptedText kReadersCopy = {
    "ваша копия словаря: она есть, поэтому используется вместо установленного",
    "vasha kopija slovarja: ona estj, poetomu ispoljzuetsja vmesto ustanovlennogo"};
inline constexpr ScriptedText kBesideProgram = {"словарь рядом с программой",
                                                "slovarj rjadom s programmoj"};
inline constexpr ScriptedText kCopyWouldGoTo = {
    "; исправление, которое нельзя в него записать, пойдёт в вашу копию %3",
    "; ispravlenie, kotoroe neljzja v nego zapisatj, pojdjot v vashu kopiju %3"};
inline constexpr ScriptedText kLine = {"строка ", "stroka "};
inline constexpr ScriptedText kNotAGlossaryLine = {
    "ожидается «слово<TAB>перевод» или «слово<TAB>перевод<TAB>транслит»",
    "ozhidaetsja \"slovo<TAB>perevod\" ili \"slovo<TAB>perevod<TAB>translit\""};
inline constexpr ScriptedText kLineNotUtf8 = {"строка не в кодировке UTF-8",
                                              "stroka ne v kodirovke UTF-8"};
inline constexpr ScriptedText kUntranslatedRows = {
    "строк таблицы неизвестных слов без перевода (5-й столбец пуст), не внесено: ",
    "strok tablici neizvestnih slov bez perevoda (5-j stolbec pust), ne vneseno: "};

// About the arguments.
inline constexpr ScriptedText kUnknownCommand = {"неизвестная команда: ", "neizvestnaja komanda: "};
inline constexpr ScriptedText kNoCommand = {"не задана команда", "ne zadana komanda"};
inline constexpr ScriptedText kWrongOperandCount = {"неверное число аргументов команды ",
                                                    "nevernoe chislo argumentov komandi "};
inline constexpr ScriptedText kOutputOnlyForSay = {"-o бывает только у команды say",
                                                   "-o bivaet toljko u komandi say"};
inline constexpr ScriptedText kSayNeedsNoDictionary = {"команде say словарь не нужен",
                                                       "komande say slovarj ne nuzhen"};
inline constexpr ScriptedText kFieldOverBound = {
    "строка длиннее 32768 байт: в ней поле длиннее 4096 байт",
    "stroka dlinnee 32768 bajt: v nej pole dlinnee 4096 bajt"};
// The last line of an import: %1 words added, %2 changed, %3 lines skipped.
inline constexpr ScriptedText kImportCounts = {"Слов добавлено: %1, изменено: %2, пропущено: %3",
                                               "Slov dobavleno: %1, izmeneno: %2, propusheno: %3"};

}  // namespace vorna::dict::texts
