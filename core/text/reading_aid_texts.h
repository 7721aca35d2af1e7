#pragma once

#include "core/text/interface_texts.h"

// The texts of the reading aids (full article, dictionary forms, unknown
// words) that both front ends show.
namespace vorna::texts {

inline constexpr ScriptedText kNoWordGiven = {"Не выбрано слово.", "Ne vibrano slovo."};
inline constexpr ScriptedText kOneLetterWord = {"Слово из одной буквы не ищется в словаре: ",
                                                "Slovo iz odnoj bukvi ne ishetsja v slovare: "};
inline constexpr ScriptedText kNotAWord = {
    "В слове допустимы только латинские буквы, апостроф и дефис: ",
    "V slove dopustimi toljko latinskie bukvi, apostrof i defis: "};
inline constexpr ScriptedText kNoArticle = {"В словаре нет статьи для слова: ",
                                            "V slovare net statji dlja slova: "};
inline constexpr ScriptedText kFullDictionaryNotInstalled = {
    "Полный словарь не установлен (пакет mueller7-dict); показана запись qd.dat.",
    "Polnij slovarj ne ustanovlen (paket mueller7-dict); pokazana zapisj qd.dat."};
inline constexpr ScriptedText kFullDictionaryDamaged = {
    "Файл полного словаря повреждён; показана запись qd.dat: ",
    "Fail polnogo slovarja povrezhden; pokazana zapisj qd.dat: "};
inline constexpr ScriptedText kNothingToSave = {"Сохранять нечего: сначала переведите текст.",
                                                "Sohranjatj nechego: snachala perevedite tekst."};
inline constexpr ScriptedText kNoUnknownWords = {"В переведённом тексте нет неизвестных слов.",
                                                 "V perevedjonnom tekste net neizvestnih slov."};

}  // namespace vorna::texts
