#include "qd_writer.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "translit.h"
#include "utf8_text.h"

namespace qd_import {
namespace {

std::string quoted_if_needed(const std::string& field) {
    return field.find(',') == std::string::npos ? field : "\"" + field + "\"";
}

class Windows1251Encoder {
  public:
    Windows1251Encoder() : converter_(iconv_open("CP1251", "UTF-8")) {
        if (converter_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert UTF-8 to CP1251");
        }
    }
    ~Windows1251Encoder() { iconv_close(converter_); }
    Windows1251Encoder(const Windows1251Encoder&) = delete;
    Windows1251Encoder& operator=(const Windows1251Encoder&) = delete;

    // False when the text holds a character the code page lacks.
    bool encode(const std::string& utf8, std::string& out) {
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        std::string input = utf8;
        std::string buffer(utf8.size() + 1, '\0');  // one byte per character at most
        char* in = input.data();
        std::size_t in_left = input.size();
        char* target = buffer.data();
        std::size_t out_left = buffer.size();
        if (iconv(converter_, &in, &in_left, &target, &out_left) == static_cast<std::size_t>(-1)) {
            return false;
        }
        out.assign(buffer.data(), buffer.size() - out_left);
        return true;
    }

  private:
    iconv_t converter_;
};

}  // namespace

std::string field_safe(const std::string& text) {
    std::string out;
    bool quote_open = false;
    for (const char c : text) {
        if (c == '"') {
            out += quote_open ? "»" : "«";
            quote_open = !quote_open;
        } else if (c == '\r' || c == '\n' || c == '\t') {
            out += ' ';
        } else {
            out += c;
        }
    }
    return trim(out);
}

std::string qd_line(const QdRecord& record) {
    const std::string russian = field_safe(record.translation);
    return record.headword + "," + quoted_if_needed(russian) + "," +
           quoted_if_needed(transliterate(russian));
}

WriteResult write_qd_file(const std::string& path, const std::vector<QdRecord>& records) {
    Windows1251Encoder encoder;
    WriteResult result;
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            throw std::runtime_error("cannot write " + temporary);
        }
        std::string bytes;
        for (const QdRecord& record : records) {
            if (encoder.encode(qd_line(record), bytes)) {
                out << bytes << "\r\n";
                ++result.written;
            } else {
                result.refused.push_back(record.headword);
            }
        }
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("cannot write " + temporary);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot replace " + path);
    }
    return result;
}

}  // namespace qd_import
