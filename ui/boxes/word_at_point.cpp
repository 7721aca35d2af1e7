#include "ui/boxes/word_at_point.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "core/text/english_words.h"

namespace vorna::ui {

QString word_around(const QString& text, int position) {
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    // The word rule reads UTF-8; positions here count UTF-16 units.
    const QByteArray utf8 = text.toUtf8();
    const auto at = static_cast<std::size_t>(text.left(position).toUtf8().size());
    const WordSpan span =
        word_at(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), at);
    return QString::fromUtf8(utf8.constData() + span.start,
                             static_cast<qsizetype>(span.end - span.start));
}

namespace {

// A word as the lookup and the speech read it: don’t as don't, ﬁnd as find.
QString read_as_ascii(const QString& word) {
    return QString::fromStdString(ascii_forms(word.toStdString()));
}

}  // namespace

int position_in_box(const QTextEdit& box, const QPoint* point) {
    return point != nullptr ? box.cursorForPosition(*point).position()
                            : box.textCursor().position();
}

QString word_in_box(const QTextEdit& box, const QPoint* point) {
    const QTextCursor caret = box.textCursor();
    if (caret.hasSelection() && point == nullptr)
        return caret.selectedText();
    const QTextCursor at = point != nullptr ? box.cursorForPosition(*point) : caret;
    const QString block = at.block().text();
    return read_as_ascii(word_around(block, at.positionInBlock()));
}

std::vector<uint64_t> RunWordMap::paragraph_offsets(const QTextDocument& output) {
    std::vector<uint64_t> offsets;
    offsets.reserve(static_cast<std::size_t>(output.blockCount()));
    uint64_t offset = 0;
    for (QTextBlock block = output.begin(); block.isValid(); block = block.next()) {
        offsets.push_back(offset);
        offset += static_cast<uint64_t>(block.text().toUtf8().size()) + 2;  // and CR LF
    }
    return offsets;
}

void RunWordMap::remember(std::string source_text, std::vector<WordPosition> positions,
                          const QTextDocument& output, std::vector<uint64_t> paragraph_offsets) {
    source_text_ = std::move(source_text);
    positions_ = std::move(positions);
    paragraph_offsets_ = std::move(paragraph_offsets);
    output_ = &output;
    revision_ = output.revision();
    length_ = output.characterCount();
}

bool RunWordMap::holds_output(const QTextDocument& document) const {
    // Every edit, undo included, moves the document to a new revision.
    return output_ == &document && document.revision() == revision_ &&
           document.characterCount() == length_;
}

QString RunWordMap::source_word_at(const QTextDocument& document, int position) const {
    if (!holds_output(document))
        return {};
    // Positions count UTF-16 units with one per line break; the run counted
    // UTF-8 bytes of lines ended by CR LF.
    uint64_t offset = 0;
    const QTextBlock block = document.findBlock(position);
    if (block.isValid() &&
        paragraph_offsets_.size() == static_cast<std::size_t>(document.blockCount())) {
        const QString in_block = block.text().left(position - block.position());
        offset = paragraph_offsets_[static_cast<std::size_t>(block.blockNumber())] +
                 static_cast<uint64_t>(in_block.toUtf8().size());
    } else {
        QString before = document.toRawText().left(position);
        before.replace(QChar::ParagraphSeparator, u'\n');
        offset = static_cast<uint64_t>(before.toUtf8().size() + before.count(u'\n'));
    }
    // The word whose output holds the offset, or ends right at it.
    const auto after = std::upper_bound(
        positions_.begin(), positions_.end(), offset,
        [](uint64_t value, const WordPosition& word) { return value < word.output_offset; });
    if (after == positions_.begin())
        return {};
    const WordPosition& word = *std::prev(after);
    if (offset > word.output_offset + word.output_length)
        return {};
    return read_as_ascii(QString::fromUtf8(source_text_.data() + word.source_offset,
                                           static_cast<qsizetype>(word.source_length)));
}

QString english_word_in_box(const QTextEdit& box, const QPoint* point, const RunWordMap& map) {
    const QTextDocument& document = *box.document();
    if (map.holds_output(document) && !(point == nullptr && box.textCursor().hasSelection())) {
        const QString source_word = map.source_word_at(document, position_in_box(box, point));
        if (!source_word.isEmpty())
            return source_word;
    }
    return word_in_box(box, point);
}

}  // namespace vorna::ui
