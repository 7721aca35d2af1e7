#include "core/translator.h"

namespace vorna {

namespace {

bool starts_code_point(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

// Bytes are scanned directly: word characters are all ASCII, and every byte
// of a multi-byte UTF-8 sequence is >= 0x80, hence a separator, so separator
// runs are copied through byte for byte.
void text_line_translate(Translator& translator, TranslationHost& host,
                         const std::string& text_line_eng, int32_t len_eng,
                         std::string& text_line_rus) {
    text_line_rus.clear();
    if (len_eng <= 0)
        return;
    const std::string& separator = translator.type_of_translate;
    const bool text_output = separator.empty();

    // Only the first len_eng characters are scanned.
    std::size_t end = 0;
    for (int32_t characters = 0; end < text_line_eng.size(); ++end) {
        if (starts_code_point(text_line_eng[end]) && characters++ == len_eng)
            break;
    }

    std::string word;
    std::string result;
    std::size_t run_start = 0;
    bool in_word = false;
    for (std::size_t pos = 0; pos < end; ++pos) {
        const auto code = static_cast<unsigned char>(text_line_eng[pos]);
        const bool word_character = is_word_character(translator.store, code) && code < 0x80;
        if (word_character == in_word)
            continue;
        if (in_word) {
            word.assign(text_line_eng, run_start, pos - run_start);
            word_translate(translator, host, word, result, static_cast<int32_t>(pos - run_start));
            text_line_rus += result;
            text_line_rus += separator;
        } else if (text_output) {
            text_line_rus.append(text_line_eng, run_start, pos - run_start);
        }
        run_start = pos;
        in_word = word_character;
    }
    if (run_start == end)
        return;
    if (in_word) {
        word.assign(text_line_eng, run_start, end - run_start);
        word_translate(translator, host, word, result, static_cast<int32_t>(end - run_start));
        text_line_rus += result;
    } else {
        text_line_rus.append(text_line_eng, run_start, end - run_start);
    }
    text_line_rus += separator;
}

}  // namespace vorna
