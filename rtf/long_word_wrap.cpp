#include "rtf/long_word_wrap.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>

namespace vorna::rtf {
namespace {

constexpr qsizetype kLongestWrappedStretch = 1000;

bool has_long_unbreakable_stretch(const QString& text) {
    // Blanks are break opportunities; only text with a long stretch between
    // them is worth the full line-breaking rules.
    qsizetype since_blank = 0;
    bool suspect = false;
    for (QChar c : text) {
        since_blank = c.isSpace() ? 0 : since_blank + 1;
        if (since_blank > kLongestWrappedStretch) {
            suspect = true;
            break;
        }
    }
    if (!suspect) {
        return false;
    }
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype previous = 0;
    for (qsizetype next = breaks.toNextBoundary(); next >= 0; next = breaks.toNextBoundary()) {
        if (next - previous > kLongestWrappedStretch) {
            return true;
        }
        previous = next;
    }
    return false;
}

}  // namespace

void keep_long_words_on_one_line(QTextDocument& document, int from, int to) {
    QTextBlockFormat one_line;
    one_line.setNonBreakableLines(true);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.findBlock(from);
         block.isValid() && (to < 0 || block.position() <= to); block = block.next()) {
        if (block.length() > kLongestWrappedStretch && has_long_unbreakable_stretch(block.text())) {
            cursor.setPosition(block.position());
            cursor.mergeBlockFormat(one_line);
        }
    }
    cursor.endEditBlock();
}

}  // namespace vorna::rtf
