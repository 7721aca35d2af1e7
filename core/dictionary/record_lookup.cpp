#include "core/dictionary/record_lookup.h"

#include "core/dictionary/dictionary_file.h"
#include "core/io/file_bytes.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna {

namespace {

std::string without_blanks_around(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

Status find_record(const std::string& path, const std::string& headword,
                   std::optional<RecordText>& record) {
    record.reset();
    std::string bytes;
    if (Status status = read_whole_file(path, bytes); !status.ok())
        return status;
    const std::string wanted = lower_headword(without_blanks_around(headword));
    std::string_view text = bytes;
    if (starts_with_byte_order_mark(text))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    TextDecoder decoder(detect_source_encoding(bytes));
    for_each_line(text, [&](std::string_view line) {
        if (record || line.empty() || line.front() < 'a' || line.front() > 'z')
            return;
        const DictionaryRecord fields = parse_record(line);
        if (lower_headword(decoder.decode(fields.headword)) == wanted) {
            record = RecordText{wanted, decoder.decode(fields.translation),
                                decoder.decode(fields.translit)};
        }
    });
    return {};
}

}  // namespace vorna
