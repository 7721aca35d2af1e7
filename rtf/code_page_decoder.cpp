#include "rtf/code_page_decoder.h"

#include <iconv.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace vorna::rtf {
namespace {

constexpr int kFallbackCodePage = 1252;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// iconv's names for the code pages whose "CP<n>" spelling it does not know.
std::string iconv_name(int code_page) {
    switch (code_page) {
        case 10000:
            return "MACINTOSH";
        case 10007:
            return "MAC-CYRILLIC";
        case 20866:
            return "KOI8-R";
        case 21866:
            return "KOI8-U";
        case 28591:
            return "ISO-8859-1";
        case 28595:
            return "ISO-8859-5";
        case 65001:
            return "UTF-8";
        case 1361:
            return "JOHAB";
        case 949:
            return "UHC";
        case 950:
            return "BIG5";
        case 936:
            return "GBK";
        default:
            return "CP" + std::to_string(code_page);
    }
}

}  // namespace

CodePageDecoder::~CodePageDecoder() {
    for (auto& [code_page, converter] : converters_) {
        if (converter != nullptr) {
            iconv_close(static_cast<iconv_t>(converter));
        }
    }
}

void* CodePageDecoder::converter_for(int code_page) {
    auto found = converters_.find(code_page);
    if (found != converters_.end()) {
        return found->second;
    }
    iconv_t converter = iconv_open("UTF-8", iconv_name(code_page).c_str());
    void* stored = converter == kNoConverter ? nullptr : static_cast<void*>(converter);
    converters_.emplace(code_page, stored);
    return stored;
}

QString CodePageDecoder::decode(int code_page, const char* bytes, qsizetype size) {
    void* handle = converter_for(code_page);
    if (handle == nullptr && code_page != kFallbackCodePage) {
        handle = converter_for(kFallbackCodePage);
    }
    if (handle == nullptr) {
        return QString::fromLatin1(bytes, size);
    }
    auto converter = static_cast<iconv_t>(handle);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);

    // Every code page we meet needs at most four UTF-8 bytes per input byte.
    std::string out(static_cast<size_t>(size) * 4 + 16, '\0');
    char* in_ptr = const_cast<char*>(bytes);
    size_t in_left = static_cast<size_t>(size);
    char* out_ptr = out.data();
    size_t out_left = out.size();
    while (in_left > 0) {
        if (iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            break;  // cannot happen with the size above; never loop forever
        }
        // An invalid or cut-off sequence: mark it and go on with the next byte.
        static constexpr char kReplacement[] = "\xEF\xBF\xBD";
        if (out_left < 3) {
            break;
        }
        for (char c : std::string_view(kReplacement, 3)) {
            *out_ptr++ = c;
        }
        out_left -= 3;
        ++in_ptr;
        --in_left;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out_ptr - out.data()));
}

int code_page_of_charset(int charset) {
    switch (charset) {
        case 0:
            return 1252;
        case 2:
            return 1252;  // Symbol fonts: their glyphs sit on the Latin byte values
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 130:
            return 1361;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 254:
            return 437;
        case 255:
            return 850;
        default:
            return 0;
    }
}

}  // namespace vorna::rtf
