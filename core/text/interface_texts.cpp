#include "core/text/interface_texts.h"

namespace vorna {

std::string letter_loaded_text(Script script, char letter, int32_t running_count) {
    return texts::kLoadingDictionary.in(script) + std::string(1, letter) +
           texts::kWordsInAll.in(script) + std::to_string(running_count);
}

std::string records_left_out_text(Script script, int32_t count) {
    return texts::kRecordsLeftOut.in(script) + std::to_string(count);
}

std::string damaged_dictionary_text(Script script, const std::string& dictionary_path) {
    // The path is followed by a blank before the text's own leading blank.
    return texts::kDamagedDictionaryStart.in(script) + std::string("\r\n") + dictionary_path + " " +
           texts::kDamagedDictionaryEnd.in(script);
}

std::string file_filter_text(Script script) {
    return texts::kFileFilterName.in(script) + std::string("|*.*");
}

}  // namespace vorna
