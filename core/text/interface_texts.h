#pragma once

#include <cstdint>
#include <string>

#include "core/text/script.h"

namespace vorna {

// One interface text in its two scripts.
struct ScriptedText {
    const char* cyrillic;
    const char* translit;

    const char* in(Script script) const { return script == Script::cyrillic ? cyrillic : translit; }
};

// The texts both front ends show. The core reports figures and paths; the
// front ends build their sentences from these.
namespace texts {

inline constexpr ScriptedText kDictionaryMissing = {
    "Файл словаря отсутствует. Перевод невозможен.",
    "Fail slovarja otsutstvuet. Perevod nevozmozhen."};

// The loading window.
inline constexpr ScriptedText kCheckingDictionary = {"Проверка словаря ...",
                                                     "Proverka slovarja ..."};
inline constexpr ScriptedText kLoadingDictionary = {"Загрузка словаря ... ",
                                                    "Zagruzka slovarja ... "};
// The first letter of the Cyrillic word is a Latin c, as the statistics
// window shows it.
inline constexpr ScriptedText kWordsInAll = {
    " c"
    "лов всего ",
    " slov vsego "};
inline constexpr ScriptedText kPreparingDictionaries = {"Настройка словарей ... ",
                                                        "Nastrojka slovarej ... "};
inline constexpr ScriptedText kRecordsLeftOut = {
    "Словарь больше 60000 записей. Не загружено записей: ",
    "Slovarj boljshe 60000 zapisej. Ne zagruzheno zapisej: "};

// The main window.
inline constexpr ScriptedText kFileFilterName = {"Файлы RTF (*.*)", "Faili RTF (*.*)"};
inline constexpr ScriptedText kElapsed = {"Прошло: ", "Proshlo: "};
inline constexpr ScriptedText kSeconds = {" сек.", " sek."};
inline constexpr ScriptedText kTranslated = {"Переведено: ", "Perevedeno: "};
inline constexpr ScriptedText kDamagedDictionaryStart = {"Проблема с файлом словаря ",
                                                         "Problemi s failom slovarja "};
inline constexpr ScriptedText kDamagedDictionaryEnd = {
    " неправильный формат данных. Программа будет закрыта.",
    " nepraviljnij format dannih. Programma budet zakrita."};

}  // namespace texts

// "Загрузка словаря ... b cлов всего 1234" after each letter of the load.
std::string letter_loaded_text(Script script, char letter, int32_t running_count);

// The message after a load that left records out.
std::string records_left_out_text(Script script, int32_t count);

// The damaged-dictionary message, naming the dictionary file.
std::string damaged_dictionary_text(Script script, const std::string& dictionary_path);

// Filter of the open and save dialogs: one entry, description|pattern.
std::string file_filter_text(Script script);

}  // namespace vorna
