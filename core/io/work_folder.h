#pragma once

#include <string>

namespace vorna {

// Where the working copy and a run's temporary files go: the application
// folder when it can be written, otherwise a private folder made under the
// system's temporary directory and removed again when this object goes.
class WorkFolder {
  public:
    explicit WorkFolder(const std::string& application_folder);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
    bool is_private_ = false;
};

}  // namespace vorna
