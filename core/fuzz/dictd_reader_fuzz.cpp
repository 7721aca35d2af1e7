// libFuzzer target for the dictd reader: the input is an index and a data
// file, split at the first NUL byte; every record is looked up and rendered.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/dictionary/article_text.h"
#include "core/dictionary/dictd_data.h"
#include "core/dictionary/dictd_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    std::vector<vorna::DictdIndexRecord> records;
    std::string reason;
    vorna::parse_dictd_index(input.substr(0, split), records, reason);

    // The data file is read through the file system, as the program reads it.
    const std::string path = "/tmp/dictd-fuzz-" + std::to_string(getpid()) + ".dict.dz";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        const std::string_view data = input.substr(std::min(split + 1, input.size()));
        std::fwrite(data.data(), 1, data.size(), file);
        std::fclose(file);
    }
    vorna::DictdData data;
    if (data.open(path).ok()) {
        std::string text;
        for (const vorna::DictdIndexRecord& record : records) {
            if (data.read(record.location, text).ok())
                vorna::render_article(text);
        }
    }
    vorna::render_article(input);
    std::remove(path.c_str());
    return 0;
}
