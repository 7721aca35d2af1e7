#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include "program_fixture.h"
#include "ui_test.h"

void UiTest::translateText_fillsBoxAndPanels() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.box("RTF1").setPlainText(QStringLiteral("Hello, world!\n\nthe cat\u00A0sat"));

    QVERIFY(program.trigger("tr1"));
    QCOMPARE(program.box("RTF2").toPlainText(), QStringLiteral("Привет, мир!\n\nэтот кот sat\n"));
    // The no-break space comes through as itself (toPlainText shows it as a blank).
    QVERIFY(program.box("RTF2").document()->toRawText().contains(QStringLiteral("кот\u00A0sat")));
    QCOMPARE(program.panel("panel1"), QStringLiteral("Переведено: 100 %"));
    QVERIFY(program.panel("panel2").startsWith(QStringLiteral("Прошло: ")));
    QVERIFY(program.panel("panel2").endsWith(QStringLiteral(" сек.")));
    // A progress figure shown during a run is not cut off by its panel.
    auto* panel1 = program.window->findChild<QLabel*>(QStringLiteral("panel1"));
    panel1->setText(QStringLiteral("Переведено: 66") + QLocale::system().decimalPoint() +
                    QStringLiteral("66 %"));
    QTRY_VERIFY(panel1->width() >= panel1->sizeHint().width());
}

void UiTest::translateWordList_oneWordALineAndNoFilesLeft() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.box("RTF1").setPlainText(QStringLiteral("Hello, world!\n\nthe cat\u00A0sat"));
    QVERIFY(program.trigger("tr2"));
    QCOMPARE(
        program.box("RTF2").toPlainText(),
        QStringLiteral("Hello - Привет\nworld - мир\n!\n\n\nthe - этот\ncat - кот\nsat - sat\n\n"));
    // The run's temporary files are gone.
    QCOMPARE(program.files(), QStringList{QStringLiteral("qd.dat")});

    // An empty source keeps RTF2 and panel 1, and still times the command.
    program.box("RTF1").clear();
    program.window->findChild<QLabel*>(QStringLiteral("panel2"))->clear();
    QVERIFY(program.trigger("tr1"));
    QVERIFY(program.box("RTF2").toPlainText().startsWith(QStringLiteral("Hello - Привет")));
    QCOMPARE(program.panel("panel1"), QStringLiteral("Переведено: 100 %"));
    QVERIFY(program.panel("panel2").startsWith(QStringLiteral("Прошло: ")));
}

void UiTest::damagedDictionaryDuringRun_isReportedAndEndsTheProgram() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.session->store.prefix_index[vorna::letter_pair_slot('h', 'e')].first_entry = -7;
    program.box("RTF1").setPlainText(QStringLiteral("cat hello"));
    QVERIFY(program.trigger("tr1"));
    QCOMPARE(program.desktop.end_requests, std::vector<int>{1});
    QCOMPARE(program.desktop.messages.size(), 1);
    QVERIFY(program.desktop.messages[0].startsWith(QStringLiteral("Проблема с файлом словаря ")));
}

void UiTest::functionKeys_runTheTranslations() {
    ProgramFixture program;
    QVERIFY(program.start_in(false));
    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.box("RTF1").setPlainText(QStringLiteral("Hello"));

    QTest::keyClick(program.window.get(), Qt::Key_F5);
    QCOMPARE(program.box("RTF2").toPlainText(), QStringLiteral("Privet\n"));
    QCOMPARE(program.panel("panel1"), QStringLiteral("Perevedeno: 100 %"));
    QVERIFY(program.panel("panel2").endsWith(QStringLiteral(" sek.")));
    QTest::keyClick(program.window.get(), Qt::Key_F6);
    QCOMPARE(program.box("RTF2").toPlainText(), QStringLiteral("Hello - Privet\n\n"));
    QTest::keyClick(program.window.get(), Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(program.box("RTF2").toPlainText().isEmpty());

    // Tab follows the boxes' tab order instead of typing a tab.
    QCOMPARE(QApplication::focusWidget(), &program.box("RTF1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &program.box("RTF2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &program.box("RTF1"));
    QCOMPARE(program.box("RTF1").toPlainText(), QStringLiteral("Hello"));

    // F10 opens the menu bar on its first menu.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QCOMPARE(program.window->menuBar()->activeAction()->objectName(), QStringLiteral("file"));
}

void UiTest::secondCommandDuringRun_isIgnored() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.box("RTF1").setPlainText(QStringLiteral("hello world\nthe cat"));
    bool ran_inside = false;
    QTimer::singleShot(0, program.window.get(), [&] {
        ran_inside = program.window->engine().run_in_progress();
        program.trigger("tr2");  // would turn the output into a word list
        program.trigger("ee");   // clearing the box does not touch the run
    });
    QVERIFY(program.trigger("tr1"));
    QVERIFY(ran_inside);
    QCOMPARE(program.box("RTF2").toPlainText(), QStringLiteral("привет мир\nэтот кот\n"));
    QVERIFY(program.box("RTF1").toPlainText().isEmpty());
}

void UiTest::exitDuringRun_endsAfterRemovingTemporaryFiles() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.box("RTF1").setPlainText(QStringLiteral("hello\nworld\nthe cat"));
    program.box("RTF2").setPlainText(QStringLiteral("earlier"));
    QTimer::singleShot(0, program.window.get(), [&] {
        QVERIFY(program.desktop.end_requests.empty());
        program.trigger("Exit_point");
    });
    QVERIFY(program.trigger("tr1"));
    QCOMPARE(program.desktop.end_requests, std::vector<int>{0});
    QCOMPARE(program.box("RTF2").toPlainText(), QStringLiteral("earlier"));
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
    program.box("RTF1").setPlainText(source.join(u'\n'));
    QVERIFY(program.trigger("tr1"));
    QCOMPARE(program.box("RTF2").toPlainText(), translated.join(u'\n') + u'\n');

    // A reader who clears the box while it fills has the last word.
    QTextEdit& rtf2 = program.box("RTF2");
    rtf2.clear();
    bool queued = false, cleared = false;
    QObject::connect(&rtf2, &QTextEdit::textChanged, program.window.get(), [&] {
        if (!queued && !rtf2.document()->isEmpty()) {
            queued = true;
            QTimer::singleShot(0, program.window.get(), [&] { cleared = program.trigger("ww"); });
        }
    });
    QVERIFY(program.trigger("tr1"));
    QVERIFY(cleared);  // while the box was filling
    QVERIFY(rtf2.document()->isEmpty());
}
