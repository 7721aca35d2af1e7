#include "core/dictionary/dictionary_loader.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_file.h"
#include "core/dictionary/sort_key.h"
#include "core/dictionary/working_copy.h"
#include "core/io/file_bytes.h"
#include "core/io/work_folder.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna {

namespace {

constexpr const char* kSourceName = "qd.dat";
constexpr const char* kWorkingCopyName = "qd1.dat";

// One accepted line of a letter group: its bytes as in qd.dat and the key it
// sorts by (the decoded line, lower-cased).
struct GroupLine {
    std::string key;
    std::string_view bytes;
};

// The bytes of qd.dat after a byte order mark, which is no part of the first line.
std::string_view source_text(const std::string& bytes) {
    std::string_view text = bytes;
    if (starts_with_byte_order_mark(text))
        text.remove_prefix(kUtf8ByteOrderMark.size());
    return text;
}

// Sort phase: one pass over qd.dat per letter, each group sorted and appended
// to the working copy. Returns the encoding the source was read in.
SourceEncoding sort_into_working_copy(const std::string& source_path, WorkingCopy& working_copy,
                                      LoadProgressSink& sink) {
    std::string source_bytes;  // reused by every pass
    std::optional<TextDecoder> decoder;
    std::optional<SortKeyMaker> sort_key;
    SourceEncoding encoding = SourceEncoding::windows_1251;
    int32_t running_count = 0;
    std::vector<GroupLine> group;
    std::string group_bytes;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        read_whole_file(source_path, source_bytes);
        if (!decoder) {
            encoding = detect_source_encoding(source_bytes);
            decoder.emplace(encoding);
            sort_key.emplace(*decoder);
        }
        for_each_line(source_text(source_bytes), [&](std::string_view line) {
            if (!starts_with_letter(line, letter))
                return;
            group.push_back({sort_key->key(line), line});
            ++running_count;
            sink.process_pending_events();
        });
        // Equal keys keep their order in qd.dat.
        std::stable_sort(group.begin(), group.end(),
                         [](const GroupLine& a, const GroupLine& b) { return a.key < b.key; });
        group_bytes.clear();
        for (const GroupLine& line : group) {
            group_bytes.append(line.bytes);
            group_bytes.append("\r\n");
        }
        working_copy.append(group_bytes);
        sink.letter_done(letter, running_count);
        group.clear();
    }
    return encoding;
}

// Empties a store in place; its tables keep their fixed size.
void clear_store(DictionaryStore& store) {
    for (int32_t row = 1; row <= store.entry_count; ++row) {
        store.entries[static_cast<std::size_t>(row)] = DictionaryEntry();
    }
    store.prefix_index.fill(PrefixSlot());
    store.char_class.fill(0);
    store.entry_count = 0;
    store.records_left_out = 0;
    store.lookup = LookupIndex();
}

void index_entry(DictionaryStore& store, int32_t row) {
    const int32_t slot = prefix_slot(store.entries[static_cast<std::size_t>(row)].word_eng);
    if (slot < 0 || slot >= kPrefixSlots)
        return;  // one letter, or no slot for this prefix
    PrefixSlot& prefix = store.prefix_index[static_cast<std::size_t>(slot)];
    if (prefix.first_entry == 0) {
        prefix.first_entry = row;
    } else {
        prefix.last_entry = row;
    }
}

// Load phase: every record of the working copy into the next row, as long as
// the table has rows left; the rest are only counted.
void load_working_copy(DictionaryStore& store, const WorkingCopy& working_copy,
                       SourceEncoding encoding, LoadProgressSink& sink) {
    const std::string copy = working_copy.read_back();
    TextDecoder decoder(encoding);
    for_each_line(copy, [&](std::string_view line) {
        if (store.entry_count < kMaxEntries) {
            const DictionaryRecord record = parse_record(line);
            const int32_t row = ++store.entry_count;
            DictionaryEntry& entry = store.entries[static_cast<std::size_t>(row)];
            entry.word_eng = lower_headword(decoder.decode(record.headword));
            entry.word_rus = decoder.decode(record.translation);
            entry.word_translit = decoder.decode(record.translit);
            index_entry(store, row);
        } else {
            ++store.records_left_out;
        }
        sink.process_pending_events();
    });
}

}  // namespace

bool load_dictionary(DictionaryStore& store, const std::string& application_folder,
                     LoadProgressSink& sink) {
    const std::string folder = application_folder.empty() ? "." : application_folder;
    return load_dictionary_file(store, folder + "/" + kSourceName, folder, sink);
}

bool load_dictionary_file(DictionaryStore& store, const std::string& source_path,
                          const std::string& work_folder, LoadProgressSink& sink) {
    // A source that cannot be read is as good as missing: loading on without
    // it would open a translator that knows no word.
    if (!is_readable_file(source_path)) {
        sink.dictionary_missing();
        return false;
    }
    clear_store(store);
    const WorkFolder folder(work_folder);
    WorkingCopy working_copy(folder.file(kWorkingCopyName));
    const SourceEncoding encoding = sort_into_working_copy(source_path, working_copy, sink);
    sink.indexing_started();
    load_working_copy(store, working_copy, encoding, sink);
    working_copy.remove();
    build_char_classes(store);
    fill_index_gaps(store);
    store.lookup.build(store.entries, store.entry_count);
    if (store.records_left_out > 0)
        sink.records_left_out(store.records_left_out);
    return true;
}

}  // namespace vorna
