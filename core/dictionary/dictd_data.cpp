#include "core/dictionary/dictd_data.h"

#include <zlib.h>

#include <memory>

#include "core/io/file_bytes.h"

namespace vorna {

namespace {

constexpr unsigned char kGzipMagic[2] = {0x1f, 0x8b};
constexpr unsigned kExtraField = 0x04;
constexpr unsigned kNameField = 0x08;
constexpr unsigned kCommentField = 0x10;
constexpr unsigned kHeaderCrc = 0x02;

uint32_t little_endian16(const std::string& bytes, std::size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

// A raw deflate stream, freed however the inflation ends.
class RawInflater {
  public:
    RawInflater() { ok_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }
    ~RawInflater() {
        if (ok_)
            inflateEnd(&stream_);
    }
    RawInflater(const RawInflater&) = delete;
    RawInflater& operator=(const RawInflater&) = delete;

    // Inflates `in` into `out`, which has room for all it may yield; returns
    // the bytes made, or -1 when the data is damaged.
    long inflate_all(std::string& in, std::string& out) {
        if (!ok_)
            return -1;
        stream_.next_in = reinterpret_cast<Bytef*>(in.data());
        stream_.avail_in = static_cast<uInt>(in.size());
        stream_.next_out = reinterpret_cast<Bytef*>(out.data());
        stream_.avail_out = static_cast<uInt>(out.size());
        const int result = inflate(&stream_, Z_SYNC_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END)
            return -1;
        return static_cast<long>(out.size() - stream_.avail_out);
    }

  private:
    z_stream stream_{};
    bool ok_ = false;
};

}  // namespace

Status DictdData::damaged(const std::string& what) const {
    return Status::failure(path_, what);
}

Status DictdData::open(const std::string& path) {
    path_ = path;
    file_.close();
    file_.clear();
    chunk_starts_.clear();
    compressed_ = false;
    recent_ = {};
    const Status readable = check_readable_file(path);
    if (!readable.ok())
        return readable;
    file_.open(path, std::ios::binary);
    if (!file_)
        return Status::from_errno(errno, path);
    file_.seekg(0, std::ios::end);
    file_size_ = static_cast<uint64_t>(file_.tellg());
    file_.seekg(0);
    return parse_header();
}

// gzip header (RFC 1952) with dictzip's "RA" extra field: version 1, chunk
// length, chunk count, then each chunk's compressed size, all 16-bit.
Status DictdData::parse_header() {
    std::string head(12, '\0');
    file_.read(head.data(), 12);
    if (file_.gcount() < 12 || static_cast<unsigned char>(head[0]) != kGzipMagic[0] ||
        static_cast<unsigned char>(head[1]) != kGzipMagic[1] || head[2] != 8) {
        file_.clear();
        return {};  // plain text
    }
    compressed_ = true;
    const auto flags = static_cast<unsigned char>(head[3]);
    if ((flags & kExtraField) == 0)
        return {};
    const uint32_t extra_length = little_endian16(head, 10);
    std::string extra(extra_length, '\0');
    file_.read(extra.data(), extra_length);
    if (static_cast<uint32_t>(file_.gcount()) != extra_length)
        return damaged("the compressed file is cut short");
    uint64_t data_start = 12 + uint64_t{extra_length};
    std::vector<uint32_t> sizes;
    for (std::size_t at = 0; at + 4 <= extra.size();) {
        const uint32_t field_length = little_endian16(extra, at + 2);
        const bool random_access = extra[at] == 'R' && extra[at + 1] == 'A';
        at += 4;
        if (at + field_length > extra.size())
            return damaged("the compressed file's header is damaged");
        if (random_access && field_length >= 6 && little_endian16(extra, at) == 1) {
            chunk_length_ = little_endian16(extra, at + 2);
            const uint32_t count = little_endian16(extra, at + 4);
            if (6 + 2 * uint64_t{count} > field_length || chunk_length_ == 0)
                return damaged("the compressed file's chunk list is damaged");
            for (uint32_t i = 0; i < count; ++i)
                sizes.push_back(little_endian16(extra, at + 6 + 2 * std::size_t{i}));
        }
        at += field_length;
    }
    // Name and comment end in a zero byte; a header CRC is two bytes.
    for (const unsigned field : {kNameField, kCommentField}) {
        if ((flags & field) == 0)
            continue;
        file_.seekg(static_cast<std::streamoff>(data_start));
        char c = 1;
        while (file_.get(c) && c != '\0')
            ++data_start;
        if (!file_)
            return damaged("the compressed file is cut short");
        ++data_start;
    }
    if ((flags & kHeaderCrc) != 0)
        data_start += 2;
    if (sizes.empty())
        return {};
    chunk_starts_.push_back(data_start);
    for (const uint32_t size : sizes)
        chunk_starts_.push_back(chunk_starts_.back() + size);
    if (chunk_starts_.back() > file_size_) {
        chunk_starts_.clear();
        return damaged("the compressed file is cut short");
    }
    return {};
}

Status DictdData::chunk(std::size_t number, const std::string*& text) {
    for (const Chunk& held : recent_) {
        if (held.number == number) {
            text = &held.text;
            return {};
        }
    }
    const uint64_t start = chunk_starts_[number];
    std::string compressed(static_cast<std::size_t>(chunk_starts_[number + 1] - start), '\0');
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(start));
    file_.read(compressed.data(), static_cast<std::streamsize>(compressed.size()));
    if (static_cast<std::size_t>(file_.gcount()) != compressed.size())
        return Status::from_errno(errno, path_);
    Chunk& slot = recent_[next_slot_];
    next_slot_ = (next_slot_ + 1) % recent_.size();
    slot.number = SIZE_MAX;
    slot.text.assign(chunk_length_, '\0');
    RawInflater inflater;
    const long made = inflater.inflate_all(compressed, slot.text);
    const bool last = number + 2 == chunk_starts_.size();
    if (made < 0 || (!last && made != static_cast<long>(chunk_length_)))
        return damaged("the compressed data is damaged");
    slot.text.resize(static_cast<std::size_t>(made));
    slot.number = number;
    text = &slot.text;
    return {};
}

Status DictdData::read_streamed(const DictdLocation& where, std::string& text) {
    if (where.offset > static_cast<uint64_t>(INT64_MAX) - kMaxArticleBytes)
        return damaged("an article lies past the end of the text");
    if (compressed_ && where.offset > kMaxUnchunkedOffset)
        return damaged("an article lies too far into a compressed file without a chunk list");
    const std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path_.c_str(), "rb"), gzclose);
    if (!file)
        return Status::from_errno(errno, path_);
    // Plain text passes through as it is; seeking in it is a real seek.
    int error = Z_OK;
    if (gzseek(file.get(), static_cast<z_off_t>(where.offset), SEEK_SET) < 0) {
        gzerror(file.get(), &error);
        return damaged(error == Z_DATA_ERROR ? "the compressed data is damaged"
                                             : "the compressed file is cut short");
    }
    text.resize(static_cast<std::size_t>(where.length));
    std::size_t filled = 0;
    while (filled < text.size()) {
        const int got =
            gzread(file.get(), text.data() + filled, static_cast<unsigned>(text.size() - filled));
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled == text.size())
        return {};
    text.clear();
    // A cut-short file reads as an early end, told only by the error state.
    gzerror(file.get(), &error);
    if (error == Z_DATA_ERROR || error == Z_STREAM_ERROR)
        return damaged("the compressed data is damaged");
    if (error != Z_OK)
        return damaged("the compressed file is cut short");
    return damaged("an article lies past the end of the text");
}

Status DictdData::read(const DictdLocation& where, std::string& text) {
    text.clear();
    if (path_.empty())
        return Status::failure("", "no dictionary text is open");
    if (where.length > kMaxArticleBytes)
        return damaged("an article is longer than any article can be");
    if (!random_access())
        return read_streamed(where, text);
    const std::size_t chunk_count = chunk_starts_.size() - 1;
    const uint64_t capacity = uint64_t{chunk_length_} * chunk_count;
    if (where.offset > capacity || where.length > capacity - where.offset)
        return damaged("an article lies past the end of the text");
    uint64_t at = where.offset;
    const uint64_t end = where.offset + where.length;
    while (at < end) {
        const std::size_t number = static_cast<std::size_t>(at / chunk_length_);
        const std::string* piece = nullptr;
        const Status status = chunk(number, piece);
        if (!status.ok()) {
            text.clear();
            return status;
        }
        const uint64_t within = at - uint64_t{number} * chunk_length_;
        if (within >= piece->size()) {
            text.clear();
            return damaged("an article lies past the end of the text");
        }
        const uint64_t take = std::min<uint64_t>(piece->size() - within, end - at);
        text.append(*piece, static_cast<std::size_t>(within), static_cast<std::size_t>(take));
        at += take;
    }
    return {};
}

}  // namespace vorna
