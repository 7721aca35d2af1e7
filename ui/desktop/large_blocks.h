#pragma once

namespace vorna::ui {

// Gives every block of a megabyte or more mapped memory of its own. A book's
// text and a document's tables grow by reallocation; a mapped block grows
// by moving its pages, where one from the heap is copied whole while the
// event loop waits. The C library maps only blocks over a threshold that
// rises, as large blocks are freed, to 32 MB. Call before any window.
void map_large_blocks();

}  // namespace vorna::ui
