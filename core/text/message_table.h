#pragma once

#include <array>
#include <string>

namespace vorna {

// The interface language mode: empty until the main window has loaded.
// "rus" means Cyrillic is shown; "cyr" means it is not and translit is used.
inline constexpr const char* kModeRus = "rus";
inline constexpr const char* kModeCyr = "cyr";

// Sixteen interface strings read by index; a slot never written reads as "".
struct MessageTable {
    static constexpr int kSlotCount = 16;
    std::array<std::string, kSlotCount> slots;

    // Any index outside 0..15 also reads as "".
    const std::string& operator[](int index) const;
};

// Said after a load that had to leave records out, before their number.
inline constexpr const char* kRecordsLeftOutCyrillic =
    "Словарь больше 60000 записей. Не загружено записей: ";
inline constexpr const char* kRecordsLeftOutTranslit =
    "Slovarj boljshe 60000 zapisej. Ne zagruzheno zapisej: ";

// Slots 0..4 for the loading window, in the script its own check chose.
void fill_loading_messages(MessageTable& table, bool cyrillic_shown);
// Slots 0..6 for everything after the main window's load.
void fill_main_messages(MessageTable& table, const std::string& mode);

}  // namespace vorna
