#include "dictd_source.h"

#include <zlib.h>

#include <fstream>
#include <memory>
#include <stdexcept>

namespace qd_import {
namespace {

std::string read_possibly_compressed(const std::string& path) {
    const std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path.c_str(), "rb"), gzclose);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::string data;
    std::string buffer(1 << 16, '\0');
    for (;;) {
        const int got = gzread(file.get(), buffer.data(), static_cast<unsigned>(buffer.size()));
        if (got < 0) {
            throw std::runtime_error("cannot read " + path + " (damaged compressed data)");
        }
        if (got == 0) {
            break;
        }
        data.append(buffer, 0, static_cast<std::size_t>(got));
    }
    return data;
}

int digit_value(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '+') {
        return 62;
    }
    if (c == '/') {
        return 63;
    }
    return -1;
}

}  // namespace

bool decode_dictd_number(const std::string& digits, unsigned long long& value) {
    if (digits.empty() || digits.size() > 10) {
        return false;
    }
    value = 0;
    for (const char c : digits) {
        const int digit = digit_value(c);
        if (digit < 0) {
            return false;
        }
        value = value * 64 + static_cast<unsigned long long>(digit);
    }
    return true;
}

std::vector<DictdArticle> read_dictd(const std::string& index_path, const std::string& dict_path) {
    std::ifstream index(index_path, std::ios::binary);
    if (!index) {
        throw std::runtime_error("cannot open " + index_path);
    }
    const std::string data = read_possibly_compressed(dict_path);
    std::vector<DictdArticle> articles;
    std::string line;
    std::size_t line_number = 0;
    while (std::getline(index, line)) {
        ++line_number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            continue;  // not an index record
        }
        std::string key = line.substr(0, tab1);
        if (key.rfind("00-database", 0) == 0 || key.rfind("00database", 0) == 0) {
            continue;
        }
        unsigned long long offset = 0;
        unsigned long long length = 0;
        if (!decode_dictd_number(line.substr(tab1 + 1, tab2 - tab1 - 1), offset) ||
            !decode_dictd_number(line.substr(tab2 + 1), length) || offset > data.size() ||
            length > data.size() - offset) {
            throw std::runtime_error(index_path + ":" + std::to_string(line_number) +
                                     ": the record points outside " + dict_path);
        }
        articles.push_back({std::move(key), data.substr(offset, length)});
    }
    return articles;
}

}  // namespace qd_import
