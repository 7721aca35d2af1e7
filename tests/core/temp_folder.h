#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/io/private_folder.h"

namespace vorna::testing {

// A fresh private folder for one test, removed with everything in it; the
// program's own PrivateFolder with helpers to put and read files.
class TempFolder {
  public:
    TempFolder() {
        if (const Status status = folder_.create("vorna-test-"); !status.ok())
            throw std::runtime_error(status.describe());
    }

    const std::string& path() const { return folder_.path(); }
    std::string file(const std::string& name) const { return folder_.file(name); }
    bool exists(const std::string& name) const {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::symlink_status(file(name), ignored));
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(path()))
            result.push_back(entry.path().filename().string());
        std::sort(result.begin(), result.end());
        return result;
    }

  private:
    PrivateFolder folder_;
};

}  // namespace vorna::testing
