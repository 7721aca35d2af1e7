#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/dictionary/dictd_index.h"
#include "core/io/status.h"

namespace vorna {

// The text of a dictd dictionary: a `.dict` file, or a `.dict.dz` compressed
// by dictzip. A dictzip file is a gzip file whose header lists independently
// compressed chunks, so an article is read by inflating only the chunks it
// lies in. A gzip file without that list is inflated from its start up to
// the article, a piece at a time and never whole, and only so far: a
// damaged or hostile file costs neither the memory nor the time of its
// inflated size.
constexpr uint64_t kMaxArticleBytes = 1 << 20;               // longer is no article
constexpr uint64_t kMaxUnchunkedOffset = uint64_t{1} << 28;  // how far a chunkless file is inflated
class DictdData {
  public:
    // Opens the file and reads its chunk list; a header that lists more
    // data than the file holds is reported as damaged.
    Status open(const std::string& path);

    // The article's bytes. Fails, naming the file, when the article lies past
    // the end of the text or the compressed data is damaged.
    Status read(const DictdLocation& where, std::string& text);

    bool random_access() const { return !chunk_starts_.empty(); }

  private:
    struct Chunk {
        std::size_t number = SIZE_MAX;
        std::string text;
    };

    Status parse_header();
    Status chunk(std::size_t number, const std::string*& text);
    Status read_streamed(const DictdLocation& where, std::string& text);
    Status damaged(const std::string& what) const;

    std::string path_;
    std::ifstream file_;
    uint64_t file_size_ = 0;
    // dictzip: chunk length, where each chunk starts in the file (one more
    // entry than chunks, the last marking the end of the compressed data).
    uint32_t chunk_length_ = 0;
    std::vector<uint64_t> chunk_starts_;
    std::array<Chunk, 4> recent_;  // the chunks last inflated; articles are read nearby
    std::size_t next_slot_ = 0;
    bool compressed_ = false;  // gzip, with or without the chunk list
};

}  // namespace vorna
