// vorna-dict: the reader's dictionary from the command line, through the
// same edit as the window's "Изменить перевод…".
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <new>

#include "cmdline/cmdline_texts.h"
#include "core/dictionary/dictionary_change.h"
#include "core/dictionary/dictionary_choice.h"
#include "core/dictionary/dictionary_writer.h"
#include "core/dictionary/edit_refusal_text.h"
#include "core/dictionary/record_lookup.h"
#include "core/io/file_bytes.h"
#include "core/io/file_descriptor.h"
#include "core/io/file_lock.h"
#include "core/io/path_parts.h"
#include "core/text/dictionary_edit_texts.h"
#include "core/text/english_words.h"
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

// Says on standard error that a correction waits for another writer.
class SaidLockWait : public LockWait {
  public:
    explicit SaidLockWait(Script script) : script_(script) {}
    void waiting(const std::string& path) override {
        kProgram.warn(
            fill_markers(vorna::texts::kWaitingForAnotherProgram.in(script_), "", "", path));
    }

  private:
    Script script_;
};

class Dictionary {
  public:
    Dictionary(const DictOptions& options, Script script)
        : script_(script),
          readers_folder_(readers_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))),
          places_{options.dictionary_path, program_folder(), readers_folder_},
          choice_(choose_dictionary(places_)),
          wait_(script) {}

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
        return report(edit([&record](DictionaryChange& change) { return change.set(record); }),
                      record.headword);
    }

    int remove(const std::string& word) {
        return report(edit([&word](DictionaryChange& change) { return change.remove(word); }),
                      word);
    }

    int import(const std::string& input) {
        FileDescriptor file;
        if (input != "-") {
            file.reset(open(input.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
            if (!file.is_open())
                return cannot_read(input, Status::from_errno(errno, input));
        }
        GlossaryReader reader(file.is_open() ? file.get() : STDIN_FILENO, input);
        DictionaryWriter writer(places_, system_file_calls(), wait_);
        const ImportOutcome outcome =
            import_glossary(reader, writer, [this](const SkippedLine& line) {
                kProgram.warn(texts::kLine.in(script_) + std::to_string(line.number) + ": " +
                              skipped_reason(line));
            });
        if (!outcome.glossary.ok())
            return cannot_read(input, outcome.glossary);
        if (!outcome.file.ok())
            return report(outcome.file, {});
        said_copy_made(writer);
        if (outcome.untranslated > 0) {
            kProgram.warn(texts::kUntranslatedRows.in(script_) +
                          std::to_string(outcome.untranslated));
        }
        const std::string counts =
            fill_markers(texts::kImportCounts.in(script_), std::to_string(outcome.counts.added),
                         std::to_string(outcome.counts.changed), std::to_string(outcome.skipped));
        if (const int status = kProgram.print(script_, counts + '\n'); status != kSuccess)
            return status;
        return outcome.skipped == 0 ? kSuccess : kLinesSkipped;
    }

  private:
    int cannot_read(const std::string& input, const Status& status) const {
        return kProgram.fail(
            kUsage, cmdline::texts::kCannotRead.in(script_) + input + ": " + status.reason());
    }

    std::string skipped_reason(const SkippedLine& line) const {
        if (!line.glossary_fault)
            return refusal_line(line.outcome, {}, choice_.path, script_);
        switch (line.fault) {
            case GlossaryFault::not_utf8:
                return texts::kLineNotUtf8.in(script_);
            case GlossaryFault::too_long:
                return texts::kFieldOverBound.in(script_);
            case GlossaryFault::not_a_record:
                break;
        }
        return texts::kNotAGlossaryLine.in(script_);
    }

    // One correction through the writer: read, change, write.
    EditOutcome edit(const std::function<std::optional<EditOutcome>(DictionaryChange&)>& make) {
        DictionaryWriter writer(places_, system_file_calls(), wait_);
        const EditOutcome outcome = correct_dictionary(writer, make);
        choice_ = writer.choice();
        if (outcome.ok())
            said_copy_made(writer);
        return outcome;
    }

    void said_copy_made(const DictionaryWriter& writer) {
        choice_ = writer.choice();
        if (writer.made_readers_copy()) {
            kProgram.warn(
                fill_markers(vorna::texts::kCopyMadeForReader.in(script_), "", "", choice_.path));
        }
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
    DictionaryPlaces places_;
    DictionaryChoice choice_;
    SaidLockWait wait_;
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
        case speech::SpeechFailure::not_said:
            return kProgram.fail(kCannotSpeak,
                                 vorna::texts::kSpeechFailed.in(script) + outcome.status.reason());
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
    // A word pasted with a typographic apostrophe means the word a lookup reads.
    const std::string word = operands.empty() ? std::string() : ascii_forms(operands[0]);
    switch (options.command) {
        case Command::path:
            return dictionary.path();
        case Command::show:
            return dictionary.show(word);
        case Command::set:
            return dictionary.set(
                RecordText{word, operands[1], operands.size() > 2 ? operands[2] : ""});
        case Command::remove:
            return dictionary.remove(word);
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
