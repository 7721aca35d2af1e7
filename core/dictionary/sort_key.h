#pragma once

#include <string>
#include <string_view>

#include "core/text/text_encoding.h"

namespace vorna {

// The key a line of a letter group sorts by: the line in UTF-8 after headword
// lower-casing. UTF-8 compared byte by byte orders by code point, so comparing
// keys compares whole lines case-blind by code point, whatever encoding the
// source came in.
class SortKeyMaker {
  public:
    explicit SortKeyMaker(TextDecoder& decoder);

    std::string key(std::string_view line) const;

  private:
    TextDecoder& decoder_;
    ByteTexts lowered_windows_1251_;  // for Windows-1251 sources
};

}  // namespace vorna
