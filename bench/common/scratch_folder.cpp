#include "common/scratch_folder.h"

#include <cstdio>

namespace vorna::bench {

bool create_scratch_folder(PrivateFolder& folder, const std::string& prefix) {
    const Status made = folder.create(prefix);
    if (!made.ok())
        std::fprintf(stderr, "%s\n", made.describe().c_str());
    return made.ok();
}

}  // namespace vorna::bench
