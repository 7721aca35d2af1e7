#pragma once

#include "core/text/interface_texts.h"

// The popup's own texts, in both scripts.
namespace vorna::ui {

inline constexpr ScriptedText kWordNotInDictionary = {"нет в словаре", "net v slovare"};
inline constexpr ScriptedText kFoundThroughForm = {"Словарная форма: ", "Slovarnaja forma: "};
inline constexpr ScriptedText kNothingSelected = {"Ничего не выделено.", "Nichego ne videleno."};
inline constexpr ScriptedText kTextWasCut = {"Показаны первые 2000 знаков выделенного текста.",
                                             "Pokazani pervie 2000 znakov videlennogo teksta."};
inline constexpr ScriptedText kClipboardInstead = {
    "Выделение недоступно: переведён буфер обмена.",
    "Videlenie nedostupno: perevedjon bufer obmena."};
inline constexpr ScriptedText kOpenInMainWindow = {"Открыть в окне переводчика (Enter)",
                                                   "Otkritj v okne perevodchika (Enter)"};
inline constexpr ScriptedText kUnknownWordsMarked = {"Подчёркнуты слова, которых нет в словаре.",
                                                     "Podchjorknuti slova, kotorih net v slovare."};

}  // namespace vorna::ui
