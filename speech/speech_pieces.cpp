#include "speech/speech_pieces.h"

namespace vorna::speech {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool ends_clause(char c) {
    return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?';
}

}  // namespace

SpeechPieces speech_pieces(std::string_view text) {
    SpeechPieces result;
    std::string piece;
    std::size_t words_said = 0;
    std::size_t words_in_piece = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && is_blank(text[at]))
            ++at;
        if (at == text.size())
            break;
        const std::size_t start = at;
        while (at < text.size() && !is_blank(text[at]))
            ++at;
        if (words_said == kMostWordsSaid) {
            ++result.words_left_out;
            continue;
        }
        ++words_said;
        if (!piece.empty())
            piece += ' ';
        piece.append(text.substr(start, at - start));
        if (++words_in_piece == kMostWordsInAPiece || ends_clause(text[at - 1])) {
            result.pieces.push_back(std::move(piece));
            piece.clear();
            words_in_piece = 0;
        }
    }
    if (!piece.empty())
        result.pieces.push_back(std::move(piece));
    return result;
}

}  // namespace vorna::speech
