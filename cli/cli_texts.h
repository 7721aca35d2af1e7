#pragma once

#include "core/text/interface_texts.h"

namespace vorna::cli {

// vorna-translate's own messages, in both scripts, after the program's name;
// what they are about (a file, a reason) follows them.
inline constexpr ScriptedText kSameFileTwice = {"один и тот же файл указан дважды: ",
                                                "odin i tot zhe fail ukazan dvazhdi: "};
inline constexpr ScriptedText kAnd = {" и ", " i "};
inline constexpr ScriptedText kNotUtf8 = {"входной текст не в кодировке UTF-8: ",
                                          "vhodnoj tekst ne v kodirovke UTF-8: "};
inline constexpr ScriptedText kCannotMakeTemporaryFolder = {
    "не удаётся создать временную папку: ", "ne udajotsja sozdatj vremennuju papku: "};
inline constexpr ScriptedText kArticleAlone = {"--article не сочетается с переводом текста",
                                               "--article ne sochetaetsja s perevodom teksta"};

// How the messages name the standard streams.
inline constexpr ScriptedText kStandardOutput = {"стандартный вывод", "standartnij vivod"};
inline constexpr ScriptedText kStandardError = {"стандартный вывод ошибок",
                                                "standartnij vivod oshibok"};
inline constexpr ScriptedText kStandardInput = {"стандартный ввод", "standartnij vvod"};

}  // namespace vorna::cli
