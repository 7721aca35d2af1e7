#include "core/dictionary/dictionary_store.h"

#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna {

namespace {

constexpr int32_t kLetterCount = 26;

// The code the prefix formula uses for a character: its Windows-1251 byte
// where the code page has one, otherwise a number above 255, which only
// decides where such an odd headword lands.
int32_t prefix_code(uint32_t code_point) {
    if (code_point < 0x80)
        return static_cast<int32_t>(code_point);
    if (const auto byte = windows_1251_byte(code_point))
        return *byte;
    return static_cast<int32_t>(256 + code_point);
}

}  // namespace

int32_t prefix_slot(const std::string& word) {
    std::size_t pos = 0;
    if (word.empty())
        return -1;
    const uint32_t first = next_code_point(word, pos);
    if (pos >= word.size())
        return -1;  // one character has no prefix
    const uint32_t second = next_code_point(word, pos);
    return kLetterCount * (prefix_code(first) - 'a') + (prefix_code(second) - 'a');
}

void build_char_classes(DictionaryStore& store) {
    for (int code = 'A'; code <= 'Z'; ++code)
        store.char_class[static_cast<std::size_t>(code)] = 1;
    for (int code = 'a'; code <= 'z'; ++code)
        store.char_class[static_cast<std::size_t>(code)] = 1;
    store.char_class['\''] = 1;
    store.char_class['-'] = 1;
}

void fill_index_gaps(DictionaryStore& store) {
    int32_t carried = 0;
    for (int32_t slot = 0; slot < kLetterPairSlots; ++slot) {
        PrefixSlot& entry = store.prefix_index[static_cast<std::size_t>(slot)];
        if (entry.first_entry != 0) {
            carried = entry.first_entry;
        } else {
            entry.first_entry = carried;
        }
        if (entry.last_entry != 0) {
            carried = entry.last_entry;
        } else {
            entry.last_entry = carried;
        }
    }
}

}  // namespace vorna
