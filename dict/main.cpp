// vorna-dict: the reader's dictionary from the command line, through the
// same edit as the window's "Изменить перевод…".
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <new>

#include "cmdline/cmdline_texts.h"
#include "core/dictionary/dictionary_choice.h"
#include "core/dictionary/edit_refusal_text.h"
#include "core/dictionary/record_lookup.h"
#include "core/io/file_bytes.h"
#include "core/io/path_parts.h"
#include "core/text/dictionary_edit_texts.h"
#include "core/text/speech_texts.h"
#include "dict/dict_options.h"
#include "dict/dict_texts.h"
#include "dict/exit_status.h"
#include "dict/glossary.h"
#include "dict/glossary_import.h"
#include "speech/speech.h"
#include "speech/speech_pieces.h"

namespace vorna::dict {
namespace {

std::string refusal_line(const EditOutcome& outcome, const std::string& headword,
                         const std::string& path, Script script) {
    std::string line = edit_refusal_text(outcome, headword, path, script);
    const bool about_file = outcome.refusal == EditRefusal::file_not_read ||
                            outcome.refusal == EditRefusal::file_not_written;
    if (about_file && !outcome.status.reason().empty())
        line += ": " + outcome.status.reason();
    return line;
}

int status_of(const EditOutcome& outcome) {
    switch (outcome.refusal) {
        case EditRefusal::none:
            return kSuccess;
        case EditRefusal::file_not_read:
            return kDictionaryNotRead;
        case EditRefusal::file_not_written:
            return kDictionaryNotWritten;
        case EditRefusal::word_not_found:
            return kWordNotFound;
        default:
            return kRecordRefused;
    }
}

class Dictionary {
  public:
    Dictionary(const DictOptions& options, Script script)
        : script_(script),
          readers_folder_(readers_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))),
          choice_(choose_dictionary(options.dictionary_path, program_folder(), readers_folder_)) {}

    int path() const {
        std::string text = choice_.path + '\n';
        switch (choice_.origin) {
            case DictionaryOrigin::given:
                text += texts::kGivenDictionary.in(script_);
                break;
            case DictionaryOrigin::readers_copy:
                text += texts::kReadersCopy.in(script_);
                break;
            case DictionaryOrigin::beside_program:
                text += texts::kBesideProgram.in(script_);
                if (!readers_folder_.empty()) {
                    text += fill_markers(texts::kCopyWouldGoTo.in(script_), "", "",
                                         readers_folder_ + "/qd.dat");
                }
                break;
        }
        if (const int status = kProgram.print(script_, text + '\n'); status != kSuccess)
            return status;
        if (const Status status = check_readable_file(choice_.path); !status.ok())
            return file_refusal(EditRefusal::file_not_read, status);
        return kSuccess;
    }

    int show(const std::string& word) const {
        std::optional<RecordText> record;
        if (const Status status = find_record(choice_.path, word, record); !status.ok())
            return file_refusal(EditRefusal::file_not_read, status);
        if (!record) {
            EditOutcome outcome;
            outcome.refusal = EditRefusal::word_not_found;
            return report(outcome, word);
        }
        return kProgram.print(script_, record->headword + '\t' + record->translation + '\t' +
                                           record->translit + '\n');
    }

    int set(const RecordText& record) {
        return report(edit([&record](const std::string& path) { return set_record(path, record); }),
                      record.headword);
    }

    int remove(const std::string& word) {
        return report(edit([&word](const std::string& path) { return remove_record(path, word); }),
                      word);
    }

    int import(const std::string& input) {
        std::string text;
        const Status read = input == "-" ? read_to_end(system_file_calls(), STDIN_FILENO, "-", text)
                                         : read_file_or_stream(input, text);
        if (!read.ok())
            return kProgram.fail(
                kUsage, cmdline::texts::kCannotRead.in(script_) + input + ": " + read.reason());
        const Glossary glossary = read_glossary(text);
        std::vector<RefusedEntry> refused;
        const EditOutcome outcome = edit([&](const std::string& path) {
            return import_entries(path, glossary.entries, refused);
        });
        if (!outcome.ok())
            return report(outcome, {});

        std::vector<std::pair<std::size_t, std::string>> skipped;
        for (const GlossaryLineFault& fault : glossary.faults) {
            skipped.emplace_back(fault.line, fault.fault == GlossaryFault::not_utf8
                                                 ? texts::kLineNotUtf8.in(script_)
                                                 : texts::kNotAGlossaryLine.in(script_));
        }
        for (const RefusedEntry& entry : refused) {
            skipped.emplace_back(
                entry.line, refusal_line(entry.outcome, entry.headword, choice_.path, script_));
        }
        std::sort(skipped.begin(), skipped.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [line, reason] : skipped)
            kProgram.warn(texts::kLine.in(script_) + std::to_string(line) + ": " + reason);
        if (glossary.untranslated_rows > 0) {
            kProgram.warn(texts::kUntranslatedRows.in(script_) +
                          std::to_string(glossary.untranslated_rows));
        }
        return skipped.empty() ? kSuccess : kLinesSkipped;
    }

  private:
    EditOutcome edit(const std::function<EditOutcome(const std::string&)>& change) {
        const DictionaryOrigin before = choice_.origin;
        EditOutcome outcome = edit_chosen_dictionary(choice_, readers_folder_, change);
        if (outcome.ok() && before != DictionaryOrigin::readers_copy &&
            choice_.origin == DictionaryOrigin::readers_copy) {
            kProgram.warn(
                fill_markers(vorna::texts::kCopyMadeForReader.in(script_), "", "", choice_.path));
        }
        return outcome;
    }

    int report(const EditOutcome& outcome, const std::string& headword) const {
        if (outcome.ok())
            return kSuccess;
        return kProgram.fail(status_of(outcome),
                             refusal_line(outcome, headword, choice_.path, script_));
    }

    int file_refusal(EditRefusal refusal, const Status& status) const {
        EditOutcome outcome;
        outcome.refusal = refusal;
        outcome.status = status;
        return report(outcome, {});
    }

    Script script_;
    std::string readers_folder_;
    DictionaryChoice choice_;
};

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

int say(const DictOptions& options, Script script) {
    speech::SpeechOutcome outcome;
    try {
        const std::string text = joined(options.operands);
        outcome =
            options.wav_path ? speech::write_wav(text, *options.wav_path) : speech::speak(text);
    } catch (const std::bad_alloc&) {
        outcome.failure = speech::SpeechFailure::out_of_memory;
    }
    switch (outcome.failure) {
        case speech::SpeechFailure::none:
            if (outcome.words_left_out > 0) {
                kProgram.warn(fill_markers(vorna::texts::kSpeechCutShort.in(script),
                                           std::to_string(speech::kMostWordsSaid), "", ""));
            }
            return kSuccess;
        case speech::SpeechFailure::out_of_memory:
            // Reported as the failure the reader asked about: the sound, or its file.
            return kProgram.fail(options.wav_path ? kWavNotWritten : kCannotSpeak,
                                 vorna::texts::kSpeechOutOfMemory.in(script));
        case speech::SpeechFailure::nothing_to_say:
            return kProgram.fail(kUsage, vorna::texts::kNothingToSay.in(script));
        case speech::SpeechFailure::no_voice:
            return kProgram.fail(kCannotSpeak, vorna::texts::kNoEnglishVoice.in(script));
        case speech::SpeechFailure::no_sound_device:
            return kProgram.fail(kCannotSpeak, vorna::texts::kNoSoundDevice.in(script));
        case speech::SpeechFailure::not_written:
            break;
    }
    return kProgram.fail(kWavNotWritten, vorna::texts::kSoundFileNotWritten.in(script) +
                                             *options.wav_path + ": " + outcome.status.reason());
}

int run(const std::vector<std::string>& arguments) {
    const ParsedDictOptions parsed = parse_dict_options(arguments);
    const DictOptions& options = parsed.options;
    const Script script = options.translit ? Script::translit : Script::cyrillic;
    if (!parsed.error.empty())
        return kProgram.fail(kUsage, parsed.error);
    if (options.help)
        return kProgram.print(script, dict_help_text(options.translit));
    const std::vector<std::string>& operands = options.operands;
    if (options.command == Command::say)
        return say(options, script);
    Dictionary dictionary(options, script);
    switch (options.command) {
        case Command::path:
            return dictionary.path();
        case Command::show:
            return dictionary.show(operands[0]);
        case Command::set:
            return dictionary.set(
                RecordText{operands[0], operands[1], operands.size() > 2 ? operands[2] : ""});
        case Command::remove:
            return dictionary.remove(operands[0]);
        case Command::import:
            return dictionary.import(operands[0]);
        case Command::none:
        case Command::say:
            break;
    }
    return kUsage;
}

}  // namespace
}  // namespace vorna::dict

int main(int argc, char** argv) {
    return vorna::cmdline::run_program(vorna::dict::kProgram, argc, argv, vorna::dict::run);
}
