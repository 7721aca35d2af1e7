#include "core/dictionary/article_text.h"

#include <array>
#include <vector>

namespace vorna {

namespace {

// The markers an article's lines may start with, outermost first.
enum class Level { text, homograph, group, sense, sub_sense };

struct Item {
    Level level = Level::text;
    std::string marker;  // "I", "1.", "1)", "а)"
    std::string text;
};

struct Label {
    std::string_view markup;
    std::string_view readable;
};

// Grammar labels are written in English abbreviations; a reader gets them in words.
constexpr std::array<Label, 26> kGrammarLabels = {{
    {"_n.", "существительное"},
    {"_v.", "глагол"},
    {"_a.", "прилагательное"},
    {"_adv.", "наречие"},
    {"_pron.", "местоимение"},
    {"_prep.", "предлог"},
    {"_cj.", "союз"},
    {"_int.", "междометие"},
    {"_interj.", "междометие"},
    {"_num.", "числительное"},
    {"_n-card.", "количественное числительное"},
    {"_n-ord.", "порядковое числительное"},
    {"_predic.", "предикатив"},
    {"_pref.", "приставка"},
    {"_suff.", "суффикс"},
    {"_art.", "артикль"},
    {"_pl.", "мн. ч."},
    {"_sing.", "ед. ч."},
    {"_p.", "прош. вр."},
    {"_p-p.", "прич. прош. вр."},
    {"_pres-p.", "прич. наст. вр."},
    {"_attr.", "в роли определения"},
    {"_refl.", "возвр."},
    {"_pass.", "страд. залог"},
    {"_comp.", "сравн. ст."},
    {"_superl.", "превосх. ст."},
}};

bool is_latin_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Every Cyrillic letter of the article lies in U+0400..U+047F, whose UTF-8
// sequences start with 0xD0 or 0xD1.
bool starts_cyrillic(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    return (byte == 0xD0 || byte == 0xD1) && at + 1 < text.size();
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Recognises the marker a line starts with; `rest` gets what follows it.
Level read_marker(std::string_view line, std::string& marker, std::string_view& rest) {
    if (line.size() >= 2 && line[0] == '_' && line.find_first_not_of("IVX", 1) != 1) {
        const std::size_t end = std::min(line.find_first_not_of("IVX", 1), line.size());
        if (end == line.size() || line[end] == ' ' || line[end] == '[') {
            marker = std::string(line.substr(1, end - 1));
            rest = line.substr(end);
            return Level::homograph;
        }
    }
    std::size_t digits = 0;
    while (digits < line.size() && digits < 3 && is_digit(line[digits]))
        ++digits;
    if (digits > 0 && digits < line.size()) {
        if (line[digits] == ')') {
            marker = std::string(line.substr(0, digits + 1));
            rest = line.substr(digits + 1);
            return Level::sense;
        }
        if (line[digits] == '.' && (digits + 1 == line.size() || line[digits + 1] == ' ')) {
            marker = std::string(line.substr(0, digits + 1));
            rest = line.substr(digits + 1);
            return Level::group;
        }
        return Level::text;
    }
    // а) б) в): a small Cyrillic letter, two bytes, and a parenthesis.
    if (line.size() >= 3 && starts_cyrillic(line, 0) && line[2] == ')') {
        marker = std::string(line.substr(0, 3));
        rest = line.substr(3);
        return Level::sub_sense;
    }
    return Level::text;
}

// The label that starts at `at` ("_разг." up to its full stop), or empty.
std::string_view label_at(std::string_view text, std::size_t at) {
    if (text[at] != '_' || (at > 0 && text[at - 1] != ' ' && text[at - 1] != '('))
        return {};
    std::size_t end = at + 1;
    while (end < text.size() && text[end] != ' ' && text[end] != '.' && text[end] != '(' &&
           text[end] != ')' && text[end] != '[' && text[end] != ';' && text[end] != ',')
        ++end;
    if (end == at + 1 || end >= text.size() || text[end] != '.')
        return {};
    return text.substr(at, end + 1 - at);
}

// Labels in words, braces as parentheses, stress arrows as stress marks.
std::string readable(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view label = label_at(text, at);
        if (!label.empty()) {
            std::string_view shown = label.substr(1);
            for (const Label& known : kGrammarLabels) {
                if (known.markup == label)
                    shown = known.readable;
            }
            out += shown;
            at += label.size();
            // "10)_тех." has no blank between marker and label.
            continue;
        }
        if (text.substr(at, 3) == "\xE2\x86\x97") {  // ↗
            out += "\xCB\x88";                       // ˈ
            at += 3;
        } else if (text.substr(at, 3) == "\xE2\x86\x98") {  // ↘
            out += "\xCB\x8C";                              // ˌ
            at += 3;
        } else if (text[at] == '{' || text[at] == '}') {
            out += text[at] == '{' ? '(' : ')';
            ++at;
        } else {
            out += text[at++];
        }
    }
    return out;
}

// Cuts a sense at the semicolons outside brackets.
std::vector<std::string_view> segments_of(std::string_view text) {
    std::vector<std::string_view> segments;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (c == ';' && depth == 0) {
            segments.push_back(trimmed(text.substr(start, at - start)));
            start = at + 1;
        }
    }
    segments.push_back(trimmed(text.substr(start)));
    return segments;
}

// Where the Russian of an example starts: its first Cyrillic letter outside
// parentheses ("to be (или to sit) at table быть за столом").
std::size_t russian_start(std::string_view segment) {
    int depth = 0;
    for (std::size_t at = 0; at < segment.size(); ++at) {
        const char c = segment[at];
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (depth == 0 && starts_cyrillic(segment, at))
            return at;
    }
    return std::string_view::npos;
}

// A sense's translations on its own line, then each example on a line of
// its own, its Russian after a dash.
void append_sense(std::string& out, const std::string& indent, const std::string& head,
                  std::string_view text) {
    std::string translations;
    std::vector<std::string> examples;
    for (const std::string_view segment : segments_of(text)) {
        if (segment.empty())
            continue;
        const std::size_t russian = russian_start(segment);
        const bool example = is_latin_letter(segment[0]) && russian != std::string_view::npos;
        if (example) {
            examples.push_back(std::string(trimmed(segment.substr(0, russian))) + " — " +
                               std::string(segment.substr(russian)));
        } else if (!examples.empty()) {
            (examples.back() += "; ") += segment;
        } else {
            if (!translations.empty())
                translations += "; ";
            translations += segment;
        }
    }
    out += indent;
    out += head;
    if (!head.empty() && !translations.empty())
        out += ' ';
    out += translations;
    out += '\n';
    for (const std::string& example : examples)
        ((out += indent) += "   ") += example + '\n';
}

std::vector<Item> items_of(std::string_view article, std::string& headword) {
    std::vector<Item> items;
    bool first = true;
    while (!article.empty()) {
        const std::size_t end = std::min(article.find('\n'), article.size());
        const std::string_view line = trimmed(article.substr(0, end));
        article.remove_prefix(std::min(end + 1, article.size()));
        if (first) {
            headword = std::string(line);
            first = false;
            continue;
        }
        if (line.empty())
            continue;
        Item item;
        std::string_view rest;
        item.level = read_marker(line, item.marker, rest);
        if (item.level == Level::text && !items.empty()) {
            (items.back().text += ' ') += line;
            continue;
        }
        item.text = std::string(item.level == Level::text ? line : trimmed(rest));
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

std::string render_article(std::string_view article) {
    std::string headword;
    const std::vector<Item> items = items_of(article, headword);
    std::string out = headword;
    bool has_homographs = false;
    for (const Item& item : items)
        has_homographs |= item.level == Level::homograph;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        std::string text = readable(trimmed(item.text));
        // The transcription stands beside the headword or its homograph number.
        if (!text.empty() && text[0] == '[' && (i == 0 || item.level == Level::homograph)) {
            const std::size_t close = text.find(']');
            const std::string transcription =
                text.substr(0, close == std::string::npos ? text.size() : close + 1);
            text = std::string(trimmed(std::string_view(text).substr(transcription.size())));
            if (item.level == Level::homograph) {
                out += "\n" + item.marker + " " + transcription;
                if (!text.empty())
                    append_sense(out += '\n', has_homographs ? "   " : "", "", text);
                else
                    out += '\n';
                continue;
            }
            (out += ' ') += transcription;
            if (text.empty()) {
                out += '\n';
                continue;
            }
        }
        if (i == 0 && item.level != Level::homograph)
            out += '\n';
        std::string indent = has_homographs ? "   " : "";
        switch (item.level) {
            case Level::text:
                append_sense(out, indent, "", text);
                break;
            case Level::homograph:
                append_sense(out += '\n', "", item.marker, text);
                break;
            case Level::group:
                append_sense(out, indent, item.marker, text);
                break;
            case Level::sense:
                append_sense(out, indent + "   ", item.marker, text);
                break;
            case Level::sub_sense:
                append_sense(out, indent + "      ", item.marker, text);
                break;
        }
    }
    if (items.empty() || out.back() != '\n')
        out += '\n';
    return out;
}

}  // namespace vorna
