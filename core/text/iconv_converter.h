#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace vorna {

// One iconv conversion, from one encoding to another, closed with the object.
// Every conversion between encodings in the program goes through it.
class IconvConverter {
  public:
    // `valid()` is false when iconv does not know the pair.
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool valid() const { return converter_ != kNoConverter; }

    // Converts from the start of `in` and appends the result to `out`,
    // stopping before the first sequence the source encoding cannot read or
    // that is cut off. Returns the number of bytes of `in` converted.
    std::size_t convert_prefix(std::string_view in, std::string& out);

  private:
    static inline const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
    iconv_t converter_;
};

}  // namespace vorna
