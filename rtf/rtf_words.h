#pragma once

#include <string_view>

namespace vorna::rtf {

// What a control word the reader acts on means. Every other word is ignored.
enum class Word {
    unknown,
    // document and tables
    rtf,
    code_page,  // a document code page of its own: \ansi, \mac, \pc, \pca
    ansi_code_page,
    default_font,
    font_table,
    colour_table,
    font,
    font_charset,
    font_code_page,
    red,
    green,
    blue,
    // character formatting
    plain,
    bold,
    italic,
    underline,
    underline_none,
    strike,
    font_size,
    colour,
    // text
    paragraph,
    paragraph_defaults,
    character,  // one character of its own: \line, \tab, \emdash, \zwj ...
    unicode,
    unicode_skip,
    // destinations whose content is shown: fields keep their result text
    field_result,
    // destinations never shown
    skipped_destination,
};

// A control word as the reader sees it: its meaning, and for words that stand
// for one character or one code page, that character (a UTF-16 code unit) or
// code page.
struct ControlWord {
    Word word = Word::unknown;
    int value = 0;
};

ControlWord word_of(std::string_view name);

}  // namespace vorna::rtf
