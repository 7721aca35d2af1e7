#include "rtf/code_page_decoder.h"

#include <string>
#include <string_view>

namespace vorna::rtf {
namespace {

constexpr int kFallbackCodePage = 1252;

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

IconvConverter* CodePageDecoder::converter_for(int code_page) {
    auto found = converters_.find(code_page);
    if (found == converters_.end()) {
        auto converter = std::make_unique<IconvConverter>("UTF-8", iconv_name(code_page).c_str());
        if (!converter->valid())
            converter.reset();
        found = converters_.emplace(code_page, std::move(converter)).first;
    }
    return found->second.get();
}

QString CodePageDecoder::decode(int code_page, const char* bytes, qsizetype size) {
    IconvConverter* converter = converter_for(code_page);
    if (converter == nullptr && code_page != kFallbackCodePage) {
        converter = converter_for(kFallbackCodePage);
    }
    if (converter == nullptr) {
        return QString::fromLatin1(bytes, size);
    }
    std::string out;
    std::string_view rest(bytes, static_cast<std::size_t>(size));
    while (!rest.empty()) {
        rest.remove_prefix(converter->convert_prefix(rest, out));
        if (rest.empty())
            break;
        // An invalid or cut-off sequence: mark it and go on with the next byte.
        out += "\xEF\xBF\xBD";
        rest.remove_prefix(1);
    }
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
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
