#include "dict/glossary.h"

#include <string>

#include "core/dictionary/dictionary_file.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna::dict {

namespace {

std::vector<std::string> columns_of(std::string_view line) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        columns.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return columns;
        start = tab + 1;
    }
}

bool is_blank_line(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool is_count(const std::string& column) {
    return !column.empty() && column.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

Glossary read_glossary(std::string_view text) {
    Glossary glossary;
    if (starts_with_byte_order_mark(text))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    std::size_t number = 0;
    for_each_line(text, [&](std::string_view line) {
        ++number;
        if (is_blank_line(line) || line.front() == '#')
            return;
        if (!is_valid_utf8(std::string(line))) {
            glossary.faults.push_back({number, GlossaryFault::not_utf8});
            return;
        }
        std::vector<std::string> columns = columns_of(line);
        RecordText record;
        if (columns.size() == 2 || columns.size() == 3) {
            record.headword = std::move(columns[0]);
            record.translation = std::move(columns[1]);
            if (columns.size() == 3)
                record.translit = std::move(columns[2]);
        } else if (columns.size() >= 4 && columns.size() <= 6 && is_count(columns[1])) {
            if (columns.size() == 4 || is_blank_line(columns[4])) {
                ++glossary.untranslated_rows;
                return;
            }
            record.headword = std::move(columns[0]);
            record.translation = std::move(columns[4]);
            if (columns.size() == 6)
                record.translit = std::move(columns[5]);
        } else {
            glossary.faults.push_back({number, GlossaryFault::not_a_record});
            return;
        }
        glossary.entries.push_back({number, std::move(record)});
    });
    return glossary;
}

}  // namespace vorna::dict
