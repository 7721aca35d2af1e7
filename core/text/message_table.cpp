#include "core/text/message_table.h"

#include <string>

namespace vorna {

namespace {

// Filter of the open and save dialogs: one entry, description|pattern.
std::string file_filter(const std::string& description) {
    return description + "|" + "*.*";
}

}  // namespace

const std::string& MessageTable::operator[](int index) const {
    static const std::string unwritten;
    if (index < 0 || index >= kSlotCount)
        return unwritten;
    return slots[static_cast<std::size_t>(index)];
}

void fill_loading_messages(MessageTable& table, bool cyrillic_shown) {
    if (cyrillic_shown) {
        table.slots[0] = u8"Файл словаря отсутствует. Перевод невозможен.";
        table.slots[1] = u8"Проверка словаря ...";
        table.slots[2] = u8"Загрузка словаря ... ";
        // The first letter of this word is a Latin c; the window has always shown it so.
        table.slots[3] =
            u8" c"
            u8"лов всего ";
        table.slots[4] = u8"Настройка словарей ... ";
    } else {
        table.slots[0] = "Fail slovarja otsutstvuet. Perevod nevozmozhen.";
        table.slots[1] = "Proverka slovarja ...";
        table.slots[2] = "Zagruzka slovarja ... ";
        table.slots[3] = " slov vsego ";
        table.slots[4] = "Nastrojka slovarej ... ";
    }
}

void fill_main_messages(MessageTable& table, const std::string& mode) {
    if (mode == kModeRus) {
        table.slots[0] = u8"Файл словаря отсутствует. Перевод невозможен.";
        table.slots[1] = file_filter(u8"Файлы RTF (*.*)");
        table.slots[2] = u8"Прошло: ";
        table.slots[3] = u8" сек.";
        table.slots[4] = u8"Переведено: ";
        table.slots[5] = u8"Проблема с файлом словаря ";
        table.slots[6] = u8" неправильный формат данных. Программа будет закрыта.";
    } else {
        table.slots[0] = "Fail slovarja otsutstvuet. Perevod nevozmozhen.";
        table.slots[1] = file_filter("Faili RTF (*.*)");
        table.slots[2] = "Proshlo: ";
        table.slots[3] = " sek.";
        table.slots[4] = "Perevedeno: ";
        table.slots[5] = "Problemi s failom slovarja ";
        table.slots[6] = " nepraviljnij format dannih. Programma budet zakrita.";
    }
}

}  // namespace vorna
