#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorna::speech {

// The most words one request says; a longer text is cut after them.
inline constexpr std::size_t kMostWordsSaid = 200;
// The most words said in one go: speech can stop between pieces only.
inline constexpr std::size_t kMostWordsInAPiece = 6;

// A text as it is said: pieces of a clause or of a few words, in order.
struct SpeechPieces {
    std::vector<std::string> pieces;
    std::size_t words_left_out = 0;  // past kMostWordsSaid
};

// Cuts `text` after each word that ends a clause (. , ; : ! ?) and after
// every kMostWordsInAPiece words; a word is a run of characters between
// blanks.
SpeechPieces speech_pieces(std::string_view text);

}  // namespace vorna::speech
