#include "core/dictionary/dictionary_rule.h"

#include "core/dictionary/dictionary_file.h"
#include "core/text/text_encoding.h"

namespace vorna {

DictionaryFault dictionary_fault(std::string_view bytes) {
    if (starts_with_byte_order_mark(bytes))
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    bool any_line = false;
    bool record = false;
    for_each_line(bytes, [&](std::string_view line) {
        any_line = any_line || !line.empty();
        record = record || (!line.empty() && line.front() >= 'a' && line.front() <= 'z');
    });
    if (record)
        return DictionaryFault::none;
    return any_line ? DictionaryFault::no_record : DictionaryFault::empty;
}

Status dictionary_fault_status(DictionaryFault fault, const std::string& path) {
    switch (fault) {
        case DictionaryFault::none:
            break;
        case DictionaryFault::empty:
            return Status::failure(path, "the file is empty");
        case DictionaryFault::no_record:
            return Status::failure(path, "holds no dictionary record");
    }
    return {};
}

}  // namespace vorna
