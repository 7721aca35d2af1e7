#pragma once

#include "core/text/interface_texts.h"

// What both front ends say when a word cannot be spoken.
namespace vorna::texts {

inline constexpr ScriptedText kNoSoundDevice = {"Нет звукового устройства: произнести нельзя.",
                                                "Net zvukovogo ustrojstva: proiznesti neljzja."};
inline constexpr ScriptedText kNoEnglishVoice = {
    "Синтезатор речи или его английский голос не установлен (пакет espeak-ng-data).",
    "Sintezator rechi ili ego anglijskij golos ne ustanovlen (paket espeak-ng-data)."};
// Followed by the synthesiser's own words on what stopped it.
inline constexpr ScriptedText kSpeechFailed = {"Синтезатор речи не смог произнести текст: ",
                                               "Sintezator rechi ne smog proiznesti tekst: "};
inline constexpr ScriptedText kNothingToSay = {"Нечего произнести: нет английского слова.",
                                               "Nechego proiznesti: net anglijskogo slova."};
inline constexpr ScriptedText kSpeechOutOfMemory = {"Не хватило памяти, чтобы произнести текст.",
                                                    "Ne hvatilo pamjati, chtobi proiznesti tekst."};
// %1: how many words were said.
inline constexpr ScriptedText kSpeechCutShort = {"Произнесены только первые %1 слов текста.",
                                                 "Proizneseni toljko pervie %1 slov teksta."};
inline constexpr ScriptedText kSpeechStopped = {"Произношение остановлено.",
                                                "Proiznoshenie ostanovleno."};
inline constexpr ScriptedText kSoundFileNotWritten = {"Не удалось записать звуковой файл ",
                                                      "Ne udalosj zapisatj zvukovoj fail "};

}  // namespace vorna::texts
