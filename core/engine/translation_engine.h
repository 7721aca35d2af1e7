#pragma once

#include <atomic>
#include <string>

#include "core/dictionary/dictionary_store.h"
#include "core/engine/run_host.h"
#include "core/engine/translation_options.h"
#include "core/engine/translation_result.h"

namespace vorna {

// The translator over a loaded, read-only dictionary. Each run takes its
// options and hands back everything it produced in a TranslationResult;
// what a run counts and collects lives in that run (TranslationRun), so
// the engine itself holds only the dictionary and where the run's files go.
class TranslationEngine {
  public:
    // `dictionary_path` names the file the store was loaded from, for the
    // damaged-dictionary report; the run's temporary files go beside it
    // unless another work folder is set.
    TranslationEngine(const DictionaryStore& store, std::string dictionary_path);
    TranslationEngine(const TranslationEngine&) = delete;
    TranslationEngine& operator=(const TranslationEngine&) = delete;

    void set_work_folder(std::string folder) { work_folder_ = std::move(folder); }
    const std::string& dictionary_path() const { return dictionary_path_; }
    // After the store was loaded again from another file.
    void set_dictionary_path(std::string path) { dictionary_path_ = std::move(path); }
    bool run_in_progress() const { return run_in_progress_; }

    // The whole run over a source text (UTF-8, lines separated by LF or
    // CR LF): goes through temp1.txt and temp2.txt, reports progress after
    // every line, and returns the output with every line ended by CR LF.
    // A run asked for from inside another (through the host's event pump)
    // is refused as busy: the two would share the working files.
    TranslationResult text_translate(const std::string& source_text,
                                     const TranslationOptions& options, RunHost& host) const;

  private:
    const DictionaryStore& store_;
    std::string dictionary_path_;
    std::string work_folder_;
    // Guards the working files, which admit one run at a time; a window
    // asks it while a run goes on in another thread.
    mutable std::atomic<bool> run_in_progress_{false};
};

}  // namespace vorna
