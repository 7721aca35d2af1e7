#include "core/dictionary/dictionary_loader.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "core/dictionary/dictionary_file.h"
#include "core/dictionary/dictionary_rule.h"
#include "core/dictionary/sort_key.h"
#include "core/dictionary/working_copy.h"
#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/io/work_folder.h"
#include "core/text/text_case.h"
#include "core/text/text_encoding.h"

namespace vorna {

namespace {

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
// to the working copy. The file is read once, so every pass sees the same
// bytes even when the file changes during the load.
void sort_into_working_copy(const std::string& source_bytes, TextDecoder& decoder,
                            WorkingCopy& working_copy, LoadProgressSink& sink) {
    const SortKeyMaker sort_key(decoder);
    int32_t running_count = 0;
    std::vector<GroupLine> group;
    std::string group_bytes;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        for_each_line(source_text(source_bytes), [&](std::string_view line) {
            if (!starts_with_letter(line, letter))
                return;
            group.push_back({sort_key.key(line), line});
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
}

// Load phase: every record of the working copy into the next row, as long as
// the table has rows left; the rest are only counted.
Status load_working_copy(DictionaryStore& store, const WorkingCopy& working_copy,
                         TextDecoder& decoder, LoadProgressSink& sink) {
    std::string copy;
    if (Status status = working_copy.read_back(copy); !status.ok())
        return status;
    for_each_line(copy, [&](std::string_view line) {
        if (store.entry_count < kMaxEntries) {
            const DictionaryRecord record = parse_record(line);
            add_entry(store, decoder.decode(record.headword), decoder.decode(record.translation),
                      decoder.decode(record.translit));
        } else {
            ++store.records_left_out;
        }
        sink.process_pending_events();
    });
    return {};
}

// Loads `source_path`; an empty file is an empty dictionary only when
// `empty_loads` says so.
Status load_source(DictionaryStore& store, const std::string& source_path,
                   const std::string& work_folder, LoadProgressSink& sink, FileCalls& calls,
                   bool empty_loads) {
    // A source that cannot be read, or fails while it is read, is as good as
    // missing: loading on without it would open a translator that knows no
    // word, or only some letters.
    clear_store(store);
    std::string source_bytes;
    if (Status status = read_whole_file(source_path, source_bytes, calls); !status.ok()) {
        sink.dictionary_missing();
        return status;
    }
    if (const DictionaryFault fault = dictionary_fault(source_bytes);
        fault == DictionaryFault::no_record || (fault == DictionaryFault::empty && !empty_loads)) {
        sink.dictionary_missing();
        return dictionary_fault_status(fault, source_path);
    }
    TextDecoder decoder(detect_source_encoding(source_bytes));
    const WorkFolder folder(work_folder);
    folder.clear_stale_files();
    // So are those of corrections killed before they were put in place.
    clear_stale_temporaries(source_path);
    clear_stale_temporaries(source_path + std::string(kBackupSuffix));
    WorkingCopy working_copy(folder, calls);
    sort_into_working_copy(source_bytes, decoder, working_copy, sink);
    source_bytes = std::string();  // the working copy holds it all now
    sink.indexing_started();
    if (Status status = load_working_copy(store, working_copy, decoder, sink); !status.ok()) {
        clear_store(store);
        sink.dictionary_missing();
        return status;
    }
    working_copy.remove();
    finish_index(store);
    if (store.records_left_out > 0)
        sink.records_left_out(store.records_left_out);
    return {};
}

}  // namespace

Status load_dictionary(DictionaryStore& store, const std::string& application_folder,
                       LoadProgressSink& sink) {
    const std::string folder = application_folder.empty() ? "." : application_folder;
    return load_source(store, folder + "/" + std::string(kDictionaryFileName), folder, sink,
                       system_file_calls(), true);
}

Status load_dictionary_file(DictionaryStore& store, const std::string& source_path,
                            const std::string& work_folder, LoadProgressSink& sink,
                            FileCalls& calls) {
    return load_source(store, source_path, work_folder, sink, calls, false);
}

}  // namespace vorna
