#include "ui/windows/reading_aids.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTextEdit>
#include <QThreadPool>
#include <memory>

#include "core/dictionary/word_article.h"
#include "core/io/atomic_write.h"
#include "core/text/reading_aid_texts.h"
#include "core/text/transliteration.h"
#include "ui/desktop/desktop_services.h"
#include "ui/windows/article_window.h"
#include "ui/windows/session.h"
#include "ui/windows/status_reason.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

namespace {

QString problem_text(ArticleWordProblem problem, const QString& word, Script script) {
    switch (problem) {
        case ArticleWordProblem::none:
            break;
        case ArticleWordProblem::empty:
            return text_in(texts::kNoWordGiven, script);
        case ArticleWordProblem::one_letter:
            return text_in(texts::kOneLetterWord, script) + word;
        case ArticleWordProblem::not_a_word:
            return text_in(texts::kNotAWord, script) + word;
    }
    return {};
}

}  // namespace

ReadingAids::ReadingAids(QWidget& window, QTextEdit& source_box, QTextEdit& translation_box,
                         Session& session, DesktopServices& services)
    : QObject(&window),
      window_(window),
      source_box_(source_box),
      translation_box_(translation_box),
      session_(session),
      services_(services),
      dictionary_forms_on_(session.settings.dictionary_forms()) {
    for (QTextEdit* box : {&source_box_, &translation_box_})
        box->viewport()->installEventFilter(this);
}

ReadingAids::~ReadingAids() = default;

WordForms* ReadingAids::word_forms() {
    return dictionary_forms_on_ ? &shared_forms_ : nullptr;
}

void ReadingAids::set_dictionary_forms(bool on) {
    dictionary_forms_on_ = on;
    session_.settings.set_dictionary_forms(on);
}

ReadingAids::RunLeftovers ReadingAids::leftovers_of(std::string source_text,
                                                    TranslationResult& result,
                                                    const QTextDocument* output) {
    RunLeftovers leftovers;
    if (output != nullptr)
        leftovers.paragraph_offsets = RunWordMap::paragraph_offsets(*output);
    leftovers.unknown_rows = unknown_word_rows(result.unknown_words, source_text);
    leftovers.source_text = std::move(source_text);
    leftovers.word_positions = std::move(result.word_positions);
    return leftovers;
}

void ReadingAids::run_finished(RunLeftovers leftovers) {
    // The last run's tables of a book take tens of milliseconds to free;
    // another thread frees them.
    auto last = std::make_shared<std::pair<RunWordMap, decltype(unknown_rows_)>>(
        std::move(word_map_), std::move(unknown_rows_));
    word_map_ = RunWordMap();
    QThreadPool::globalInstance()->start([last = std::move(last)]() mutable { last.reset(); });
    unknown_rows_ = std::move(leftovers.unknown_rows);
    word_map_.remember(std::move(leftovers.source_text), std::move(leftovers.word_positions),
                       *translation_box_.document(), std::move(leftovers.paragraph_offsets));
}

bool ReadingAids::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ControlModifier)) {
            const QTextEdit& box =
                watched == source_box_.viewport() ? source_box_ : translation_box_;
            const QPoint point = mouse->position().toPoint();
            show_article_in(box, &point);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ReadingAids::show_article_in(const QTextEdit& box, const QPoint* point) {
    const QString word = english_word_in_box(box, point, word_map_).trimmed();
    const QString problem = problem_text(check_article_word(word.toStdString()), word, script_);
    show_article_text(problem.isEmpty() ? article_of(word) : problem);
    article_window_->set_headword(problem.isEmpty() ? word : QString());
}

QString ReadingAids::article_of(const QString& word) {
    const Script script = script_;
    if (!full_dictionary_)
        full_dictionary_ = std::make_unique<DictdDictionary>(session_.article_files);
    const WordArticle article = find_word_article(word.toStdString(), *full_dictionary_,
                                                  &shared_forms_, &session_.store, script);
    const bool full = article.full_dictionary_installed && article.full_dictionary_status.ok();
    if (full && article.source == WordArticle::Source::full_dictionary) {
        return QString::fromStdString(script == Script::translit ? transliterate(article.text)
                                                                 : article.text);
    }
    QString text = article.source == WordArticle::Source::none
                       ? text_in(texts::kNoArticle, script) + word
                       : QString::fromStdString(article.text).trimmed();
    if (!article.full_dictionary_installed) {
        text += QStringLiteral("\n\n") + text_in(texts::kFullDictionaryNotInstalled, script);
    } else if (!full) {
        text += QStringLiteral("\n\n") + text_in(texts::kFullDictionaryDamaged, script) +
                QString::fromStdString(article.full_dictionary_status.describe());
    }
    return text;
}

void ReadingAids::show_article_text(const QString& text) {
    if (article_window_ == nullptr) {
        article_window_ = new ArticleWindow(script_, session_.settings, window_);
        article_window_->set_pronounce(pronounce_);
    }
    article_window_->show_text(text);
}

void ReadingAids::save_unknown_words(QStatusBar& status_line) {
    const Script script = script_;
    if (!unknown_rows_) {
        services_.show_message(&window_, text_in(texts::kNothingToSave, script));
        return;
    }
    if (unknown_rows_->empty()) {
        services_.show_message(&window_, text_in(texts::kNoUnknownWords, script));
        return;
    }
    QString name = services_.save_file_name(
        &window_, dialog_title(kSaveUnknownText.caption, script), text_in(kUnknownFilter, script),
        QString(), DesktopServices::ReplaceQuestion::by_caller);
    if (name.isEmpty())
        return;
    // The filter promises a table of words; a name typed without an
    // extension gets the table's.
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".tsv");
    if (QFileInfo::exists(name) &&
        !services_.ask(&window_,
                       text_in(kReplaceFileQuestion, script).arg(QDir::toNativeSeparators(name)))) {
        return;
    }
    const std::string table = unknown_words_tsv(*unknown_rows_, &shared_forms_);
    // Complete or not at all, as every save of the program.
    const Status saved = write_file_atomically(QFile::encodeName(name).toStdString(), table);
    if (!saved.ok()) {
        services_.show_warning(&window_, text_in(kSaveFailedStart, script) +
                                             QDir::toNativeSeparators(name) + reason_line(saved));
        return;
    }
    constexpr int kNoteTime = 5000;  // milliseconds
    status_line.showMessage(text_in(kUnknownWordsSavedNote, script)
                                .arg(unknown_rows_->size())
                                .arg(QDir::toNativeSeparators(name)),
                            kNoteTime);
}

}  // namespace vorna::ui
