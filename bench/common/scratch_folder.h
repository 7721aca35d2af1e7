#pragma once

#include <string>

#include "core/io/private_folder.h"

namespace vorna::bench {

// Makes the folder a benchmark writes its files to: removed at the end, and
// by a later start after an interrupted run. When it cannot be made, says
// why on standard error and returns false.
bool create_scratch_folder(PrivateFolder& folder, const std::string& prefix);

}  // namespace vorna::bench
