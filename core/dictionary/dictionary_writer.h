#pragma once

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>

#include "core/dictionary/dictionary_change.h"
#include "core/dictionary/dictionary_choice.h"
#include "core/dictionary/dictionary_edit.h"
#include "core/io/file_calls.h"
#include "core/io/file_lock.h"

namespace vorna {

// One writer of the dictionary: the window's correction, vorna-dict, any
// later front end. It makes its change on the dictionary as read, without a
// lock, for as long as that takes (an import of a long glossary); then, for
// the write alone:
//
// - it takes the locks: the reader's data folder (FolderLock) when the one
//   rule may pick or make the reader's copy, then the file itself
//   (EditLock), waiting through `wait` for as long as another writer holds
//   them;
// - it picks the file by the one rule at that moment, so that a copy made
//   by another program since this one started is found and kept;
// - it reads the file again and, when it is not byte for byte what the
//   change was made on, makes the change again on what is there now;
// - it writes the new version and keeps the one it replaces as
//   `<file>.bak`. When the file picked is the installed one beside the
//   program and the reader may not write it, the new version becomes the
//   reader's copy instead, made under the same locks.
//
// A failure at any step leaves the dictionary and its backup, beside the
// program and in the reader's folder, as they were, and says what failed.
class DictionaryWriter {
  public:
    explicit DictionaryWriter(DictionaryPlaces places, FileCalls& calls = system_file_calls(),
                              LockWait& wait = silent_lock_wait());

    // Reads the dictionary the rule picks now and starts `change` on it.
    Status read(DictionaryChange& change);
    // Writes `change` as described above. Corrections that the dictionary
    // as it is now refuses go to `refused`; the outcome is the file's.
    EditOutcome write(DictionaryChange& change, const DictionaryChange::Refused& refused = {});

    // The file read, and after a write the file written.
    const DictionaryChoice& choice() const { return choice_; }
    // Whether the write made the reader's copy.
    bool made_readers_copy() const { return made_readers_copy_; }

  private:
    bool may_make_copy() const;

    DictionaryPlaces places_;
    FileCalls& calls_;
    LockWait& wait_;
    DictionaryChoice choice_;
    bool made_readers_copy_ = false;
};

// One correction through `writer`: the dictionary read, changed by `make`
// (which gives its refusal, if any), and written. The outcome says what
// stopped it, if anything did, including a refusal met when the change was
// made again on a file another program had changed.
EditOutcome correct_dictionary(
    DictionaryWriter& writer,
    const std::function<std::optional<EditOutcome>(DictionaryChange&)>& make);

// Puts `new_bytes` in the place of the file at `path` (which need not exist
// yet) and `old_bytes` in the place of `<path>.bak`, both complete or not at
// all: both are written in full and flushed before either is renamed into
// place, and should the second rename fail the first is undone. The new
// files take the permissions of `like`, when given.
Status replace_with_backup(const std::string& path, const std::string& old_bytes,
                           const std::string& new_bytes, const struct stat* like,
                           FileCalls& calls = system_file_calls());

}  // namespace vorna
