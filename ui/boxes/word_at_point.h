#pragma once

#include <QPoint>
#include <QString>
#include <string>
#include <vector>

#include "core/engine/translation_result.h"

class QTextDocument;
class QTextEdit;

namespace vorna::ui {

// The word of `text`, by the word rule (core/text/english_words.h), that
// touches `position`: the word under the caret or the mouse, as written.
QString word_around(const QString& text, int position);

// The word a command acts on in `box`: the selection when there is one (as
// it is, so a bad one can be refused), else the word at `point` (viewport
// coordinates) when given, else at the caret, with its typographic forms
// read as ASCII (ascii_forms).
QString word_in_box(const QTextEdit& box, const QPoint* point);
// The text position of `point` in the box, or of the caret.
int position_in_box(const QTextEdit& box, const QPoint* point);

// What a translation run left behind to map a word of its output, as the
// translation box shows it, back to the English word it was made from.
// Valid while the box's document holds that output unchanged.
class RunWordMap {
  public:
    // Where each paragraph of `output` starts in the run's output, in UTF-8
    // bytes of lines ended by CR LF. Made where the document was made: over
    // a book it takes a while.
    static std::vector<uint64_t> paragraph_offsets(const QTextDocument& output);

    // After the run's output has been put into `output`; `paragraph_offsets`
    // as made above, or empty (then each question reads the text up to the
    // word, which is slow in a book).
    void remember(std::string source_text, std::vector<WordPosition> positions,
                  const QTextDocument& output, std::vector<uint64_t> paragraph_offsets = {});
    // True while the document the run wrote still holds its output.
    bool holds_output(const QTextDocument& document) const;
    // The English word behind the output at `position` of the document, or
    // an empty string when no looked-up word stands there.
    QString source_word_at(const QTextDocument& document, int position) const;

  private:
    std::string source_text_;
    std::vector<WordPosition> positions_;
    std::vector<uint64_t> paragraph_offsets_;
    const QTextDocument* output_ = nullptr;
    int revision_ = -1;
    int length_ = -1;
};

// The English word a command in `box` is about: in the translation box, while
// it holds the last run's output, the source word of the output word at the
// point or caret; otherwise the word in the box itself (see word_in_box).
QString english_word_in_box(const QTextEdit& box, const QPoint* point, const RunWordMap& map);

}  // namespace vorna::ui
