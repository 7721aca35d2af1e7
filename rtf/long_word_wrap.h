#pragma once

#include <QTextDocument>

namespace vorna::rtf {

// Marks every paragraph between the two positions (to: -1 for the end) that
// holds a stretch of more than a thousand characters without a line break
// opportunity to be shown on one line. The toolkit looks for a break across
// the whole stretch again for every line it wraps, which takes time growing
// with the square of the stretch; a stretch that long is no word anyway.
void keep_long_words_on_one_line(QTextDocument& document, int from = 0, int to = -1);

}  // namespace vorna::rtf
