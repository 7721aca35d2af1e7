#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include "program_fixture.h"
#include "ui_test.h"

void UiTest::translateText_fillsBoxAndPanels() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.source().setPlainText(QStringLiteral("Hello, world!\n\nthe cat\u00A0sat"));

    QVERIFY(program.trigger(program.menu().translate_text));
    QCOMPARE(program.translation().toPlainText(), QStringLiteral("Привет, мир!\n\nэтот кот sat\n"));
    // The no-break space comes through as itself (toPlainText shows it as a blank).
    QVERIFY(program.translation().document()->toRawText().contains(QStringLiteral("кот\u00A0sat")));
    QCOMPARE(program.progress_panel(), QStringLiteral("Переведено: 100 %"));
    QVERIFY(program.elapsed_panel().startsWith(QStringLiteral("Прошло: ")));
    QVERIFY(program.elapsed_panel().endsWith(QStringLiteral(" сек.")));
    // A progress figure shown during a run is not cut off by its panel.
    auto* panel1 = &program.window->progress_panel();
    panel1->setText(QStringLiteral("Переведено: 66") + QLocale::system().decimalPoint() +
                    QStringLiteral("66 %"));
    QTRY_VERIFY(panel1->width() >= panel1->sizeHint().width());
}

void UiTest::translateWordList_oneWordALineAndNoFilesLeft() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.source().setPlainText(QStringLiteral("Hello, world!\n\nthe cat\u00A0sat"));
    QVERIFY(program.trigger(program.menu().translate_word_list));
    QCOMPARE(
        program.translation().toPlainText(),
        QStringLiteral("Hello - Привет\nworld - мир\n!\n\n\nthe - этот\ncat - кот\nsat - sat\n\n"));
    // The run's temporary files are gone.
    QCOMPARE(program.files(), QStringList{QStringLiteral("qd.dat")});

    // An empty source keeps RTF2 and panel 1, and still times the command.
    program.source().clear();
    program.window->elapsed_panel().clear();
    QVERIFY(program.trigger(program.menu().translate_text));
    QVERIFY(program.translation().toPlainText().startsWith(QStringLiteral("Hello - Привет")));
    QCOMPARE(program.progress_panel(), QStringLiteral("Переведено: 100 %"));
    QVERIFY(program.elapsed_panel().startsWith(QStringLiteral("Прошло: ")));
}

void UiTest::damagedDictionaryDuringRun_isReportedAndEndsTheProgram() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.session->store.prefix_index[vorna::letter_pair_slot('h', 'e')].first_entry = -7;
    program.source().setPlainText(QStringLiteral("cat hello"));
    QVERIFY(program.trigger(program.menu().translate_text));
    QCOMPARE(program.desktop.end_requests, std::vector<int>{1});
    QCOMPARE(program.desktop.messages.size(), 1);
    QVERIFY(program.desktop.messages[0].startsWith(QStringLiteral("Проблема с файлом словаря ")));
}

void UiTest::functionKeys_runTheTranslations() {
    ProgramFixture program;
    QVERIFY(program.start_in(false));
    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.source().setPlainText(QStringLiteral("Hello"));

    QTest::keyClick(program.window.get(), Qt::Key_F5);
    QCOMPARE(program.translation().toPlainText(), QStringLiteral("Privet\n"));
    QCOMPARE(program.progress_panel(), QStringLiteral("Perevedeno: 100 %"));
    QVERIFY(program.elapsed_panel().endsWith(QStringLiteral(" sek.")));
    QTest::keyClick(program.window.get(), Qt::Key_F6);
    QCOMPARE(program.translation().toPlainText(), QStringLiteral("Hello - Privet\n\n"));
    QTest::keyClick(program.window.get(), Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(program.translation().toPlainText().isEmpty());

    // Tab follows the boxes' tab order instead of typing a tab.
    QCOMPARE(QApplication::focusWidget(), &program.source());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &program.translation());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &program.source());
    QCOMPARE(program.source().toPlainText(), QStringLiteral("Hello"));

    // F10 opens the menu bar on its first menu.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QCOMPARE(program.window->menuBar()->activeAction()->objectName(), QStringLiteral("file"));
}

void UiTest::secondCommandDuringRun_isIgnored() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.source().setPlainText(QStringLiteral("hello world\nthe cat"));
    bool ran_inside = false;
    QTimer::singleShot(0, program.window.get(), [&] {
        ran_inside = program.window->engine().run_in_progress();
        program.trigger(
            program.menu().translate_word_list);       // would turn the output into a word list
        program.trigger(program.menu().clear_source);  // clearing the box does not touch the run
    });
    QVERIFY(program.trigger(program.menu().translate_text));
    QVERIFY(ran_inside);
    QCOMPARE(program.translation().toPlainText(), QStringLiteral("привет мир\nэтот кот\n"));
    QVERIFY(program.source().toPlainText().isEmpty());
}

void UiTest::exitDuringRun_endsAfterRemovingTemporaryFiles() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.source().setPlainText(QStringLiteral("hello\nworld\nthe cat"));
    program.translation().setPlainText(QStringLiteral("earlier"));
    QTimer::singleShot(0, program.window.get(), [&] {
        QVERIFY(program.desktop.end_requests.empty());
        program.trigger(program.menu().exit);
    });
    QVERIFY(program.trigger(program.menu().translate_text));
    QCOMPARE(program.desktop.end_requests, std::vector<int>{0});
    QCOMPARE(program.translation().toPlainText(), QStringLiteral("earlier"));
    program.window->close();  // the frame's close button ends the program too
    QCOMPARE(program.desktop.end_requests, (std::vector<int>{0, 0}));
    QCOMPARE(program.files(), QStringList{QStringLiteral("qd.dat")});
}

void UiTest::longTranslation_comesWholeUnlessTheBoxIsCleared() {
    ProgramFixture program;
    QVERIFY(program.start());
    // Long enough to come in many pieces, each split somewhere in a line.
    QStringList source(20000, QStringLiteral("hello world, the cat"));
    const QStringList translated(20000, QStringLiteral("привет мир, этот кот"));
    program.source().setPlainText(source.join(u'\n'));
    QVERIFY(program.trigger(program.menu().translate_text));
    QCOMPARE(program.translation().toPlainText(), translated.join(u'\n') + u'\n');

    // A reader who clears the box while it fills has the last word.
    QTextEdit& rtf2 = program.translation();
    rtf2.clear();
    bool queued = false, cleared = false;
    QObject::connect(&rtf2, &QTextEdit::textChanged, program.window.get(), [&] {
        if (!queued && !rtf2.document()->isEmpty()) {
            queued = true;
            QTimer::singleShot(0, program.window.get(), [&] {
                cleared = program.trigger(program.menu().clear_translation);
            });
        }
    });
    QVERIFY(program.trigger(program.menu().translate_text));
    QVERIFY(cleared);  // while the box was filling
    QVERIFY(rtf2.document()->isEmpty());
}
