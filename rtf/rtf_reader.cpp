#include "rtf/rtf_reader.h"

#include "rtf/code_page_decoder.h"
#include "rtf/document_font_family.h"
#include "rtf/rtf_words.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <new>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

namespace vorna::rtf {
namespace {

// Groups nested deeper than this are counted but not given a state of their own,
// so a file of millions of braces cannot exhaust memory.
constexpr size_t kMaxTrackedDepth = 4096;
constexpr size_t kMaxWordLength = 32;
constexpr std::int64_t kParameterLimit = 1'000'000'000'000LL;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kMaxHalfPoints = 3276;  // 1638 points, as large as word processors go
constexpr int kDefaultHalfPoints = 24;
constexpr int kWesternCodePage = 1252;
constexpr char16_t kReplacementCharacter = 0xFFFD;
// How much input is read between two calls of the caller's `between_pieces`.
constexpr size_t kPieceBytes = 16 * 1024;
// Laying out text slows with the square of the distinct font families once
// there are some hundreds of them (the font cache looks through all it holds
// for each new one). Up to this many are shown under their own names; beyond
// it a family that is not installed is shown in the one such names fall back to.
constexpr qsizetype kFamiliesShownByName = 128;

enum class Destination : std::uint8_t { Text, FontTable, ColourTable };

struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int font = -1;        // font table number; -1: the document's default font
    int half_points = 0;  // 0: the box's own size
    int colour = 0;       // colour table index

    bool operator==(const CharacterState& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               strike == other.strike && font == other.font && half_points == other.half_points &&
               colour == other.colour;
    }
    bool operator!=(const CharacterState& other) const { return !(*this == other); }
    bool operator<(const CharacterState& other) const {
        return std::tie(bold, italic, underline, strike, font, half_points, colour) <
               std::tie(other.bold, other.italic, other.underline, other.strike, other.font,
                        other.half_points, other.colour);
    }
};

struct GroupState {
    CharacterState chars;
    Destination destination = Destination::Text;
    int unicode_skip = 1;
};

struct FontEntry {
    QString family;
    int code_page = 0;  // 0: the document's code page
};

int clamp_to_int(std::int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_markup(char c) {
    return c == '{' || c == '}' || c == '\\';
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A lone surrogate (a \u pair cut by a group or damaged input) would make the
// document's text invalid UTF-16.
void replace_lone_surrogates(QString& text) {
    const qsizetype size = text.size();
    QChar* chars = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i].isHighSurrogate() && i + 1 < size && chars[i + 1].isLowSurrogate()) {
            ++i;
        } else if (chars[i].isSurrogate()) {
            chars[i] = QChar(kReplacementCharacter);
        }
    }
}

class Parser {
  public:
    Parser(const QByteArray& rtf, QTextDocument& document,
           const std::function<void()>& between_pieces)
        : data_(rtf.constData()),
          size_(static_cast<size_t>(rtf.size())),
          between_pieces_(between_pieces),
          document_(document),
          cursor_(&document) {}

    void run() {
        cursor_.beginEditBlock();
        try {
            read_all();
            flush_run();
        } catch (const std::bad_alloc&) {
            // Out of memory on a huge document: keep what was read so far.
        }
        cursor_.endEditBlock();
    }

  private:
    void read_all() {
        size_t piece_end = kPieceBytes;
        while (pos_ < size_) {
            if (pos_ >= piece_end && between_pieces_) {
                // The document is whole between pieces, so whoever runs then may look at it.
                cursor_.endEditBlock();
                between_pieces_();
                cursor_.beginEditBlock();
                piece_end = pos_ + kPieceBytes;
            }
            const char c = data_[pos_++];
            if (c == '{') {
                open_group();
            } else if (c == '}') {
                close_group();
            } else if (c == '\\') {
                read_control();
            } else if (skip_depth_ > 0) {
                while (pos_ < size_ && !is_markup(data_[pos_])) {
                    ++pos_;
                }
            } else {
                plain_byte(static_cast<unsigned char>(c));
            }
        }
    }

    // --- groups -------------------------------------------------------------

    void open_group() {
        fallback_left_ = 0;
        if (skip_depth_ > 0) {
            ++skip_depth_;
        } else if (stack_.size() >= kMaxTrackedDepth) {
            ++untracked_depth_;
        } else {
            stack_.push_back(state_);
        }
    }

    void close_group() {
        fallback_left_ = 0;
        if (skip_depth_ > 0 && --skip_depth_ > 0) {
            return;
        }
        if (untracked_depth_ > 0) {
            --untracked_depth_;
            return;
        }
        if (stack_.empty()) {
            return;  // a brace too many: the text after it is still read
        }
        if (state_.destination == Destination::FontTable && stack_.size() == font_entry_depth_) {
            finish_font_entry();
        }
        state_ = stack_.back();
        stack_.pop_back();
    }

    void skip_group() {
        if (skip_depth_ == 0) {
            skip_depth_ = 1;
        }
    }

    // --- control words and symbols -----------------------------------------

    void read_control() {
        if (pos_ >= size_) {
            return;
        }
        if (!is_letter(data_[pos_])) {
            read_control_symbol(data_[pos_++]);
            return;
        }
        const size_t name_start = pos_;
        while (pos_ < size_ && is_letter(data_[pos_])) {
            ++pos_;
        }
        const size_t name_length = pos_ - name_start;
        bool has_parameter = false;
        std::int64_t parameter = 0;
        const bool negative = pos_ + 1 < size_ && data_[pos_] == '-' && is_digit(data_[pos_ + 1]);
        if (negative) {
            ++pos_;
        }
        while (pos_ < size_ && is_digit(data_[pos_])) {
            has_parameter = true;
            parameter = std::min(parameter * 10 + (data_[pos_] - '0'), kParameterLimit);
            ++pos_;
        }
        if (negative) {
            parameter = -parameter;
        }
        if (pos_ < size_ && data_[pos_] == ' ') {
            ++pos_;
        }
        const std::string_view name = name_length > kMaxWordLength
                                          ? std::string_view()
                                          : std::string_view(data_ + name_start, name_length);

        if (name == "bin") {
            // Binary data is skipped in every destination, or its bytes would be read as markup.
            const std::int64_t count = std::max<std::int64_t>(parameter, 0);
            pos_ += static_cast<size_t>(
                std::min<std::int64_t>(count, static_cast<std::int64_t>(size_ - pos_)));
            consume_fallback();
            return;
        }
        if (skip_depth_ > 0 || consume_fallback()) {
            return;
        }
        apply_word(word_of(name), has_parameter, parameter);
    }

    void read_control_symbol(char symbol) {
        if (skip_depth_ > 0) {
            return;
        }
        switch (symbol) {
            case '\'':
                read_hex_byte();
                return;
            case '\\':
            case '{':
            case '}':
                text_byte(static_cast<unsigned char>(symbol));
                return;
            default:
                break;
        }
        if (consume_fallback()) {
            return;
        }
        switch (symbol) {
            case '*':
                skip_group();
                break;
            case '~':
                text_unit(0x00A0);
                break;
            case '-':
                text_unit(0x00AD);
                break;
            case '_':
                text_unit(0x2011);
                break;
            case '\n':
            case '\r':
                paragraph_break();
                break;
            default:
                break;  // \| \: and the like mean nothing to a text box
        }
    }

    void read_hex_byte() {
        const int high = pos_ < size_ ? hex_value(data_[pos_]) : -1;
        const int low = pos_ + 1 < size_ ? hex_value(data_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) {
            consume_fallback();
            return;
        }
        pos_ += 2;
        text_byte(static_cast<unsigned char>(high * 16 + low));
    }

    void apply_word(Word word, bool has_parameter, std::int64_t parameter) {
        const bool on = !has_parameter || parameter != 0;
        CharacterState& chars = state_.chars;
        switch (word) {
            case Word::Ansi:
                document_code_page_ = kWesternCodePage;
                break;
            case Word::AnsiCodePage:
                if (parameter > 0 && parameter <= 65535) {
                    document_code_page_ = static_cast<int>(parameter);
                }
                break;
            case Word::Mac:
                document_code_page_ = 10000;
                break;
            case Word::Pc:
                document_code_page_ = 437;
                break;
            case Word::Pca:
                document_code_page_ = 850;
                break;
            case Word::DefaultFont:
                default_font_ = clamp_to_int(parameter, 0, INT32_MAX);
                formats_.clear();
                break;
            case Word::FontTable:
                state_.destination = Destination::FontTable;
                break;
            case Word::ColourTable:
                state_.destination = Destination::ColourTable;
                colours_.clear();
                formats_.clear();
                pending_colour_.reset();
                break;
            case Word::Font:
                if (state_.destination == Destination::FontTable) {
                    begin_font_entry(clamp_to_int(parameter, 0, INT32_MAX));
                } else {
                    chars.font = clamp_to_int(parameter, 0, INT32_MAX);
                }
                break;
            case Word::FontCharset:
                if (defined_font_ >= 0) {
                    fonts_[defined_font_].code_page =
                        code_page_of_charset(clamp_to_int(parameter, 0, 255));
                }
                break;
            case Word::FontCodePage:
                if (defined_font_ >= 0 && parameter > 0 && parameter <= 65535) {
                    fonts_[defined_font_].code_page = static_cast<int>(parameter);
                }
                break;
            case Word::Red:
            case Word::Green:
            case Word::Blue:
                set_colour_component(word, clamp_to_int(parameter, 0, 255));
                break;
            case Word::Plain:
                chars = CharacterState{};
                break;
            case Word::Bold:
                chars.bold = on;
                break;
            case Word::Italic:
                chars.italic = on;
                break;
            case Word::Underline:
                chars.underline = on;
                break;
            case Word::UnderlineNone:
                chars.underline = false;
                break;
            case Word::Strike:
                chars.strike = on;
                break;
            case Word::FontSize:
                chars.half_points =
                    has_parameter ? clamp_to_int(parameter, 0, kMaxHalfPoints) : kDefaultHalfPoints;
                break;
            case Word::Colour:
                chars.colour = clamp_to_int(parameter, 0, INT32_MAX);
                break;
            case Word::Paragraph:
            case Word::Row:
                paragraph_break();
                break;
            case Word::Line:
                text_unit(0x2028);
                break;
            case Word::Tab:
            case Word::Cell:
                text_unit(u'\t');
                break;
            case Word::Unicode:
                if (has_parameter) {
                    unicode_character(parameter);
                }
                break;
            case Word::UnicodeSkip:
                state_.unicode_skip = clamp_to_int(parameter, 0, kMaxUnicodeSkip);
                break;
            case Word::SkippedDestination:
                skip_group();
                break;
            case Word::EmDash:
                text_unit(0x2014);
                break;
            case Word::EnDash:
                text_unit(0x2013);
                break;
            case Word::Bullet:
                text_unit(0x2022);
                break;
            case Word::LeftQuote:
                text_unit(0x2018);
                break;
            case Word::RightQuote:
                text_unit(0x2019);
                break;
            case Word::LeftDoubleQuote:
                text_unit(0x201C);
                break;
            case Word::RightDoubleQuote:
                text_unit(0x201D);
                break;
            case Word::EmSpace:
                text_unit(0x2003);
                break;
            case Word::EnSpace:
                text_unit(0x2002);
                break;
            case Word::QuarterEmSpace:
                text_unit(0x2005);
                break;
            case Word::ZeroWidthJoiner:
                text_unit(0x200D);
                break;
            case Word::ZeroWidthNonJoiner:
                text_unit(0x200C);
                break;
            case Word::ZeroWidthBreak:
                text_unit(0x200B);
                break;
            case Word::LeftToRightMark:
                text_unit(0x200E);
                break;
            case Word::RightToLeftMark:
                text_unit(0x200F);
                break;
            case Word::Rtf:
            case Word::ParagraphDefaults:
            case Word::FieldResult:
            case Word::Binary:
            case Word::Unknown:
                break;
        }
    }

    // \uN names a UTF-16 code unit as a signed 16-bit number; the next
    // \ucN characters are the fallback for readers without Unicode.
    void unicode_character(std::int64_t value) {
        if (value < -32768 || value > 0xFFFF) {
            text_unit(kReplacementCharacter);
        } else {
            text_unit(static_cast<char16_t>(value < 0 ? value + 65536 : value));
        }
        fallback_left_ = state_.unicode_skip;
    }

    bool consume_fallback() {
        if (fallback_left_ == 0) {
            return false;
        }
        --fallback_left_;
        return true;
    }

    // --- text ---------------------------------------------------------------

    void plain_byte(unsigned char byte) {
        if (byte == '\t') {
            if (!consume_fallback()) {
                text_unit(u'\t');
            }
        } else if (byte >= 0x20 && byte != 0x7F) {
            text_byte(byte);
        }
        // Line ends and other control bytes are layout of the file, not text.
    }

    void text_byte(unsigned char byte) {
        if (consume_fallback()) {
            return;
        }
        switch (state_.destination) {
            case Destination::Text: {
                begin_text();
                const int code_page = code_page_of(run_chars_.font);
                if (code_page != pending_code_page_) {
                    flush_bytes();
                    pending_code_page_ = code_page;
                }
                pending_bytes_.append(static_cast<char>(byte));
                break;
            }
            case Destination::FontTable:
                if (byte == ';') {
                    finish_font_entry();
                } else if (defined_font_ >= 0) {
                    font_name_bytes_.append(static_cast<char>(byte));
                }
                break;
            case Destination::ColourTable:
                if (byte == ';') {
                    formats_.clear();
                    colours_.push_back(pending_colour_);
                    pending_colour_.reset();
                }
                break;
        }
    }

    void text_unit(char16_t unit) {
        switch (state_.destination) {
            case Destination::Text:
                begin_text();
                flush_bytes();
                run_text_.append(QChar(unit));
                break;
            case Destination::FontTable:
                if (defined_font_ >= 0) {
                    font_name_ += decoder_.decode(font_code_page(), font_name_bytes_);
                    font_name_bytes_.clear();
                    font_name_.append(QChar(unit));
                }
                break;
            case Destination::ColourTable:
                break;
        }
    }

    void paragraph_break() {
        if (state_.destination != Destination::Text) {
            return;
        }
        flush_run();
        cursor_.insertBlock(QTextBlockFormat(), format_of(state_.chars));
    }

    // Text is gathered into runs of one format and inserted a run at a time.
    void begin_text() {
        if (state_.chars != run_chars_) {
            flush_run();
            run_chars_ = state_.chars;
        }
    }

    void flush_bytes() {
        if (pending_bytes_.isEmpty()) {
            return;
        }
        const bool ascii = std::all_of(pending_bytes_.cbegin(), pending_bytes_.cend(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        run_text_ += ascii ? QString::fromLatin1(pending_bytes_)
                           : decoder_.decode(pending_code_page_, pending_bytes_);
        pending_bytes_.resize(0);
    }

    void flush_run() {
        flush_bytes();
        if (run_text_.isEmpty()) {
            return;
        }
        replace_lone_surrogates(run_text_);
        cursor_.insertText(run_text_, format_of(run_chars_));
        run_text_.resize(0);
    }

    // Formats are made once per state: the document's format table then finds
    // each again at once instead of comparing a new one with its entries.
    const QTextCharFormat& format_of(const CharacterState& chars) {
        auto found = formats_.find(chars);
        if (found == formats_.end()) {
            found = formats_.emplace(chars, make_format(chars)).first;
        }
        return found->second;
    }

    QTextCharFormat make_format(const CharacterState& chars) {
        QTextCharFormat format;
        if (chars.bold) {
            format.setFontWeight(QFont::Bold);
        }
        if (chars.italic) {
            format.setFontItalic(true);
        }
        if (chars.underline) {
            format.setFontUnderline(true);
        }
        if (chars.strike) {
            format.setFontStrikeOut(true);
        }
        if (const FontEntry* font = font_entry(chars.font);
            font != nullptr && !font->family.isEmpty()) {
            const QString shown = shown_family(font->family);
            format.setFontFamilies(QStringList{shown});
            // The format table's hash sees a family only as a plain string; without
            // it every format that differs only in its font would share one hash.
            format.setProperty(QTextFormat::FontFamily, shown);
            if (shown != font->family) {
                format.setProperty(kDocumentFontFamily, font->family);
            }
        }
        if (chars.half_points > 0) {
            format.setFontPointSize(chars.half_points / 2.0);
        }
        if (chars.colour >= 0 && static_cast<size_t>(chars.colour) < colours_.size() &&
            colours_[static_cast<size_t>(chars.colour)].has_value()) {
            format.setForeground(*colours_[static_cast<size_t>(chars.colour)]);
        }
        return format;
    }

    // --- font and colour tables ----------------------------------------------

    // The family a run of `family` is shown in; see kFamiliesShownByName.
    QString shown_family(const QString& family) {
        auto found = shown_families_.constFind(family);
        if (found != shown_families_.constEnd()) {
            return *found;
        }
        const QString shown = shown_families_.size() < kFamiliesShownByName || is_installed(family)
                                  ? family
                                  : fallback_family();
        shown_families_.insert(family, shown);
        return shown;
    }

    // One look at the font database instead of one per family: asking it about
    // each of thousands of families takes seconds.
    bool is_installed(const QString& family) {
        if (installed_families_.isEmpty()) {
            for (const QString& installed : QFontDatabase::families()) {
                installed_families_.insert(installed.toCaseFolded());
            }
        }
        return installed_families_.contains(family.toCaseFolded());
    }

    const QString& fallback_family() {
        if (fallback_family_.isEmpty()) {
            fallback_family_ = QFontInfo(document_.defaultFont()).family();
        }
        return fallback_family_;
    }

    const FontEntry* font_entry(int font) const {
        auto found = fonts_.find(font < 0 ? default_font_ : font);
        return found == fonts_.end() ? nullptr : &found->second;
    }

    int code_page_of(int font) const {
        const FontEntry* entry = font_entry(font);
        return entry != nullptr && entry->code_page != 0 ? entry->code_page : document_code_page_;
    }

    int font_code_page() const {
        auto found = fonts_.find(defined_font_);
        return found != fonts_.end() && found->second.code_page != 0 ? found->second.code_page
                                                                     : document_code_page_;
    }

    void begin_font_entry(int number) {
        finish_font_entry();
        formats_.clear();
        defined_font_ = number;
        fonts_[number] = FontEntry{};
        font_entry_depth_ = stack_.size();
    }

    void finish_font_entry() {
        if (defined_font_ < 0) {
            return;
        }
        font_name_ += decoder_.decode(font_code_page(), font_name_bytes_);
        fonts_[defined_font_].family = font_name_.trimmed();
        formats_.clear();
        font_name_.clear();
        font_name_bytes_.clear();
        defined_font_ = -1;
    }

    void set_colour_component(Word word, int value) {
        if (state_.destination != Destination::ColourTable) {
            return;
        }
        QColor colour = pending_colour_.value_or(QColor(0, 0, 0));
        if (word == Word::Red) {
            colour.setRed(value);
        } else if (word == Word::Green) {
            colour.setGreen(value);
        } else {
            colour.setBlue(value);
        }
        pending_colour_ = colour;
    }

    // input
    const char* data_;
    size_t size_;
    size_t pos_ = 0;
    const std::function<void()>& between_pieces_;

    // groups
    GroupState state_;
    std::vector<GroupState> stack_;
    std::int64_t untracked_depth_ = 0;
    std::int64_t skip_depth_ = 0;  // > 0 while inside a destination that is not shown
    int fallback_left_ = 0;

    // document tables
    int document_code_page_ = kWesternCodePage;
    int default_font_ = 0;
    std::map<int, FontEntry> fonts_;
    int defined_font_ = -1;  // the font table entry being read
    size_t font_entry_depth_ = 0;
    QString font_name_;
    QByteArray font_name_bytes_;
    std::vector<std::optional<QColor>> colours_;
    std::optional<QColor> pending_colour_;

    // output
    QTextDocument& document_;
    QTextCursor cursor_;
    CodePageDecoder decoder_;
    CharacterState run_chars_;
    std::map<CharacterState, QTextCharFormat> formats_;
    QHash<QString, QString> shown_families_;  // a document's family: the family it is shown in
    QSet<QString> installed_families_;        // case-folded
    QString fallback_family_;
    QString run_text_;
    QByteArray pending_bytes_;
    int pending_code_page_ = kWesternCodePage;
};

}  // namespace

void read_rtf(const QByteArray& rtf, QTextDocument& document,
              const std::function<void()>& between_pieces) {
    const bool undo_enabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    Parser(rtf, document, between_pieces).run();
    document.setUndoRedoEnabled(undo_enabled);
}

}  // namespace vorna::rtf
