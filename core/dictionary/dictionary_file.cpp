#include "core/dictionary/dictionary_file.h"

namespace vorna {

namespace {

// Reads one field starting at `pos` and leaves `pos` just past its comma, or
// at the line end.
std::string_view read_field(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && is_blank(line[pos]))
        ++pos;
    std::string_view value;
    const bool quoted = pos < line.size() && line[pos] == '"';
    if (quoted) {
        const std::size_t open = pos + 1;
        std::size_t close = line.find('"', open);
        if (close == std::string_view::npos)
            close = line.size();
        value = line.substr(open, close - open);
        pos = close;
    }
    std::size_t comma = line.find(',', pos);
    if (comma == std::string_view::npos)
        comma = line.size();
    if (!quoted) {
        value = line.substr(pos, comma - pos);
        while (!value.empty() && is_blank(value.back()))
            value.remove_suffix(1);
    }
    pos = comma < line.size() ? comma + 1 : line.size();
    return value;
}

}  // namespace

DictionaryRecord parse_record(std::string_view line) {
    std::size_t pos = 0;
    DictionaryRecord record;
    record.headword = read_field(line, pos);
    record.translation = read_field(line, pos);
    record.translit = read_field(line, pos);
    return record;
}

}  // namespace vorna
