#include <string_view>

#include "core/engine/translation_run.h"

namespace vorna {

namespace {

bool starts_code_point(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Byte offset just past the first `characters` characters of the line.
std::size_t end_of_characters(std::string_view line, int32_t characters) {
    if (static_cast<std::size_t>(characters) >= line.size())
        return line.size();
    int32_t seen = 0;
    for (std::size_t end = 0; end < line.size(); ++end) {
        if (starts_code_point(line[end]) && seen++ == characters)
            return end;
    }
    return line.size();
}

// Cuts the next piece of the line, from workspace.piece_end on, into its
// words by the word rule and makes their keys. Each key gets room for the
// whole word, which is never shorter than its key.
void find_words(std::string_view line, LineWorkspace& workspace) {
    workspace.words.clear();
    workspace.keys.clear();
    std::size_t pos = workspace.piece_end;
    WordSpan span;
    while (workspace.words.size() < LineWorkspace::kMaxWords) {
        if (!find_next_word(line, pos, span)) {
            pos = line.size();
            break;
        }
        pos = span.end;
        const std::string_view word = line.substr(span.start, span.end - span.start);
        const std::size_t key_start = workspace.keys.size();
        workspace.keys.resize(key_start + word.size());
        const WordKey key = make_word_key(word, static_cast<int32_t>(word.size()),
                                          workspace.keys.data() + key_start);
        workspace.words.push_back({span.start, span.end, key.hash, key.size, key.looked_up});
    }
    workspace.piece_end = pos;
}

// The dictionary is far larger than the processor's caches and the words of a
// text are looked up all over it, so its memory is asked for ahead of use:
// the slots of a line's first words while the line before is translated, then
// within the line a few words ahead. Hints only: results do not change.
constexpr std::size_t kSlotsAhead = 16;
constexpr std::size_t kTextsAhead = 3;

void prefetch_ahead(const LookupIndex& index, const LineWorkspace& workspace, std::size_t i) {
    const auto& words = workspace.words;
    if (i == 0) {  // the slots are near by now: the texts of the first words
        for (std::size_t j = 0; j < kTextsAhead && j < words.size(); ++j)
            index.prefetch_texts(words[j].hash);
    }
    if (i + kSlotsAhead < words.size())
        index.prefetch(words[i + kSlotsAhead].hash);
    if (i + kTextsAhead < words.size())
        index.prefetch_texts(words[i + kTextsAhead].hash);
}

}  // namespace

void TranslationRun::prepare_line(std::string_view line, LineWorkspace& workspace) const {
    workspace.piece_end = 0;
    find_words(line, workspace);
    if (!prefetching())
        return;
    for (std::size_t j = 0; j < kSlotsAhead && j < workspace.words.size(); ++j)
        store_.lookup.prefetch(workspace.words[j].hash);
}

void TranslationRun::render_line(std::string_view line, uint64_t line_offset,
                                 LineWorkspace& workspace, std::string& out, EventPump& host) {
    // The options are read once: the output's writes could alias them.
    const bool text_output = options_.form == OutputForm::text;
    const bool rus = options_.script == Script::cyrillic;
    const bool keep_positions = options_.keep_word_positions;
    const bool collect_unknown = options_.collect_unknown_words;
    const bool prefetch = prefetching();

    std::size_t done = 0;       // everything before this offset is rendered
    std::size_t key_start = 0;  // the key of word i in workspace.keys
    for (std::size_t i = 0;; ++i) {
        if (i == workspace.words.size()) {
            if (workspace.piece_end >= line.size())
                break;
            find_words(line, workspace);  // the next piece of a long line
            if (workspace.words.empty())
                break;
            i = 0;
            key_start = 0;
        }
        const LineWorkspace::Word& span = workspace.words[i];
        // Separators before the first word and between words stand only in text output.
        if (text_output && span.start > done) {
            if (span.start - done == 1) {
                out += line[done];  // the usual single blank, without a call
            } else {
                out.append(line, done, span.start - done);
            }
        }
        if (prefetch)
            prefetch_ahead(store_.lookup, workspace, i);
        const std::string_view word = line.substr(span.start, span.end - span.start);
        const std::string_view key =
            std::string_view(workspace.keys).substr(key_start, span.key_size);
        key_start += word.size();
        const WordLookup lookup = look_up_key(key, WordKey{span.looked_up, span.hash}, host);
        const std::size_t output_start = out.size();
        append_word_result(out, word, lookup, !text_output, rus);
        if (lookup.outcome != WordLookup::Outcome::not_looked_up) {
            if (keep_positions) {
                word_positions_.push_back({line_offset + span.start,
                                           static_cast<uint32_t>(word.size()), output_start,
                                           static_cast<uint32_t>(out.size() - output_start),
                                           lookup.outcome == WordLookup::Outcome::found});
            }
            if (collect_unknown && lookup.outcome == WordLookup::Outcome::unknown)
                note_unknown_word(key, line_offset + span.start);
        }
        if (!text_output)
            out.append("\r\n", 2);
        done = span.end;
    }
    // A separator run that ends the line belongs to both outputs.
    if (done < line.size()) {
        out.append(line, done, line.size() - done);
        if (!text_output)
            out += "\r\n";
    }
}

void TranslationRun::text_line_translate(const std::string& text_line_eng, int32_t len_eng,
                                         std::string& text_line_rus, EventPump& host) {
    text_line_rus.clear();
    if (len_eng <= 0)
        return;
    // Only the first len_eng characters are scanned.
    const std::string_view line =
        std::string_view(text_line_eng).substr(0, end_of_characters(text_line_eng, len_eng));
    LineWorkspace& workspace = workspaces_[0];
    prepare_line(line, workspace);
    render_line(line, 0, workspace, text_line_rus, host);
}

}  // namespace vorna
