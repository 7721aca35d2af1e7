#include <string_view>

#include "core/word_lookup.h"

namespace vorna {

namespace {

bool starts_code_point(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

// Bytes are scanned directly: word characters are all ASCII, and every byte
// of a multi-byte UTF-8 sequence is >= 0x80, hence a separator, so separator
// runs are copied through byte for byte. Each word's result is appended to
// the output as it is made, without a copy of its own.
void text_line_translate(Translator& translator, TranslationHost& host,
                         const std::string& text_line_eng, int32_t len_eng,
                         std::string& text_line_rus) {
    text_line_rus.clear();
    if (len_eng <= 0)
        return;
    const std::string_view line = text_line_eng;
    const std::string& separator = translator.type_of_translate;
    const bool text_output = separator.empty();

    // Only the first len_eng characters are scanned.
    std::size_t end = line.size();
    if (static_cast<std::size_t>(len_eng) < line.size()) {
        int32_t characters = 0;
        for (end = 0; end < line.size(); ++end) {
            if (starts_code_point(line[end]) && characters++ == len_eng)
                break;
        }
    }

    const auto add_word = [&](std::size_t start, std::size_t stop) {
        const std::string_view word = line.substr(start, stop - start);
        const WordLookup lookup =
            look_up_word(translator, host, word, static_cast<int32_t>(word.size()));
        append_word_result(text_line_rus, translator, word, lookup);
        text_line_rus += separator;
    };

    std::size_t run_start = 0;
    bool in_word = false;
    for (std::size_t pos = 0; pos < end; ++pos) {
        const auto code = static_cast<unsigned char>(line[pos]);
        const bool word_character = code < 0x80 && is_word_character(translator.store, code);
        if (word_character == in_word)
            continue;
        if (in_word) {
            add_word(run_start, pos);
        } else if (text_output) {
            text_line_rus.append(line, run_start, pos - run_start);
        }
        run_start = pos;
        in_word = word_character;
    }
    if (run_start == end)
        return;
    if (in_word) {
        add_word(run_start, end);
    } else {
        (text_line_rus.append(line, run_start, end - run_start)) += separator;
    }
}

}  // namespace vorna
