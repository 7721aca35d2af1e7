#include "ui/boxes/plain_text_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <limits>

namespace vorna::ui {

namespace {

// A change over more paragraphs than this makes every paragraph be laid out
// again when shown, rather than each being marked.
constexpr int kMarkedParagraphs = 2000;

bool plain_paragraph(const QTextFormat& format) {
    // The one property a paragraph of a plain text may have: the box keeps
    // a very long word on one line.
    const auto properties = format.properties();
    return std::all_of(properties.keyBegin(), properties.keyEnd(), [](int property) {
        return property == QTextFormat::BlockNonBreakableLines;
    });
}

}  // namespace

bool has_one_format(const QTextDocument& document) {
    const QList<QTextFormat> formats = document.allFormats();
    return std::all_of(formats.begin(), formats.end(), [](const QTextFormat& format) {
        if (format.isCharFormat())
            return format.properties().isEmpty();
        if (format.isBlockFormat())
            return plain_paragraph(format);
        return format.isFrameFormat();  // the document's own frame
    });
}

bool has_plain_layout(const QTextDocument& document) {
    // Asking the document for its layout would make it one of its own.
    const QObjectList& children = document.children();
    return std::any_of(children.begin(), children.end(), [](const QObject* child) {
        return dynamic_cast<const PlainTextLayout*>(child) != nullptr;
    });
}

void use_plain_layout(QTextDocument& document) {
    if (!has_plain_layout(document))
        document.setDocumentLayout(new PlainTextLayout(&document));
}

PlainTextLayout::PlainTextLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document) {
    // A child, so that it goes with the document to the thread that frees it.
    size_signal_.setParent(this);
    size_signal_.setSingleShot(true);
    size_signal_.setInterval(0);
    connect(&size_signal_, &QTimer::timeout, this,
            [this] { emit documentSizeChanged(documentSize()); });
    follow_geometry();
}

void PlainTextLayout::follow_geometry() {
    const QTextDocument& document = *this->document();
    const qreal line_height = qCeil(QFontMetricsF(document.defaultFont()).height());
    const qreal width = document.pageSize().width();
    if (line_height != line_height_ || width != width_) {
        line_height_ = std::max<qreal>(1, line_height);
        width_ = width;
        widest_line_ = 0;
        ++generation_;
    }
}

bool PlainTextLayout::is_laid_out(const QTextBlock& block) const {
    return block.userState() == generation_ && block.layout()->lineCount() > 0;
}

void PlainTextLayout::lay_out(const QTextBlock& block) const {
    if (is_laid_out(block))
        return;
    const QTextDocument& document = *this->document();
    const qreal margin = document.documentMargin();
    QTextOption option = document.defaultTextOption();
    if (block.blockFormat().nonBreakableLines())
        option.setWrapMode(QTextOption::NoWrap);
    QTextLayout& layout = *block.layout();
    layout.setTextOption(option);
    const qreal line_width = width_ > 0 ? std::max<qreal>(0, width_ - 2 * margin)
                                        : std::numeric_limits<int>::max() / 4.0;
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(line_width);
        line.setPosition(QPointF(margin, lines * line_height_));
        widest_line_ = std::max(widest_line_, line.naturalTextWidth() + 2 * margin);
        ++lines;
    }
    layout.endLayout();
    QTextBlock& changed = const_cast<QTextBlock&>(block);
    changed.setUserState(generation_);
    if (block.lineCount() != std::max(1, lines)) {
        changed.setLineCount(std::max(1, lines));
        size_may_have_changed();
    }
}

qreal PlainTextLayout::top_of(const QTextBlock& block) const {
    return document()->documentMargin() + block.firstLineNumber() * line_height_;
}

QTextBlock PlainTextLayout::block_at(qreal y) const {
    const QTextDocument& document = *this->document();
    const int last_line = std::max(0, document.lineCount() - 1);
    // Laying a paragraph out may change its height; the one found is then
    // looked for again, with what is known now.
    QTextBlock block;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const qreal line = std::floor((y - document.documentMargin()) / line_height_);
        block =
            document.findBlockByLineNumber(static_cast<int>(std::clamp<qreal>(line, 0, last_line)));
        if (!block.isValid())
            block = document.lastBlock();
        const int before = block.lineCount();
        lay_out(block);
        if (block.lineCount() == before)
            break;
    }
    return block;
}

void PlainTextLayout::size_may_have_changed() const {
    if (!size_signal_.isActive())
        size_signal_.start();
}

void PlainTextLayout::draw(QPainter* painter, const PaintContext& context) {
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(QPointF(), documentSize());
    bool ok = false;
    int cursor_width = property("cursorWidth").toInt(&ok);
    if (!ok)
        cursor_width = 1;
    painter->save();
    painter->setPen(context.palette.color(QPalette::Text));
    for (QTextBlock block = block_at(clip.top()); block.isValid(); block = block.next()) {
        lay_out(block);
        const qreal top = top_of(block);
        if (top > clip.bottom())
            break;
        if (top + block.lineCount() * line_height_ < clip.top())
            continue;
        const int start = block.position();
        const int end = start + block.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection& selection : context.selections) {
            const int from = std::max(selection.cursor.selectionStart(), start);
            const int to = std::min(selection.cursor.selectionEnd(), end);
            if (from < to)
                selections.append({from - start, to - from, selection.format});
        }
        const QPointF origin(0, top);
        block.layout()->draw(painter, origin, selections, clip);
        if (context.cursorPosition >= start && context.cursorPosition < end)
            block.layout()->drawCursor(painter, origin, context.cursorPosition - start,
                                       cursor_width);
    }
    painter->restore();
}

int PlainTextLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
    const QTextBlock block = block_at(point.y());
    if (!block.isValid())
        return -1;
    const QTextLayout& layout = *block.layout();
    const qreal inside = point.y() - top_of(block);
    if (accuracy == Qt::ExactHit && (inside < 0 || inside >= layout.lineCount() * line_height_))
        return -1;
    const int index =
        std::clamp(static_cast<int>(std::floor(inside / line_height_)), 0, layout.lineCount() - 1);
    const QTextLine line = layout.lineAt(index);
    if (accuracy == Qt::ExactHit &&
        (point.x() < line.x() || point.x() > line.x() + line.naturalTextWidth()))
        return -1;
    return block.position() + line.xToCursor(point.x());
}

QSizeF PlainTextLayout::documentSize() const {
    const QTextDocument& document = *this->document();
    const qreal width = width_ > 0 ? width_ : widest_line_;
    return {width, document.lineCount() * line_height_ + 2 * document.documentMargin()};
}

QRectF PlainTextLayout::frameBoundingRect(QTextFrame* frame) const {
    if (frame != document()->rootFrame())
        return {};
    return {QPointF(), documentSize()};
}

QRectF PlainTextLayout::blockBoundingRect(const QTextBlock& block) const {
    if (!block.isValid())
        return {};
    lay_out(block);
    const qreal width = width_ > 0 ? width_ : widest_line_;
    return {0, top_of(block), width, block.lineCount() * line_height_};
}

void PlainTextLayout::documentChanged(int from, int chars_removed, int chars_added) {
    Q_UNUSED(chars_removed);
    follow_geometry();
    QTextDocument& document = *this->document();
    const QTextBlock first = document.findBlock(from);
    QTextBlock last = document.findBlock(from + chars_added);
    if (!last.isValid())
        last = document.lastBlock();
    if (!first.isValid() || last.blockNumber() - first.blockNumber() > kMarkedParagraphs) {
        ++generation_;
    } else {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            block.setUserState(-1);
            if (block == last)
                break;
        }
    }
    if (!has_one_format(document)) {
        // Formatted text came in: back to the toolkit's layout, once this
        // change is through. Setting none makes the document make its own.
        QTimer::singleShot(0, &document, [layout = QPointer<PlainTextLayout>(this), &document] {
            if (layout != nullptr && document.documentLayout() == layout)
                document.setDocumentLayout(nullptr);
        });
    }
    size_may_have_changed();
    emit update(QRectF(0, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()));
}

}  // namespace vorna::ui
