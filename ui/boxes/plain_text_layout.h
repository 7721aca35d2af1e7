#pragma once

#include <QAbstractTextDocumentLayout>
#include <QTimer>

class QTextDocument;

namespace vorna::ui {

// Texts from this many characters on are laid out by PlainTextLayout when
// they have one format; below it the toolkit's own layout does it at once.
constexpr qsizetype kPlainLayoutFrom = 64 * 1024;

// Whether every character and paragraph of the document has the plain
// format: nothing a line's height or a paragraph's place depends on.
bool has_one_format(const QTextDocument& document);

// Lays the document out with a PlainTextLayout (see there).
void use_plain_layout(QTextDocument& document);
bool has_plain_layout(const QTextDocument& document);

// The layout of a text box whose text has one format. All lines are as high
// as the document's font makes them, so a paragraph's place follows from the
// number of lines before it, which the document keeps summed; a paragraph is
// laid out only when it is shown or asked about, and until then counts as
// the lines it last had (one at first). A text of millions of lines thus
// opens, scrolls and follows a new width or font at once, where the
// toolkit's layout works through all of it every time.
//
// When text of another format comes in (a paste of formatted text), the
// document goes back to the toolkit's layout.
class PlainTextLayout : public QAbstractTextDocumentLayout {
  public:
    explicit PlainTextLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

  protected:
    void documentChanged(int from, int chars_removed, int chars_added) override;

  private:
    void follow_geometry();
    void lay_out(const QTextBlock& block) const;
    bool is_laid_out(const QTextBlock& block) const;
    qreal top_of(const QTextBlock& block) const;
    // The paragraph that holds document position y, laid out.
    QTextBlock block_at(qreal y) const;
    void size_may_have_changed() const;

    qreal line_height_ = 1;
    qreal width_ = 0;  // the page width; 0 or less: lines are not wrapped
    int generation_ = 0;
    mutable qreal widest_line_ = 0;
    mutable QTimer size_signal_;  // reports a new size after a paint, not during it
};

}  // namespace vorna::ui
