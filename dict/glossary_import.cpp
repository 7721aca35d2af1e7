#include "dict/glossary_import.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

#include "core/io/atomic_write.h"
#include "core/io/file_bytes.h"
#include "core/io/private_folder.h"

namespace vorna::dict {

namespace {

EditOutcome file_outcome(EditRefusal refusal, Status status) {
    EditOutcome outcome;
    outcome.refusal = refusal;
    outcome.status = std::move(status);
    return outcome;
}

// The scratch copy is thrown away whatever happens, so flushing it to disk
// after every record would only make a long glossary slow.
class UnflushedCalls : public FileCalls {
  public:
    explicit UnflushedCalls(FileCalls& calls) : calls_(calls) {}
    ssize_t read(int descriptor, void* buffer, std::size_t size) override {
        return calls_.read(descriptor, buffer, size);
    }
    ssize_t pread(int descriptor, void* buffer, std::size_t size, off_t offset) override {
        return calls_.pread(descriptor, buffer, size, offset);
    }
    ssize_t write(int descriptor, const void* buffer, std::size_t size) override {
        return calls_.write(descriptor, buffer, size);
    }
    int fsync(int) override { return 0; }

  private:
    FileCalls& calls_;
};

bool is_file_refusal(const EditOutcome& outcome) {
    return outcome.refusal == EditRefusal::file_not_read ||
           outcome.refusal == EditRefusal::file_not_written;
}

}  // namespace

EditOutcome import_entries(const std::string& path, const std::vector<GlossaryEntry>& entries,
                           std::vector<RefusedEntry>& refused, FileCalls& calls) {
    refused.clear();
    // As with a single correction, the file a link names is the one edited.
    char* resolved = realpath(path.c_str(), nullptr);
    const std::string target = resolved != nullptr ? resolved : path;
    free(resolved);
    std::string original;
    if (Status status = read_whole_file(target, original); !status.ok())
        return file_outcome(EditRefusal::file_not_read, std::move(status));

    // The records go in one by one on a private copy, each through the very
    // edit a correction in the window makes, so every rule and refusal is the
    // same; the real file is then replaced once.
    PrivateFolder work;
    if (Status status = work.create("vorna-dict-"); !status.ok())
        return file_outcome(EditRefusal::file_not_written, std::move(status));
    const std::string copy = work.file("qd.dat");
    UnflushedCalls scratch_calls(calls);
    if (Status status = write_file_atomically(copy, original, scratch_calls); !status.ok())
        return file_outcome(EditRefusal::file_not_written, std::move(status));
    std::size_t applied = 0;
    for (const GlossaryEntry& entry : entries) {
        EditOutcome outcome = set_record(copy, entry.record, scratch_calls);
        if (is_file_refusal(outcome))
            return file_outcome(EditRefusal::file_not_written, std::move(outcome.status));
        if (outcome.ok())
            ++applied;
        else
            refused.push_back({entry.line, entry.record.headword, std::move(outcome)});
    }
    if (applied == 0)
        return {};

    std::string edited;
    if (Status status = read_whole_file(copy, edited); !status.ok())
        return file_outcome(EditRefusal::file_not_written, std::move(status));
    if (access(target.c_str(), W_OK) != 0)
        return file_outcome(EditRefusal::file_not_written, Status::from_errno(errno, target));
    PendingFile backup;
    PendingFile file;
    Status status = backup.prepare(target + ".bak", original, calls);
    if (status.ok())
        status = file.prepare(target, edited, calls);
    if (status.ok())
        status = commit_all({&backup, &file});
    if (!status.ok())
        return file_outcome(EditRefusal::file_not_written, std::move(status));
    return {};
}

}  // namespace vorna::dict
