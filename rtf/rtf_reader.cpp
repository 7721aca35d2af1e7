#include "rtf/rtf_reader.h"

#include "rtf/code_page_decoder.h"
#include "rtf/rtf_character_formats.h"
#include "rtf/rtf_character_state.h"
#include "rtf/rtf_document_tables.h"
#include "rtf/rtf_words.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <new>
#include <string_view>
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
constexpr char16_t kReplacementCharacter = 0xFFFD;
// How much input is read between two calls of the caller's `between_pieces`.
constexpr size_t kPieceBytes = 16 * 1024;

enum class Destination : std::uint8_t { text, font_table, colour_table };

struct GroupState {
    CharacterState chars;
    Destination destination = Destination::text;
    int unicode_skip = 1;
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
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A lone surrogate (a \u pair cut by a group or damaged input) would make the
// document's text invalid UTF-16.
void replace_lone_surrogates(QString& text) {
    const qsizetype size = text.size();
    QChar* chars = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i].isHighSurrogate() && i + 1 < size && chars[i + 1].isLowSurrogate())
            ++i;
        else if (chars[i].isSurrogate())
            chars[i] = QChar(kReplacementCharacter);
    }
}

class Parser {
  public:
    Parser(const QByteArray& rtf, QTextDocument& document,
           const std::function<void()>& between_pieces)
        : data_(rtf.constData()),
          size_(static_cast<size_t>(rtf.size())),
          between_pieces_(between_pieces),
          tables_(decoder_),
          formats_(tables_, document),
          cursor_(&document) {}

    // False when memory ran out: the document then holds what was read before.
    bool run() {
        cursor_.beginEditBlock();
        editing_ = true;
        bool whole = true;
        try {
            read_all();
            flush_run();
        } catch (const std::bad_alloc&) {
            whole = false;
        }
        if (editing_)
            cursor_.endEditBlock();
        return whole;
    }

  private:
    void read_all() {
        size_t piece_end = kPieceBytes;
        while (pos_ < size_) {
            if (pos_ >= piece_end && between_pieces_) {
                // The document is whole between pieces, so whoever runs then may look at it.
                cursor_.endEditBlock();
                editing_ = false;
                between_pieces_();
                cursor_.beginEditBlock();
                editing_ = true;
                piece_end = pos_ + kPieceBytes;
            }
            const char c = data_[pos_++];
            if (c == '{')
                open_group();
            else if (c == '}')
                close_group();
            else if (c == '\\')
                read_control();
            else if (skip_depth_ > 0)
                skip_text();
            else
                plain_byte(static_cast<unsigned char>(c));
        }
    }

    // --- groups -------------------------------------------------------------

    void open_group() {
        fallback_left_ = 0;
        if (skip_depth_ > 0)
            ++skip_depth_;
        else if (stack_.size() >= kMaxTrackedDepth)
            ++untracked_depth_;
        else
            stack_.push_back(state_);
    }

    void close_group() {
        fallback_left_ = 0;
        if (skip_depth_ > 0 && --skip_depth_ > 0)
            return;
        if (untracked_depth_ > 0) {
            --untracked_depth_;
            return;
        }
        if (stack_.empty())
            return;  // a brace too many: the text after it is still read
        if (state_.destination == Destination::font_table && stack_.size() == tables_.font_depth())
            tables_.finish_font();
        state_ = stack_.back();
        stack_.pop_back();
    }

    void skip_group() {
        if (skip_depth_ == 0)
            skip_depth_ = 1;
    }

    void skip_text() {
        while (pos_ < size_ && !is_markup(data_[pos_]))
            ++pos_;
    }

    // --- control words and symbols -----------------------------------------

    void read_control() {
        if (pos_ >= size_)
            return;
        if (!is_letter(data_[pos_])) {
            read_control_symbol(data_[pos_++]);
            return;
        }
        const size_t name_start = pos_;
        while (pos_ < size_ && is_letter(data_[pos_]))
            ++pos_;
        const size_t name_length = pos_ - name_start;
        bool has_parameter = false;
        std::int64_t parameter = 0;
        const bool negative = pos_ + 1 < size_ && data_[pos_] == '-' && is_digit(data_[pos_ + 1]);
        if (negative)
            ++pos_;
        while (pos_ < size_ && is_digit(data_[pos_])) {
            has_parameter = true;
            parameter = std::min(parameter * 10 + (data_[pos_] - '0'), kParameterLimit);
            ++pos_;
        }
        if (negative)
            parameter = -parameter;
        if (pos_ < size_ && data_[pos_] == ' ')
            ++pos_;
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
        if (skip_depth_ > 0 || consume_fallback())
            return;
        apply_word(word_of(name), has_parameter, parameter);
    }

    void read_control_symbol(char symbol) {
        if (skip_depth_ > 0)
            return;
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
        if (consume_fallback())
            return;
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

    void apply_word(ControlWord control, bool has_parameter, std::int64_t parameter) {
        const bool on = !has_parameter || parameter != 0;
        const bool in_font_table = state_.destination == Destination::font_table;
        const bool valid_code_page = parameter > 0 && parameter <= 65535;
        CharacterState& chars = state_.chars;
        switch (control.word) {
            case Word::character:
                text_unit(static_cast<char16_t>(control.value));
                break;
            case Word::code_page:
                tables_.set_code_page(control.value);
                break;
            case Word::ansi_code_page:
                if (valid_code_page)
                    tables_.set_code_page(static_cast<int>(parameter));
                break;
            case Word::default_font:
                tables_.set_default_font(clamp_to_int(parameter, 0, INT32_MAX));
                break;
            case Word::font_table:
                state_.destination = Destination::font_table;
                break;
            case Word::colour_table:
                state_.destination = Destination::colour_table;
                tables_.begin_colours();
                break;
            case Word::font:
                if (in_font_table)
                    tables_.begin_font(clamp_to_int(parameter, 0, INT32_MAX), stack_.size());
                else
                    chars.font = clamp_to_int(parameter, 0, INT32_MAX);
                break;
            case Word::font_charset:
                tables_.set_font_charset(clamp_to_int(parameter, 0, 255));
                break;
            case Word::font_code_page:
                if (valid_code_page)
                    tables_.set_font_code_page(static_cast<int>(parameter));
                break;
            case Word::red:
            case Word::green:
            case Word::blue:
                set_colour_component(control.word, clamp_to_int(parameter, 0, 255));
                break;
            case Word::plain:
                chars = CharacterState{};
                break;
            case Word::bold:
                chars.bold = on;
                break;
            case Word::italic:
                chars.italic = on;
                break;
            case Word::underline:
                chars.underline = on;
                break;
            case Word::underline_none:
                chars.underline = false;
                break;
            case Word::strike:
                chars.strike = on;
                break;
            case Word::font_size:
                chars.half_points =
                    has_parameter ? clamp_to_int(parameter, 0, kMaxHalfPoints) : kDefaultHalfPoints;
                break;
            case Word::colour:
                chars.colour = clamp_to_int(parameter, 0, INT32_MAX);
                break;
            case Word::paragraph:
                paragraph_break();
                break;
            case Word::unicode:
                if (has_parameter)
                    unicode_character(parameter);
                break;
            case Word::unicode_skip:
                state_.unicode_skip = clamp_to_int(parameter, 0, kMaxUnicodeSkip);
                break;
            case Word::skipped_destination:
                skip_group();
                break;
            case Word::rtf:
            case Word::paragraph_defaults:
            case Word::field_result:
            case Word::unknown:
                break;
        }
    }

    void set_colour_component(Word word, int value) {
        if (state_.destination != Destination::colour_table)
            return;
        using Component = DocumentTables::Component;
        tables_.set_colour_component(word == Word::red     ? Component::red
                                     : word == Word::green ? Component::green
                                                           : Component::blue,
                                     value);
    }

    // \uN names a UTF-16 code unit as a signed 16-bit number; the next
    // \ucN characters are the fallback for readers without Unicode.
    void unicode_character(std::int64_t value) {
        if (value < -32768 || value > 0xFFFF)
            text_unit(kReplacementCharacter);
        else
            text_unit(static_cast<char16_t>(value < 0 ? value + 65536 : value));
        fallback_left_ = state_.unicode_skip;
    }

    bool consume_fallback() {
        if (fallback_left_ == 0)
            return false;
        --fallback_left_;
        return true;
    }

    // --- text ---------------------------------------------------------------

    void plain_byte(unsigned char byte) {
        if (byte == '\t') {
            if (!consume_fallback())
                text_unit(u'\t');
        } else if (byte >= 0x20 && byte != 0x7F) {
            text_byte(byte);
        }
        // Line ends and other control bytes are layout of the file, not text.
    }

    void text_byte(unsigned char byte) {
        if (consume_fallback())
            return;
        switch (state_.destination) {
            case Destination::text: {
                begin_text();
                const int code_page = tables_.code_page_of(run_chars_.font);
                if (code_page != pending_code_page_) {
                    flush_bytes();
                    pending_code_page_ = code_page;
                }
                pending_bytes_.append(static_cast<char>(byte));
                break;
            }
            case Destination::font_table:
                if (byte == ';')
                    tables_.finish_font();
                else
                    tables_.add_to_font_name(byte);
                break;
            case Destination::colour_table:
                if (byte == ';')
                    tables_.finish_colour();
                break;
        }
    }

    void text_unit(char16_t unit) {
        switch (state_.destination) {
            case Destination::text:
                begin_text();
                flush_bytes();
                run_text_.append(QChar(unit));
                break;
            case Destination::font_table:
                tables_.add_to_font_name(unit);
                break;
            case Destination::colour_table:
                break;
        }
    }

    void paragraph_break() {
        if (state_.destination != Destination::text)
            return;
        flush_run();
        cursor_.insertBlock(QTextBlockFormat(), formats_.format_of(state_.chars));
    }

    // Text is gathered into runs of one format and inserted a run at a time.
    void begin_text() {
        if (state_.chars != run_chars_) {
            flush_run();
            run_chars_ = state_.chars;
        }
    }

    void flush_bytes() {
        if (pending_bytes_.isEmpty())
            return;
        const bool ascii = std::all_of(pending_bytes_.cbegin(), pending_bytes_.cend(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        run_text_ += ascii ? QString::fromLatin1(pending_bytes_)
                           : decoder_.decode(pending_code_page_, pending_bytes_);
        pending_bytes_.resize(0);
    }

    void flush_run() {
        flush_bytes();
        if (run_text_.isEmpty())
            return;
        replace_lone_surrogates(run_text_);
        cursor_.insertText(run_text_, formats_.format_of(run_chars_));
        run_text_.resize(0);
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

    // document tables and output
    CodePageDecoder decoder_;
    DocumentTables tables_;
    CharacterFormats formats_;
    QTextCursor cursor_;
    bool editing_ = false;  // within an edit block of `cursor_`
    CharacterState run_chars_;
    QString run_text_;
    QByteArray pending_bytes_;
    int pending_code_page_ = DocumentTables::kWesternCodePage;
};

}  // namespace

Status read_rtf(const QByteArray& rtf, QTextDocument& document,
                const std::function<void()>& between_pieces) {
    const bool undo_enabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const bool whole = Parser(rtf, document, between_pieces).run();
    document.setUndoRedoEnabled(undo_enabled);
    return whole ? Status() : Status::from_errno(ENOMEM, {});
}

}  // namespace vorna::rtf
