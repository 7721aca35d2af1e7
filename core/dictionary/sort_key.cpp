#include "core/dictionary/sort_key.h"

#include "core/text/text_case.h"

namespace vorna {

SortKeyMaker::SortKeyMaker(TextDecoder& decoder) : decoder_(decoder) {
    for (int byte = 0; byte < 256; ++byte) {
        const auto value = static_cast<unsigned char>(byte);
        lowered_windows_1251_.set(value, lower_headword(decoder.windows_1251_text(value)));
    }
}

std::string SortKeyMaker::key(std::string_view line) const {
    if (decoder_.encoding() == SourceEncoding::utf8)
        return lower_headword(decoder_.decode(line));
    std::string key;
    lowered_windows_1251_.append_all(line, key);
    return key;
}

}  // namespace vorna
