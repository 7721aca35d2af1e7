#include "core/text/iconv_converter.h"

#include <cerrno>

namespace vorna {

IconvConverter::IconvConverter(const char* to, const char* from)
    : converter_(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() {
    if (valid())
        iconv_close(converter_);
}

std::size_t IconvConverter::convert_prefix(std::string_view in, std::string& out) {
    if (!valid() || in.empty())
        return 0;
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char* in_next = const_cast<char*>(in.data());  // iconv's interface is not const-correct
    std::size_t in_left = in.size();
    for (;;) {
        // Four output bytes per input byte hold any encoding we convert into UTF-8.
        const std::size_t start = out.size();
        std::size_t out_left = in_left * 4 + 16;
        out.resize(start + out_left);
        char* out_next = out.data() + start;
        const std::size_t status = iconv(converter_, &in_next, &in_left, &out_next, &out_left);
        out.resize(out.size() - out_left);
        if (status != static_cast<std::size_t>(-1) || errno != E2BIG || in_left == 0)
            break;
    }
    return in.size() - in_left;
}

}  // namespace vorna
