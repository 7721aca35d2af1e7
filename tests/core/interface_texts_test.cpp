#include "core/text/interface_texts.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(interface_texts, sentences_keep_their_exact_blanks_and_letters) {
    // The Cyrillic word count opens with a blank and a Latin c.
    EXPECT_EQ(letter_loaded_text(Script::cyrillic, 'b', 12),
              "Загрузка словаря ... b cлов всего 12");
    EXPECT_EQ(letter_loaded_text(Script::translit, 'z', 7), "Zagruzka slovarja ... z slov vsego 7");
    EXPECT_EQ(file_filter_text(Script::translit), "Faili RTF (*.*)|*.*");
    EXPECT_EQ(damaged_dictionary_text(Script::cyrillic, "/opt/vorna/qd.dat"),
              "Проблема с файлом словаря \r\n/opt/vorna/qd.dat  неправильный формат данных. "
              "Программа будет закрыта.");
    EXPECT_EQ(records_left_out_text(Script::translit, 3),
              "Slovarj boljshe 60000 zapisej. Ne zagruzheno zapisej: 3");
}

}  // namespace
}  // namespace vorna
