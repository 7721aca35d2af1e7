#include "core/dictionary/dictionary_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/text/text_encoding.h"

namespace vorna {
namespace {

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    for_each_line(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(dictionary_file, lines_end_in_crlf_or_lf_and_the_last_needs_no_end) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(lines_of("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(lines_of("a\r\n\r\n\nb\r\n"), (Lines{"a", "", "", "b"}));
    // A CR that ends no line is an ordinary byte.
    EXPECT_EQ(lines_of("a\rb\r\r\nc\r"), (Lines{"a\rb\r", "c\r"}));
    EXPECT_EQ(lines_of(""), Lines{});
}

TEST(dictionary_file, fields_follow_the_quoting_rules) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cat,kot,kot", "cat|kot|kot"},
        {"  cat  ,  kot ,\tkot\t", "cat|kot|kot"},
        {"set,\"one, two\",\"odin, dva\"", "set|one, two|odin, dva"},
        {"set,\"a\" junk ,b", "set|a|b"},
        {"set,\"unclosed, still here", "set|unclosed, still here|"},
        {"set,\"\",", "set||"},
        {"alone", "alone||"},
        {"", "||"},
    };
    for (const auto& [line, expected] : cases) {
        const DictionaryRecord record = parse_record(line);
        const std::string fields = std::string(record.headword) + "|" +
                                   std::string(record.translation) + "|" +
                                   std::string(record.translit);
        EXPECT_EQ(fields, expected) << line;
    }
}

TEST(text_encoding, detection_prefers_windows_1251_unless_the_bytes_are_utf8) {
    EXPECT_EQ(detect_source_encoding("cat,\xEA\xEE\xF2,kot"), SourceEncoding::windows_1251);
    EXPECT_EQ(detect_source_encoding("cat,\xD0\xBA\xD0\xBE\xD1\x82,kot"), SourceEncoding::utf8);
    EXPECT_EQ(detect_source_encoding("\xEF\xBB\xBF"
                                     "cat,kot,kot"),
              SourceEncoding::utf8);
    EXPECT_EQ(detect_source_encoding("cat,kot,kot"), SourceEncoding::windows_1251);
    // Valid sequences first, then a stray byte: the file is not UTF-8.
    EXPECT_EQ(detect_source_encoding("\xD0\xBA\xD0"), SourceEncoding::windows_1251);
}

TEST(text_encoding, decoding_keeps_every_byte) {
    TextDecoder windows(SourceEncoding::windows_1251);
    EXPECT_EQ(windows.decode("\xEA\xEE\xF2 \xA8\xB8 \x88"), u8"кот Ёё €");
    EXPECT_EQ(windows.decode(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(windows.decode("\x98"), "\xC2\x98");  // the one byte the code page leaves free

    TextDecoder utf8(SourceEncoding::utf8);
    EXPECT_EQ(utf8.decode(u8"кот"), u8"кот");
    // A stray byte in UTF-8 text is read as Windows-1251 rather than lost.
    EXPECT_EQ(utf8.decode("\xD0\xBA\xEA\xD0"), u8"ккР");
}

}  // namespace
}  // namespace vorna
