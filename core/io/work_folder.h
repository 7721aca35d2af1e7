#pragma once

#include <string>

#include "core/io/private_folder.h"
#include "core/io/status.h"
#include "core/io/working_file.h"

namespace vorna {

// The working files: the sorted copy of the dictionary, and a run's source
// text and translation.
constexpr const char* kWorkingCopyName = "qd1.dat";
constexpr const char* kSourceTextName = "temp1.txt";
constexpr const char* kOutputTextName = "temp2.txt";

// Removes the working files in `folder` left by processes that no longer run.
void clear_stale_work_files(const std::string& folder);

// Where the working copy and a run's temporary files go: the application
// folder when it can be written, otherwise a private folder made under the
// system's temporary directory and removed again when this object goes.
class WorkFolder {
  public:
    explicit WorkFolder(const std::string& application_folder);
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Creates the working file `name` for this process alone (see WorkingFile).
    Status open_file(const std::string& name, WorkingFile& file) const {
        return file.open(path_, name);
    }
    // What a start does first: clears the working files of processes that
    // no longer run.
    void clear_stale_files() const { clear_stale_work_files(path_); }

  private:
    std::string path_;
    PrivateFolder private_folder_;
};

}  // namespace vorna
