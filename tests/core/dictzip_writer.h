#pragma once

#include <zlib.h>

#include <string>
#include <vector>

namespace vorna::testing {

// Compresses `text` the way dictzip does: one deflate stream flushed fully
// every `chunk_length` bytes, with the chunks' compressed sizes listed in the
// gzip header's "RA" field, so each chunk inflates on its own.
inline std::string dictzip(const std::string& text, unsigned chunk_length) {
    std::vector<std::string> chunks;
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    for (std::size_t at = 0; at < text.size(); at += chunk_length) {
        std::string piece = text.substr(at, chunk_length);
        std::string out(deflateBound(&stream, piece.size()) + 64, '\0');
        stream.next_in = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_in = static_cast<uInt>(piece.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, at + chunk_length >= text.size() ? Z_FINISH : Z_FULL_FLUSH);
        out.resize(out.size() - stream.avail_out);
        chunks.push_back(out);
    }
    deflateEnd(&stream);
    const auto put16 = [](std::string& s, std::size_t v) {
        s += static_cast<char>(v & 0xff);
        s += static_cast<char>((v >> 8) & 0xff);
    };
    std::string extra = "RA";
    put16(extra, 6 + 2 * chunks.size());
    put16(extra, 1);
    put16(extra, chunk_length);
    put16(extra, chunks.size());
    for (const std::string& chunk : chunks)
        put16(extra, chunk.size());
    std::string file("\x1f\x8b\x08\x04\0\0\0\0\x02\x03", 10);
    put16(file, extra.size());
    file += extra;
    for (const std::string& chunk : chunks)
        file += chunk;
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
    for (const std::size_t word : {std::size_t{crc}, text.size()}) {  // each 32 bits, low first
        put16(file, word & 0xffff);
        put16(file, (word >> 16) & 0xffff);
    }
    return file;
}

// A plain gzip file of `text`, with no chunk list.
inline std::string gzip(const std::string& text) {
    std::string out(compressBound(static_cast<uLong>(text.size())) + 64, '\0');
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, MAX_WBITS + 16, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(out.size() - stream.avail_out);
    deflateEnd(&stream);
    return out;
}

}  // namespace vorna::testing
