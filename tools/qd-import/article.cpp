#include "article.h"

#include <array>
#include <cstddef>
#include <sstream>

#include "utf8_text.h"

namespace qd_import {
namespace {

enum class Level { preamble = -1, homograph = 0, group = 1, sense = 2, sub_sense = 3 };

struct Node {
    Level level = Level::preamble;
    int number = 0;
    std::string text;
};

bool is_roman_digit(char c) {
    return c == 'I' || c == 'V' || c == 'X';
}

// Recognises a marker at the start of a (left-trimmed) line; on success sets
// the level, the marker's number and where the rest of the line begins.
bool read_marker(const std::string& line, Level& level, int& number, std::size_t& rest) {
    if (line.size() >= 2 && line[0] == '_' && is_roman_digit(line[1])) {
        std::size_t end = 1;
        int value = 0;
        while (end < line.size() && is_roman_digit(line[end])) {
            ++end;
        }
        if (end < line.size() && line[end] != ' ' && line[end] != '[') {
            return false;
        }
        // Only the small numerals occur; a count of letters is not enough for
        // IV and IX, so read them properly.
        int previous = 0;
        for (std::size_t i = end; i-- > 1;) {
            const int digit = line[i] == 'I' ? 1 : line[i] == 'V' ? 5 : 10;
            value += digit < previous ? -digit : digit;
            previous = digit;
        }
        level = Level::homograph;
        number = value;
        rest = end;
        return true;
    }
    std::size_t end = 0;
    while (end < line.size() && end < 3 && is_ascii_digit(static_cast<unsigned char>(line[end]))) {
        ++end;
    }
    if (end > 0 && end < line.size()) {
        number = std::stoi(line.substr(0, end));
        if (line[end] == ')') {
            level = Level::sense;
            rest = end + 1;
            return true;
        }
        if (line[end] == '.' && (end + 1 == line.size() || line[end + 1] == ' ')) {
            level = Level::group;
            rest = end + 1;
            return true;
        }
        return false;
    }
    // а) б) в): one small Cyrillic letter and a parenthesis.
    std::size_t pos = 0;
    const uint32_t letter = next_code_point(line, pos);
    if (letter >= 0x0430 && letter <= 0x044F && pos < line.size() && line[pos] == ')') {
        level = Level::sub_sense;
        number = static_cast<int>(letter - 0x0430 + 1);
        rest = pos + 1;
        return true;
    }
    return false;
}

bool is_marginal_label(const std::string& label) {
    // The jargon of a trade ("bear" играть на понижение, of the exchange)
    // is no reader's first sense either.
    static const std::array<const char*, 15> kMarginal = {
        "_поэт.", "_уст.",  "_редк.", "_жарг.",  "_диал.", "_attr.",  "_арх.", "_шутл.",
        "_груб.", "_библ.", "_церк.", "_вульг.", "_бирж.", "_метал.", "_горн."};
    for (const char* marginal : kMarginal) {
        if (label == marginal) {
            return true;
        }
    }
    return false;
}

bool is_colloquial_label(const std::string& label) {
    static const std::array<const char*, 5> kColloquial = {"_разг.", "_sl.", "_жарг.", "_груб.",
                                                           "_вульг."};
    for (const char* colloquial : kColloquial) {
        if (label == colloquial) {
            return true;
        }
    }
    return false;
}

// The text up to its first Cyrillic word, labels ("_разг.") not counted as words.
std::string before_first_cyrillic(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] == '_') {
            while (pos < text.size() && text[pos] != ' ') {
                ++pos;
            }
            continue;
        }
        const std::size_t start = pos;
        if (is_cyrillic_letter(next_code_point(text, pos))) {
            return text.substr(0, start);
        }
    }
    return text;
}

}  // namespace

PartOfSpeech part_of_speech_of_label(const std::string& label) {
    struct Entry {
        const char* label;
        PartOfSpeech part;
    };
    static const std::array<Entry, 12> kLabels = {{
        {"_n.", PartOfSpeech::noun},
        {"_v.", PartOfSpeech::verb},
        {"_a.", PartOfSpeech::adjective},
        {"_adv.", PartOfSpeech::adverb},
        {"_pron.", PartOfSpeech::pronoun},
        {"_prep.", PartOfSpeech::preposition},
        {"_cj.", PartOfSpeech::conjunction},
        {"_int.", PartOfSpeech::interjection},
        {"_interj.", PartOfSpeech::interjection},
        {"_num.", PartOfSpeech::numeral},
        {"_n-card.", PartOfSpeech::numeral},
        {"_n-ord.", PartOfSpeech::numeral},
    }};
    for (const Entry& entry : kLabels) {
        if (label == entry.label) {
            return entry.part;
        }
    }
    return PartOfSpeech::unknown;
}

std::vector<std::string> labels_outside_brackets(const std::string& text) {
    std::vector<std::string> labels;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (c == '_' && depth == 0 && (i == 0 || text[i - 1] == ' ')) {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != ' ' && text[end] != '.' && text[end] != '(' &&
                   text[end] != '[') {
                ++end;
            }
            if (end < text.size() && text[end] == '.') {
                labels.push_back(text.substr(i, end + 1 - i));
            }
            i = end;
        }
    }
    return labels;
}

ParsedArticle parse_article(const std::string& text) {
    ParsedArticle article;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    article.headword = trim(line);

    std::vector<Node> nodes(1);
    while (std::getline(lines, line)) {
        const std::string content = trim(line);
        if (content.empty()) {
            continue;
        }
        Level level = Level::preamble;
        int number = 0;
        std::size_t rest = 0;
        if (read_marker(content, level, number, rest)) {
            nodes.push_back({level, number, trim(std::string_view(content).substr(rest))});
        } else {
            std::string& target = nodes.back().text;
            if (!target.empty()) {
                target += ' ';
            }
            target += content;
        }
    }

    // Walk the markers keeping what each enclosing level said: the homograph
    // and group numbers, the part of speech and whether it is marginal.
    constexpr std::size_t kLevels = 5;  // preamble + four marker levels
    std::array<PartOfSpeech, kLevels> part_at{};
    std::array<bool, kLevels> marginal_at{};
    std::array<bool, kLevels> colloquial_at{};
    int homograph = 1;
    int group = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node& node = nodes[i];
        const auto depth = static_cast<std::size_t>(static_cast<int>(node.level) + 1);
        if (node.level == Level::homograph) {
            homograph = node.number;
            group = 0;
        } else if (node.level == Level::group) {
            group = node.number;
        }
        PartOfSpeech part = depth > 0 ? part_at[depth - 1] : PartOfSpeech::unknown;
        bool marginal = depth > 0 && marginal_at[depth - 1];
        bool colloquial = depth > 0 && colloquial_at[depth - 1];
        // Only the labels before the translation speak of the sense: one
        // further on ("to win the day _уст. одержать победу") belongs to an example.
        for (const std::string& label : labels_outside_brackets(before_first_cyrillic(node.text))) {
            const PartOfSpeech labelled = part_of_speech_of_label(label);
            if (labelled != PartOfSpeech::unknown) {
                part = labelled;
            } else if (is_marginal_label(label)) {
                marginal = true;
            }
            colloquial = colloquial || is_colloquial_label(label);
        }
        for (std::size_t d = depth; d < kLevels; ++d) {
            part_at[d] = part;
            marginal_at[d] = marginal;
            colloquial_at[d] = colloquial;
        }
        // A marker's own text comes before its sub-senses: "1) говорить; to say
        // no а) отрицать" translates in its own line, the sub-senses belong to
        // the example.
        if (!node.text.empty()) {
            article.senses.push_back({homograph, group, part, marginal, colloquial, node.text});
        }
    }
    return article;
}

}  // namespace qd_import
