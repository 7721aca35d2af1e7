#include "rtf/rtf_writer.h"

#include "rtf/code_page_decoder.h"
#include "rtf/document_font_family.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextFragment>

#include <array>
#include <cmath>
#include <cstdint>

namespace vorna::rtf {
namespace {

constexpr double kFallbackPointSize = 12.0;
constexpr char16_t kObjectReplacement = 0xFFFC;  // stands for a picture, which is not written
constexpr int kDocumentCodePage = 1251;          // the \ansicpg the header declares

// The document code page's byte of each UTF-16 unit, 0 where it has none: the
// fallback that readers without Unicode show. Made once from iconv's reading
// of the upper 128 bytes, as a save may write millions of characters.
const std::array<std::uint8_t, 0x10000>& code_page_bytes() {
    static const auto table = [] {
        std::array<std::uint8_t, 0x10000> bytes{};
        CodePageDecoder decoder;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char raw = static_cast<char>(byte);
            const QString text = decoder.decode(kDocumentCodePage, &raw, 1);
            if (text.size() == 1 && text[0] != QChar::ReplacementCharacter)
                bytes[text[0].unicode()] = static_cast<std::uint8_t>(byte);
        }
        return bytes;
    }();
    return table;
}

// Writes one character of text: RTF markup characters escaped, ASCII as it is,
// everything else as a \uN escape. Readers without Unicode take the fallback
// after it instead: the Windows-1251 byte the document's code page names, so
// they still show Russian, or "?" for a character outside that code page.
void append_character(QByteArray& out, QChar c) {
    const char16_t unit = c.unicode();
    switch (unit) {
        case u'\\':
        case u'{':
        case u'}':
            out += '\\';
            out += static_cast<char>(unit);
            return;
        case u'\t':
            out += "\\tab ";
            return;
        case 0x2028:  // a line break inside a paragraph
            out += "\\line ";
            return;
        case 0x2029:
            out += "\\par ";
            return;
        case 0x00A0:
            out += "\\~";
            return;
        case 0x00AD:
            out += "\\-";
            return;
        case 0x2011:
            out += "\\_";
            return;
        case kObjectReplacement:
            return;
        default:
            break;
    }
    if (unit >= 0x20 && unit < 0x7F) {
        out += static_cast<char>(unit);
        return;
    }
    out += "\\u";
    out += QByteArray::number(static_cast<std::int16_t>(unit));
    // The fallback goes out as a hex escape: readers that take text a word at a
    // time would otherwise skip the rest of the word along with it. A surrogate
    // half has no byte of its own and falls back to "?".
    const std::uint8_t byte = code_page_bytes()[unit];
    out += "\\'";
    out += QByteArray::number(byte != 0 ? byte : '?', 16).rightJustified(2, '0');
}

void append_text(QByteArray& out, const QString& text) {
    for (QChar c : text) {
        append_character(out, c);
    }
}

// Numbers the fonts and colours in order of first use.
class Tables {
  public:
    explicit Tables(const QString& default_family) { font_number(default_family); }

    int font_number(const QString& family) {
        auto found = font_numbers_.constFind(family);
        if (found != font_numbers_.constEnd()) {
            return *found;
        }
        const auto number = static_cast<int>(families_.size());
        families_.append(family);
        font_numbers_.insert(family, number);
        return number;
    }

    // 0 is the automatic colour; the table's first entry is left empty for it.
    int colour_number(QRgb rgb) {
        auto found = colour_numbers_.constFind(rgb);
        if (found != colour_numbers_.constEnd()) {
            return *found;
        }
        colours_.append(rgb);
        const auto number = static_cast<int>(colours_.size());
        colour_numbers_.insert(rgb, number);
        return number;
    }

    void append_to(QByteArray& out) const {
        out += "{\\fonttbl";
        for (qsizetype i = 0; i < families_.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset204 ";
            append_text(out, families_[i]);
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (QRgb rgb : colours_) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                   QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                   ';';
        }
        out += "}\n";
    }

  private:
    QStringList families_;
    QHash<QString, int> font_numbers_;
    QList<QRgb> colours_;
    QHash<QRgb, int> colour_numbers_;
};

QString family_of(const QFont& font) {
    const QStringList families = font.families();
    if (!families.isEmpty() && !families.first().isEmpty()) {
        return families.first();
    }
    return font.family().isEmpty() ? QStringLiteral("Times New Roman") : font.family();
}

// The control words that give a run its format; every run is written as a group
// of its own, so nothing leaks from one run into the next.
QByteArray format_words(const QTextCharFormat& format, const QFont& default_font, Tables& tables) {
    const QFont font = format.font().resolve(default_font);
    double points = font.pointSizeF();
    if (points <= 0) {
        points = kFallbackPointSize;
    }
    const QString document_family = format.stringProperty(kDocumentFontFamily);
    const QString family = document_family.isEmpty() ? family_of(font) : document_family;
    QByteArray words = "\\f" + QByteArray::number(tables.font_number(family)) + "\\fs" +
                       QByteArray::number(std::lround(points * 2));
    if (font.bold()) {
        words += "\\b";
    }
    if (font.italic()) {
        words += "\\i";
    }
    if (font.underline()) {
        words += "\\ul";
    }
    if (font.strikeOut()) {
        words += "\\strike";
    }
    const QBrush foreground = format.foreground();
    if (foreground.style() != Qt::NoBrush) {
        words += "\\cf" + QByteArray::number(tables.colour_number(foreground.color().rgb()));
    }
    words += ' ';
    return words;
}

}  // namespace

QByteArray write_rtf(const QTextDocument& document) {
    const QFont default_font = document.defaultFont();
    Tables tables(family_of(default_font));
    QByteArray body;
    body.reserve(document.characterCount() + 64);

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            body += "\\par\n";
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            body += '{';
            body += format_words(fragment.charFormat(), default_font, tables);
            append_text(body, fragment.text());
            body += '}';
        }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n";
    tables.append_to(out);
    out += body;
    out += "}\n";
    return out;
}

}  // namespace vorna::rtf
