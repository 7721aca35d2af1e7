#include "ui/desktop/large_blocks.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vorna::ui {

void map_large_blocks() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

}  // namespace vorna::ui
