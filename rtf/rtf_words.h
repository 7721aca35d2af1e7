#pragma once

#include <string_view>

namespace vorna::rtf {

// The control words the reader acts on. Every other word is ignored.
enum class Word {
    Unknown,
    // document and tables
    Rtf,
    Ansi,
    AnsiCodePage,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    FontTable,
    ColourTable,
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Colour,
    // text
    Paragraph,
    ParagraphDefaults,
    Line,
    Tab,
    Cell,
    Row,
    Unicode,
    UnicodeSkip,
    Binary,
    // destinations whose content is shown: fields keep their result text
    FieldResult,
    // destinations never shown
    SkippedDestination,
    // single characters
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    ZeroWidthBreak,
    LeftToRightMark,
    RightToLeftMark,
};

Word word_of(std::string_view name);

}  // namespace vorna::rtf
