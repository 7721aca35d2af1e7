#include "prose_generator.h"

#include <random>

namespace vorna::bench {

namespace {

std::string made_up_word(std::mt19937& random) {
    static const char* const syllables[] = {"qua",  "zor", "vex",  "plin",
                                            "drab", "yst", "gorm", "thu"};
    std::string word;
    const auto count = 1 + random() % 3;
    for (unsigned i = 0; i < count; ++i)
        word += syllables[random() % 8];
    return word;
}

}  // namespace

std::string generate_prose(const std::vector<std::string>& vocabulary, std::size_t bytes,
                           uint32_t seed) {
    std::mt19937 random(seed);
    // Zipf's law, as in real prose: the word of rank r comes with weight 1/r,
    // so a hundred words make up about half of the text.
    std::vector<double> weights(vocabulary.size());
    for (std::size_t r = 0; r < weights.size(); ++r)
        weights[r] = 1.0 / static_cast<double>(r + 1);
    std::discrete_distribution<std::size_t> rank(weights.begin(), weights.end());
    std::string text;
    text.reserve(bytes + 256);
    bool sentence_start = true;
    std::size_t line_length = 0;
    while (text.size() < bytes) {
        std::string word;
        const auto kind = random() % 100;
        if (kind < 85 && !vocabulary.empty()) {
            word = vocabulary[rank(random)];
        } else if (kind < 95) {
            word = made_up_word(random);
        } else {
            word = std::to_string(random() % 2000);
        }
        if (sentence_start && word[0] >= 'a' && word[0] <= 'z')
            word[0] = static_cast<char>(word[0] - 32);
        if (random() % 200 == 0) {
            for (char& c : word)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        text += word;
        line_length += word.size();
        sentence_start = false;
        const auto punctuation = random() % 100;
        if (punctuation < 8) {
            text += ". ";
            sentence_start = true;
        } else if (punctuation < 14) {
            text += ", ";
        } else if (punctuation < 15) {
            text += "; ";
        } else if (punctuation < 16) {
            text += " (\"";
        } else {
            text += ' ';
        }
        if (line_length > 70) {  // lines of a paragraph, and now and then an empty line
            text += random() % 8 == 0 ? "\n\n" : "\n";
            line_length = 0;
        }
    }
    return text;
}

}  // namespace vorna::bench
