#include "core/message_table.h"

#include <gtest/gtest.h>

#include "core/text_case.h"

namespace vorna {
namespace {

TEST(message_table, loading_texts_in_both_scripts) {
    MessageTable cyrillic;
    fill_loading_messages(cyrillic, true);
    EXPECT_EQ(cyrillic[0], u8"Файл словаря отсутствует. Перевод невозможен.");
    EXPECT_EQ(cyrillic[1], u8"Проверка словаря ...");
    EXPECT_EQ(cyrillic[2], u8"Загрузка словаря ... ");
    EXPECT_EQ(cyrillic[4], u8"Настройка словарей ... ");
    // Slot 3 opens with a blank and a Latin c, then Cyrillic.
    EXPECT_EQ(count_code_points(cyrillic[3]), 12u);
    EXPECT_EQ(cyrillic[3].substr(0, 2), " c");
    EXPECT_EQ(cyrillic[3].substr(2), u8"лов всего ");
    EXPECT_EQ(cyrillic[5], "");

    MessageTable translit;
    fill_loading_messages(translit, false);
    EXPECT_EQ(translit[0], "Fail slovarja otsutstvuet. Perevod nevozmozhen.");
    EXPECT_EQ(translit[1], "Proverka slovarja ...");
    EXPECT_EQ(translit[2], "Zagruzka slovarja ... ");
    EXPECT_EQ(translit[3], " slov vsego ");
    EXPECT_EQ(translit[4], "Nastrojka slovarej ... ");
}

TEST(message_table, main_texts_for_each_mode) {
    MessageTable rus;
    fill_loading_messages(rus, false);  // the main phase rewrites the loading texts
    fill_main_messages(rus, kModeRus);
    EXPECT_EQ(rus[0], u8"Файл словаря отсутствует. Перевод невозможен.");
    EXPECT_EQ(rus[1], u8"Файлы RTF (*.*)|*.*");
    EXPECT_EQ(rus[2], u8"Прошло: ");
    EXPECT_EQ(rus[3], u8" сек.");
    EXPECT_EQ(rus[4], u8"Переведено: ");
    EXPECT_EQ(rus[5], u8"Проблема с файлом словаря ");
    EXPECT_EQ(rus[6], u8" неправильный формат данных. Программа будет закрыта.");

    MessageTable cyr;
    fill_main_messages(cyr, kModeCyr);
    EXPECT_EQ(cyr[0], "Fail slovarja otsutstvuet. Perevod nevozmozhen.");
    EXPECT_EQ(cyr[1], "Faili RTF (*.*)|*.*");
    EXPECT_EQ(cyr[2], "Proshlo: ");
    EXPECT_EQ(cyr[3], " sek.");
    EXPECT_EQ(cyr[4], "Perevedeno: ");
    EXPECT_EQ(cyr[5], "Problemi s failom slovarja ");
    EXPECT_EQ(cyr[6], " nepraviljnij format dannih. Programma budet zakrita.");
}

TEST(message_table, unwritten_and_out_of_range_slots_read_empty) {
    MessageTable table;
    fill_main_messages(table, kModeRus);
    for (int index : {-1, 7, 15, 16, 1000})
        EXPECT_EQ(table[index], "") << index;
}

}  // namespace
}  // namespace vorna
