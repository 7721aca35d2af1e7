#pragma once

#include "core/text/interface_texts.h"

// What both front ends say about a correction of the dictionary. %1, %2 and
// %3 stand for a character, a field's name or a file.
namespace vorna::texts {

inline constexpr ScriptedText kEnglishWordField = {"Английское слово", "Anglijskoe slovo"};
inline constexpr ScriptedText kTranslationField = {"Перевод", "Perevod"};
inline constexpr ScriptedText kTranslitField = {"Транслит", "Translit"};
inline constexpr ScriptedText kCommaOrQuote = {
    "Запятую и двойную кавычку нельзя записать в словарь. Уберите их из поля «%2».",
    "Zapjatuju i dvojnuju kavichku neljzja zapisatj v slovarj. Uberite ih iz polja \"%2\"."};
inline constexpr ScriptedText kCharacterNotWritable = {
    "Символ «%1» в поле «%2» нельзя записать в файл словаря %3",
    "Simvol \"%1\" v pole \"%2\" neljzja zapisatj v fail slovarja %3"};
inline constexpr ScriptedText kHeadwordNotAWord = {
    "Английское слово должно начинаться с латинской буквы и содержать не меньше двух букв; "
    "кроме латинских букв в нём могут быть только апостроф и дефис.",
    "Anglijskoe slovo dolzhno nachinatjsja s latinskoj bukvi i soderzhatj ne menjshe dvuh bukv; "
    "krome latinskih bukv v njom mogut bitj toljko apostrof i defis."};
inline constexpr ScriptedText kFieldTooLong = {
    "Поле «%2» слишком длинное: в словарь записывается не больше 4096 байт на поле.",
    "Pole \"%2\" slishkom dlinnoe: v slovarj zapisivaetsja ne boljshe 4096 bajt na pole."};
inline constexpr ScriptedText kEmptyTranslation = {"Введите перевод.", "Vvedite perevod."};
inline constexpr ScriptedText kDictionaryFull = {
    "В словаре уже 60000 записей: новое слово не было бы загружено.",
    "V slovare uzhe 60000 zapisej: novoe slovo ne bilo bi zagruzheno."};
inline constexpr ScriptedText kWordNotInDictionary = {"Слова «%1» нет в словаре.",
                                                      "Slova \"%1\" net v slovare."};
inline constexpr ScriptedText kDictionaryNotRead = {"Не удалось прочитать файл словаря %3",
                                                    "Ne udalosj prochitatj fail slovarja %3"};
inline constexpr ScriptedText kDictionaryNotWritten = {
    "Не удалось записать файл словаря %3. Словарь не изменён.",
    "Ne udalosj zapisatj fail slovarja %3. Slovarj ne izmenjon."};
// Said while a correction waits for another program to finish writing
// the dictionary.
inline constexpr ScriptedText kWaitingForAnotherProgram = {
    "Ожидание другой программы, которая изменяет словарь %3…",
    "Ozhidanie drugoj programmi, kotoraja izmenjaet slovarj %3..."};
// Said once, when a correction could not go to the installed dictionary and
// went to a copy of the reader's own instead.
inline constexpr ScriptedText kCopyMadeForReader = {
    "Установленный словарь нельзя изменить, поэтому исправление записано в вашу копию словаря "
    "%3. Теперь используется эта копия.",
    "Ustanovlennij slovarj neljzja izmenitj, poetomu ispravlenie zapisano v vashu kopiju "
    "slovarja %3. Teperj ispoljzuetsja eta kopija."};

}  // namespace vorna::texts
