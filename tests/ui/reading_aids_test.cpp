#include <QMutex>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <QtTest>

#include "core/engine/silent_hosts.h"
#include "program_fixture.h"
#include "ui/boxes/box_document.h"
#include "ui/boxes/word_at_point.h"
#include "ui/windows/article_window.h"
#include "ui/windows/pronunciation.h"
#include "ui/windows/reading_aids.h"
#include "ui_test.h"

namespace {

// A dictd dictionary in the program's folder.
vorna::DictdFiles write_dictd(const ProgramFixture& program, const QByteArray& index,
                              const QByteArray& data) {
    write_file(program.path("t.index"), index);
    write_file(program.path("t.dict.dz"), data);
    return {program.path("t.index").toStdString(), program.path("t.dict.dz").toStdString()};
}

QString article_shown(ProgramFixture& program) {
    const vorna::ui::ArticleWindow* window = program.window->reading_aids().article_window();
    return window != nullptr && window->isVisible() ? window->text() : QString();
}

}  // namespace

void UiTest::articleWindow_followsTheWordAndMapsTheTranslationBack() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.session->article_files =
        write_dictd(program, "cat\tA\tt\nworld\tt\tU\n",  // its text uncompressed
                    "cat\n   _n. кот; tom cat кот-самец\nworld\n   _n. мир\n");
    QTextEdit& source = program.source();
    QTextEdit& translation = program.translation();
    source.setPlainText(QStringLiteral("Hello, cat\nworld"));

    program.put_caret(program.source(), 8);  // inside "cat"
    QVERIFY(program.trigger(program.menu().article));
    QCOMPARE(article_shown(program),
             QStringLiteral("cat\nсуществительное кот\n   tom cat — кот-самец"));
    // No room beside the main window on this screen: over the right of the
    // upper box, clear of the translation. Where it is left, it opens again.
    vorna::ui::ArticleWindow& article = *program.window->reading_aids().article_window();
    const QWidget& client = *program.window->centralWidget();
    const QRect upper(client.mapToGlobal(QPoint(0, 0)), program.source().size());
    QCOMPARE(article.frameGeometry().topRight(), upper.topRight());
    QVERIFY(article.frameGeometry().bottom() <= upper.bottom());
    article.move(article.pos() + QPoint(-30, 20));
    const QPoint left_at = article.pos();
    article.hide();
    {
        vorna::ui::ArticleWindow again(vorna::Script::cyrillic, program.session->settings,
                                       *program.window);
        again.show_text(QStringLiteral("x"));
        QCOMPARE(again.pos(), left_at);
    }
    program.session->settings.clear();
    program.put_caret(program.source(), 16);  // just after "world": the window follows
    QVERIFY(program.trigger(program.menu().article));
    QVERIFY(article_shown(program).startsWith(QStringLiteral("world\n")));

    // In the translation, a Russian word leads to the English word it came from.
    QVERIFY(program.trigger(program.menu().translate_text));
    QCOMPARE(translation.toPlainText(), QStringLiteral("Привет, кот\nмир\n"));
    translation.setFocus();
    program.put_caret(program.translation(), 9);  // inside "кот"
    QVERIFY(program.trigger(program.menu().article));
    QVERIFY(article_shown(program).startsWith(QStringLiteral("cat\n")));
    QVERIFY(program.trigger(
        program.menu().translate_word_list));  // word list: "cat - кот" maps back as well
    program.put_caret(program.translation(),
                      translation.toPlainText().indexOf(QStringLiteral("мир")) + 1);
    QVERIFY(program.trigger(program.menu().article));
    QVERIFY(article_shown(program).startsWith(QStringLiteral("world\n")));

    // Once the box is edited its words are only what they are.
    QTextCursor edit(translation.document());
    edit.setPosition(static_cast<int>(translation.toPlainText().indexOf(QStringLiteral("мир"))));
    edit.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 3);
    edit.insertText(QStringLiteral("кот"));  // same length, other text
    program.put_caret(program.translation(), edit.position() - 1);
    QVERIFY(program.trigger(program.menu().article));
    QCOMPARE(article_shown(program), QStringLiteral("Не выбрано слово."));
    QVERIFY(program.desktop.messages.isEmpty());  // no modal box for any of it
}

void UiTest::articleWindow_badWordsAndMissingDictionaryAreExplained() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& source = program.source();
    program.session->article_files = {program.path("none.index").toStdString(),
                                      program.path("none.dict.dz").toStdString()};
    source.setPlainText(QStringLiteral("a cat 42 "));
    const std::pair<int, QString> cases[] = {
        {0, QStringLiteral("Слово из одной буквы не ищется в словаре: a")},
        {7, QStringLiteral("Не выбрано слово.")},
        {4, QStringLiteral("cat — кот\n\nПолный словарь не установлен (пакет mueller7-dict); "
                           "показана запись qd.dat.")},
    };
    for (const auto& [position, expected] : cases) {
        program.put_caret(program.source(), position);
        QVERIFY(program.trigger(program.menu().article));
        QCOMPARE(article_shown(program), expected);
    }
    QTextCursor selection = source.textCursor();
    selection.setPosition(2);
    selection.setPosition(8, QTextCursor::KeepAnchor);  // "cat 42"
    source.setTextCursor(selection);
    QVERIFY(program.trigger(program.menu().article));
    QVERIFY(article_shown(program).endsWith(QStringLiteral("апостроф и дефис: cat 42")));

    // A damaged full dictionary, found so at the first article of the run.
    ProgramFixture damaged_program;
    QVERIFY(damaged_program.start());
    damaged_program.session->article_files =
        write_dictd(damaged_program, "cat\tA\tZ\n", QByteArray("\x1f\x8b\x08\x00garbage", 11));
    damaged_program.source().setPlainText(QStringLiteral("cat"));
    QVERIFY(damaged_program.trigger(damaged_program.menu().article));
    QVERIFY2(
        article_shown(damaged_program).contains(QStringLiteral("Файл полного словаря повреждён")),
        qPrintable(article_shown(damaged_program)));

    // The word at a position takes letters, apostrophes and hyphens.
    const QString text = QStringLiteral("«don't» well-known, x");
    QCOMPARE(vorna::ui::word_around(text, 1), QStringLiteral("don't"));
    QCOMPARE(vorna::ui::word_around(text, 6), QStringLiteral("don't"));  // just after the word
    QCOMPARE(vorna::ui::word_around(text, 12), QStringLiteral("well-known"));
    QCOMPARE(vorna::ui::word_around(text, 19), QString());
    QCOMPARE(vorna::ui::word_around(text, 99), QStringLiteral("x"));
    // Typographic forms by the word rule: the word as written, and what the
    // commands are given.
    const QString pasted = QStringLiteral("“It’s” ﬁne");
    QCOMPARE(vorna::ui::word_around(pasted, 1), QStringLiteral("It’s"));
    QCOMPARE(vorna::ui::word_around(pasted, 6), QString());  // after the closing mark
    QTextEdit box;
    box.setPlainText(pasted);
    QTextCursor caret = box.textCursor();
    caret.setPosition(3);
    box.setTextCursor(caret);
    QCOMPARE(vorna::ui::word_in_box(box, nullptr), QStringLiteral("It's"));
    caret.setPosition(static_cast<int>(pasted.size()));
    box.setTextCursor(caret);
    QCOMPARE(vorna::ui::word_in_box(box, nullptr), QStringLiteral("fine"));
}

void UiTest::wordMap_paragraphOffsetsFindWhatTheTextFinds() {
    ProgramFixture program;
    QVERIFY(program.start());
    // Output of two-byte letters, empty lines, a no-break space, a character
    // outside the BMP and unknown words.
    const std::string source =
        "Hello, world!\n\nthe cat\u00A0sat \U0001F600 hello\nXyzzy cat\n\ncat world";
    vorna::TranslationOptions options;
    options.keep_word_positions = true;
    vorna::SilentRunHost host;
    vorna::TranslationResult result =
        program.window->engine().text_translate(source, options, host);
    QTextDocument output;
    vorna::ui::append_plain_text(output, result.text, nullptr);
    vorna::ui::RunWordMap by_text, by_paragraphs;
    by_text.remember(source, result.word_positions, output);
    by_paragraphs.remember(source, result.word_positions, output,
                           vorna::ui::RunWordMap::paragraph_offsets(output));
    int found = 0;
    for (int position = 0; position < output.characterCount(); ++position) {
        const QString word = by_text.source_word_at(output, position);
        QCOMPARE(by_paragraphs.source_word_at(output, position), word);
        found += word.isEmpty() ? 0 : 1;
    }
    QVERIFY(found > 20);
}

void UiTest::unknownWords_savedAfterARunAndFormsRemembered() {
    ProgramFixture program;
    QVERIFY(program.start());
    QVERIFY(program.trigger(program.menu().save_unknown_words));
    QCOMPARE(program.desktop.messages,
             QStringList{QStringLiteral("Сохранять нечего: сначала переведите текст.")});

    program.source().setPlainText(QStringLiteral("Zorbs zorbs cat. Quux here!"));
    QVERIFY(program.trigger(program.menu().translate_text));
    program.desktop.next_file_names.push_back(program.path("unknown.tsv"));
    QVERIFY(program.trigger(program.menu().save_unknown_words));
    QCOMPARE(QString::fromUtf8(file_bytes(program.path("unknown.tsv"))),
             QStringLiteral(
                 "zorbs\t2\t\tZorbs zorbs cat.\nhere\t1\t\tQuux here!\nquux\t1\t\tQuux here!\n"));
    QCOMPARE(program.window->statusBar()->currentMessage(),
             QStringLiteral("Сохранено неизвестных слов: 3, файл ") +
                 QDir::toNativeSeparators(program.path("unknown.tsv")));

    // A name typed without an extension gets the table's; a table that is
    // there already is replaced only when the reader says so.
    program.desktop.next_file_names.push_back(program.path("words"));
    QVERIFY(program.trigger(program.menu().save_unknown_words));
    QVERIFY(QFileInfo::exists(program.path("words.tsv")) &&
            !QFileInfo::exists(program.path("words")));
    write_file(program.path("words.tsv"), "mine");
    program.desktop.next_file_names.push_back(program.path("words"));
    QVERIFY(program.trigger(program.menu().save_unknown_words));
    QCOMPARE(program.desktop.questions.size(), 1);
    QVERIFY(program.desktop.questions.front().contains(program.path("words.tsv")));
    QCOMPARE(file_bytes(program.path("words.tsv")), QByteArray("mine"));

    QAction* forms = program.menu().dictionary_forms;
    QVERIFY(forms && forms->isCheckable() && !forms->isChecked());
    forms->trigger();
    QVERIFY(program.session->settings.dictionary_forms());
    ProgramFixture again;
    QVERIFY(again.start());
    QVERIFY(again.menu().dictionary_forms->isChecked());
}

void UiTest::pronounce_saysTheWordOffTheWindowThreadAndExplainsSilence() {
    using vorna::speech::SpeechFailure;
    using vorna::speech::SpeechOutcome;
    ProgramFixture program;
    QVERIFY(program.start());
    QStringList said;
    QMutex lock;
    QThread* gui_thread = QThread::currentThread();
    bool said_off_the_gui_thread = true;
    // "Hello" speaks until it is stopped; "cut" is a long text; the rest
    // finds no sound device.
    program.window->pronunciation().set_voice(
        [&](const std::string& text, const vorna::speech::StopRequested& stop) {
            {
                const QMutexLocker hold(&lock);
                said << QString::fromStdString(text);
                said_off_the_gui_thread =
                    said_off_the_gui_thread && QThread::currentThread() != gui_thread;
            }
            SpeechOutcome outcome;
            if (text == "Hello") {
                while (!stop())
                    QThread::msleep(1);
                outcome.stopped = true;
            } else if (text == "cut") {
                outcome.words_left_out = 7;
            } else {
                outcome.failure = SpeechFailure::no_sound_device;
            }
            return outcome;
        });
    const auto said_so_far = [&] {
        const QMutexLocker hold(&lock);
        return said;
    };
    QStatusBar& status_line = *program.window->statusBar();
    QTextEdit& source = program.source();
    source.setPlainText(QStringLiteral("Hello, cat cut"));
    program.put_caret(source, 8);
    QVERIFY(program.trigger(program.menu().pronounce));
    QTRY_COMPARE(said_so_far(), QStringList{QStringLiteral("cat")});
    QTRY_COMPARE(status_line.currentMessage(),
                 QStringLiteral("Нет звукового устройства: произнести нельзя."));
    QVERIFY(said_off_the_gui_thread);

    QTextCursor selection = source.textCursor();
    selection.setPosition(0);
    selection.setPosition(10, QTextCursor::KeepAnchor);
    source.setTextCursor(selection);
    QVERIFY(program.trigger(program.menu().pronounce));
    QTRY_COMPARE(said_so_far().size(), 2);
    QCOMPARE(said_so_far().back(), QStringLiteral("Hello, cat"));
    program.put_caret(source, 13);
    QVERIFY(program.trigger(program.menu().pronounce));
    QTRY_COMPARE(status_line.currentMessage(),
                 QStringLiteral("Произнесены только первые 200 слов текста."));

    // A second Ctrl+R, or Escape, stops what is being said.
    for (const bool by_escape : {false, true}) {
        program.put_caret(source, 2);
        QVERIFY(program.trigger(program.menu().pronounce));
        QTRY_COMPARE(said_so_far().back(), QStringLiteral("Hello"));
        QVERIFY(program.window->pronunciation().speaking());
        if (by_escape)
            QTest::keyClick(&source, Qt::Key_Escape);
        else
            QVERIFY(program.trigger(program.menu().pronounce));
        QTRY_VERIFY(!program.window->pronunciation().speaking());
        QTRY_COMPARE(status_line.currentMessage(), QStringLiteral("Произношение остановлено."));
        status_line.clearMessage();
    }

    // The article window says its headword, reporting on its own status
    // line, and nothing when it shows no word.
    program.put_caret(source, 8);
    QVERIFY(program.trigger(program.menu().article));
    vorna::ui::ArticleWindow& article = *program.window->reading_aids().article_window();
    auto* button = article.findChild<QPushButton*>(QLatin1String(names::kPronounceHeadword));
    QVERIFY(button && button->isEnabled());
    const qsizetype before = said_so_far().size();
    button->click();
    QTRY_COMPARE(said_so_far().size(), before + 1);
    QCOMPARE(said_so_far().back(), QStringLiteral("cat"));
    QTRY_COMPARE(article.status_line().currentMessage(),
                 QStringLiteral("Нет звукового устройства: произнести нельзя."));
    QVERIFY(status_line.currentMessage().isEmpty());
    program.put_caret(source, 6);
    QVERIFY(program.trigger(program.menu().article));
    QVERIFY(!button->isEnabled());
    // Escape closes the article window.
    article.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&article));
    QTest::keyClick(article.findChild<QPlainTextEdit*>(), Qt::Key_Escape);
    QVERIFY(!article.isVisible());
    QVERIFY(program.desktop.messages.isEmpty());  // no modal box for any of it
}
