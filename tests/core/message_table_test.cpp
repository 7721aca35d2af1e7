#include "core/text/message_table.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(message_table, loading_slot_3_opens_with_a_blank_and_a_latin_c) {
    MessageTable table;
    fill_loading_messages(table, true);
    EXPECT_EQ(table[3], " c" + std::string(u8"лов всего "));
    fill_loading_messages(table, false);
    EXPECT_EQ(table[3], " slov vsego ");
    // The loading phase writes slots 0 to 4 only; slots out of range read empty too.
    for (int index : {-1, 5, 15, 16, 1000})
        EXPECT_EQ(table[index], "") << index;
}

TEST(message_table, main_phase_rewrites_every_slot_for_its_mode) {
    MessageTable table;
    fill_loading_messages(table, true);
    fill_main_messages(table, kModeCyr);
    EXPECT_EQ(table[0], "Fail slovarja otsutstvuet. Perevod nevozmozhen.");
    EXPECT_EQ(table[1], "Faili RTF (*.*)|*.*");
    EXPECT_EQ(table[2] + "1" + table[3], "Proshlo: 1 sek.");
    fill_main_messages(table, kModeRus);
    EXPECT_EQ(table[1], u8"Файлы RTF (*.*)|*.*");
    EXPECT_EQ(table[5] + "qd.dat" + table[6],
              u8"Проблема с файлом словаря qd.dat неправильный формат данных. Программа будет "
              u8"закрыта.");
    EXPECT_EQ(table[7], "");  // never written
}

}  // namespace
}  // namespace vorna
