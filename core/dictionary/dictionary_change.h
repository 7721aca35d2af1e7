#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/dictionary/dictionary_edit.h"
#include "core/dictionary/dictionary_lines.h"

namespace vorna {

// Puts a record as typed into the form it is written in (blanks around each
// field dropped, the headword lower-cased, a missing translit made from the
// translation), or gives the refusal that needs no file.
std::optional<EditOutcome> check_record(RecordText& record);

// How many words a change adds to the dictionary and how many it changes.
struct ChangeCounts {
    std::size_t added = 0;
    std::size_t changed = 0;
};

// The corrections of one writer. They are made on the dictionary as it was
// read, and kept, so that they can be made again on the dictionary as it is
// when the writer's turn to write comes: a writer rewrites only what it has
// read. One correction per headword is kept (a later one for the same word
// replaces it), so what is kept stays within the dictionary's own size
// however long the list of corrections.
class DictionaryChange {
  public:
    // A correction the dictionary refused when it was made again; `tag` is
    // the one given to set() or remove().
    using Refused = std::function<void(std::size_t tag, EditOutcome outcome)>;

    DictionaryChange();
    ~DictionaryChange();

    // Starts on the whole bytes of the dictionary at `path` as read. A file
    // that is no dictionary (empty, or not one record) is refused.
    Status start(std::string bytes, const std::string& path);
    const std::string& base() const { return base_; }

    // Gives the record's headword its translation, as set_record describes.
    // The refusal, or nothing when it went in.
    std::optional<EditOutcome> set(RecordText record, std::size_t tag = 0);
    // Removes every line of `headword`.
    std::optional<EditOutcome> remove(const std::string& headword, std::size_t tag = 0);

    // Makes the kept corrections again on `bytes`, the dictionary at `path`
    // as it is now.
    Status redo(std::string bytes, const std::string& path, const Refused& refused);

    // The dictionary's bytes with the corrections made.
    std::string result() const;
    ChangeCounts counts() const;

  private:
    struct Step {
        bool remove = false;
        RecordText record;  // checked; for a removal only the headword
        std::size_t tag = 0;
        bool existed = false;  // the headword was in the dictionary before
        std::string before;    // its first line then
    };

    std::optional<EditOutcome> apply(Step& step);

    std::string base_;
    std::unique_ptr<DictionaryLines> lines_;
    std::vector<Step> steps_;
    std::unordered_map<std::string, std::size_t> set_step_of_word_;
};

}  // namespace vorna
