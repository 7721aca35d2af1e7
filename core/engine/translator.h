#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/line_workspace.h"
#include "core/text/message_table.h"
#include "core/engine/translation_host.h"

namespace vorna {

// The engine's state, owned by the host (the main window or the CLI).
struct Translator {
    Translator(DictionaryStore& dictionary, const MessageTable& message_table, std::string folder)
        : store(dictionary), messages(message_table), application_folder(std::move(folder)) {}

    DictionaryStore& store;
    const MessageTable& messages;
    std::string application_folder;
    std::string work_folder;     // where the run's temporary files go; "" = the application folder
    std::string interface_mode;  // "rus" picks word_rus; anything else word_translit
    std::string type_of_translate;  // "" for text output, "\r\n" for the word list
    int32_t unknown_word_count = 0;
    bool use_literal_scan = false;  // the reference lookup, for tests and benchmarks
    bool run_in_progress = false;
    // Reused from line to line; two, so the next line can be prepared while
    // this one is translated.
    std::array<LineWorkspace, 2> workspaces;
};

// Translates one word as line translation cut it out. `word` is emptied;
// `result` receives what stands for the word in the output.
void word_translate(Translator& translator, TranslationHost& host, std::string& word,
                    std::string& result, int32_t length);

// Renders one source line (without its line break) into `text_line_rus`.
void text_line_translate(Translator& translator, TranslationHost& host,
                         const std::string& text_line_eng, int32_t len_eng,
                         std::string& text_line_rus);

// The whole run over a source text (UTF-8, lines separated by LF or CR LF).
// Resets the counters, goes through temp1.txt and temp2.txt, reports progress
// after every line and returns the output (every line ended by CR LF).
// Returns nullopt for an empty text, and when a run is already in progress.
std::optional<std::string> text_translate(Translator& translator, TranslationHost& host,
                                          const std::string& source_text,
                                          const std::string& decimal_separator);

}  // namespace vorna
