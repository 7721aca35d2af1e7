#include "cli/shared_files.h"

#include <unistd.h>

#include <vector>

#include "cli/cli_texts.h"
#include "core/io/output_target.h"

namespace vorna::cli {

namespace {

struct RunFile {
    std::string name;
    bool replaced = false;  // by a rename, and so what it was is gone
    std::optional<FileIdentity> identity;
};

RunFile output_file(const std::string& path) {
    const OutputTarget target = output_target(path);
    const bool replaced = target.kind == OutputTarget::Kind::replace;
    return {path, replaced,
            target.kind == OutputTarget::Kind::descriptor
                ? regular_file_identity(target.descriptor)
                : regular_file_identity(replaced ? target.path : path)};
}

}  // namespace

std::optional<std::pair<std::string, std::string>> shared_file(const CliOptions& options,
                                                               const std::string& dictionary,
                                                               bool translit) {
    const Script script = translit ? Script::translit : Script::cyrillic;
    std::vector<RunFile> files;
    bool standard_error = false;
    for (const auto* path : {&options.output_path, &options.stats_path, &options.unknown_path}) {
        if (*path && **path == "-")
            standard_error = true;
        else if (*path)
            files.push_back(output_file(**path));
    }
    if (!options.output_path) {
        files.push_back({kStandardOutput.in(script), false, regular_file_identity(STDOUT_FILENO)});
    }
    if (standard_error) {
        files.push_back({kStandardError.in(script), false, regular_file_identity(STDERR_FILENO)});
    }
    RunFile input{kStandardInput.in(script), false, regular_file_identity(STDIN_FILENO)};
    if (options.input_path) {
        input = {*options.input_path, false, regular_file_identity(*options.input_path)};
        if (input.identity && !input.identity->name_in_folder.empty())
            input.identity.reset();  // no such file: nothing to lose
    }
    files.push_back(input);
    files.push_back({dictionary, false, regular_file_identity(dictionary)});
    if (files.back().identity && !files.back().identity->name_in_folder.empty())
        files.back().identity.reset();

    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = i + 1; j < files.size(); ++j) {
            if ((files[i].replaced || files[j].replaced) && files[i].identity &&
                files[i].identity == files[j].identity) {
                return std::pair(files[i].name, files[j].name);
            }
        }
    }
    return std::nullopt;
}

}  // namespace vorna::cli
