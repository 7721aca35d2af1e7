#pragma once

#include <QTextFormat>

namespace vorna::rtf {

// A character format property holding the font family a document named for a run
// that is shown in another family (one installed here), so saving writes the
// document's own name back.
inline constexpr int kDocumentFontFamily = QTextFormat::UserProperty + 1;

}  // namespace vorna::rtf
