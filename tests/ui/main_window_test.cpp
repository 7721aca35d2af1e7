#include <QMenuBar>
#include <QtTest>

#include "core/message_table.h"
#include "program_fixture.h"
#include "ui/box_layout.h"
#include "ui_test.h"

void UiTest::missingDictionary_showsMessageAndEnds() {
    ProgramFixture program;
    program.desktop.windows_without_cyrillic << QStringLiteral("Form4");
    QVERIFY(!program.start(QByteArray()));
    QCOMPARE(program.desktop.messages,
             QStringList{QStringLiteral("Fail slovarja otsutstvuet. Perevod nevozmozhen.")});
    QCOMPARE(program.desktop.end_requests, std::vector<int>{1});
    QCOMPARE(program.loading->status_label().text(), QStringLiteral("Proverka slovarja ..."));
    QVERIFY(!QFile::exists(program.folder.filePath(QStringLiteral("qd1.dat"))));
}

void UiTest::recordsPastTheTable_areReportedAfterTheLoad() {
    QByteArray dictionary;
    for (int i = 0; i < 60003; ++i) {
        dictionary += "w" + QByteArray::number(i) + ",слово,slovo\r\n";
    }
    ProgramFixture program;
    QVERIFY(program.start(dictionary));
    QCOMPARE(program.desktop.messages.size(), 1);
    QVERIFY(program.desktop.messages[0].endsWith(QStringLiteral(": 3")));
    QVERIFY(program.desktop.messages[0].contains(QStringLiteral("Словарь")));
    QCOMPARE(program.loading->status_label().text(), QStringLiteral("Настройка словарей ... "));
    QVERIFY(program.window->isVisible());
    QVERIFY(!program.loading->isVisible());
}

void UiTest::menuTree_captionsAndShortcuts_data() {
    QTest::addColumn<bool>("cyrillic");
    QTest::newRow("cyrillic shown") << true;
    QTest::newRow("translit") << false;
}

void UiTest::menuTree_captionsAndShortcuts() {
    QFETCH(bool, cyrillic);
    struct Item {
        const char* name;
        const char* cyrillic;
        const char* translit;
        const char* keys;
    };
    const Item items[] = {
        {"file", "Файл", "Fail", ""},
        {"open_file", "Открыть", "Otkritj", "Ctrl+O"},
        {"save_translated", "Сохранить перевод", "Sohranitj perevod", "Ctrl+S"},
        {"save_original", "Сохранить переводимый текст", "Sohranitj perevodimoj tekst", "Ctrl+U"},
        {"Exit_point", "Выход", "Vihod", "Ctrl+Q"},
        {"Translate", "Перевести", "Perevesti", ""},
        {"tr1", "Перевести текст-текст", "Perevesti tekst -> tekst", "F5"},
        {"tr2", "Перевести текст-слово", "Perevesti tekst -> slovo", "F6"},
        {"Stat", "Статистика", "Statistika", ""},
        {"transl_windows", "Окна переводов", "Okna perevodov", ""},
        {"ee", "Очистить окно переводимого текста", "Ochistitj okno perevodimogo teksta",
         "Ctrl+F1"},
        {"ww", "Очистить окно переведеного текста", "Ochistitj okno perevedjonnogo teksta",
         "Ctrl+F2"},
        {"rrr", "Очистить оба окна", "Ochistitj oba okna", "Ctrl+F3"},
        {"ii", "Установить размер шрифта", "Ustanovitj razmer shrifta", "Ctrl+F6"},
        {"About", "О программе", "O programme", ""},
    };
    ProgramFixture program;
    if (!cyrillic) {
        program.desktop.windows_without_cyrillic << QStringLiteral("Form1");
    }
    QVERIFY(program.start());

    for (const Item& item : items) {
        QAction* action = program.action(item.name);
        QVERIFY2(action, item.name);
        QVERIFY(action->isEnabled() && action->isVisible() && !action->isChecked());
        QCOMPARE(action->text(), QString::fromUtf8(cyrillic ? item.cyrillic : item.translit));
        QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.keys)));
    }
    QStringList bar;
    for (QAction* action : program.window->menuBar()->actions()) {
        bar << action->objectName();
    }
    QCOMPARE(bar, (QStringList{QStringLiteral("file"), QStringLiteral("Translate"),
                               QStringLiteral("Stat"), QStringLiteral("transl_windows"),
                               QStringLiteral("About")}));

    QVERIFY(program.box("RTF1").toPlainText().isEmpty());
    QCOMPARE(program.panel("panel1"), QStringLiteral("Прогресс %"));
    QCOMPARE(program.panel("panel2"), QStringLiteral("Прошло:"));
    QVERIFY(program.trigger("open_file"));  // answered with a cancel
    QCOMPARE(program.desktop.file_questions.at(0).title,
             QStringLiteral("Открыть файл для перевода"));
    if (cyrillic) {
        QCOMPARE(program.translator_mode(), std::string("rus"));
        QVERIFY(program.desktop.messages.isEmpty());
        QCOMPARE(program.window->windowTitle(), QStringLiteral("VORNA Переводчик v3.42"));
        QCOMPARE(program.desktop.file_questions.at(0).filter, QStringLiteral("Файлы RTF (*.*)"));
    } else {
        QCOMPARE(program.translator_mode(), std::string("cyr"));
        QCOMPARE(
            program.desktop.messages,
            QStringList{QStringLiteral("Programma ne obnaruzhila podderzhku russkogo jazika.\r\n"
                                       "Interfeis, soobshenija i perevedjonnij tekst\r\n"
                                       "budut preobrazovani v translit avtomaticheski.")});
        QCOMPARE(program.window->windowTitle(), QStringLiteral("VORNA Perevodchik v3.42"));
        QCOMPARE(program.box("RTF1").toolTip(),
                 QStringLiteral("Skopirujte sjuda perevodimij tekst"));
        QCOMPARE(program.box("RTF2").toolTip(), QStringLiteral("Eto perevedjonnij tekst"));
        QCOMPARE(program.desktop.file_questions.at(0).filter, QStringLiteral("Faili RTF (*.*)"));
    }
}

void UiTest::layoutRule_examples() {
    using vorna::ui::BoxGeometry;
    using vorna::ui::lay_out_boxes;
    const BoxGeometry design{9915, 2775, 9915, 3015, 2820};

    const BoxGeometry usual = lay_out_boxes(design, 10080, 6915);
    QCOMPARE(usual.width1, 9950.0);
    QCOMPARE(usual.width2, 9950.0);
    QCOMPARE(usual.height1, 2977.5);
    QCOMPARE(usual.height2, 2977.5);
    QCOMPARE(usual.top2, 2977.5);

    const BoxGeometry too_low = lay_out_boxes(usual, 5000, 959);
    QCOMPARE(too_low.width1, 4870.0);
    QCOMPARE(too_low.height1, 2977.5);
    QCOMPARE(too_low.height2, 2977.5);
    QCOMPARE(too_low.top2, 2977.5);
    const BoxGeometry zero_high = lay_out_boxes(usual, 130, 960);
    QCOMPARE(zero_high.height1, 0.0);
    QCOMPARE(zero_high.width1, 0.0);
    QCOMPARE(zero_high.top2, 0.0);

    const BoxGeometry too_narrow = lay_out_boxes(usual, 129, 4000);
    QCOMPARE(too_narrow.width1, 9950.0);
    QCOMPARE(too_narrow.width2, 9950.0);
    QCOMPARE(too_narrow.height1, 1520.0);
}

void UiTest::layoutRule_followsWindowResize() {
    ProgramFixture program;
    QVERIFY(program.start());
    // The rule reads the outer size, frame included.
    const QSize frame = program.window->frameGeometry().size() - program.window->size();
    program.window->resize(QSize(672, 461) - frame);
    QTRY_COMPARE(program.window->frameGeometry().size(), QSize(672, 461));
    QCOMPARE(program.window->box_geometry().width1, 9950.0);
    QCOMPARE(program.window->box_geometry().height2, 2977.5);
    QTextEdit& rtf1 = program.box("RTF1");
    QTextEdit& rtf2 = program.box("RTF2");
    QCOMPARE(rtf1.geometry(), QRect(0, 0, 663, 199));
    QCOMPARE(rtf2.geometry(), QRect(0, 199, 663, 199));

    // A window dragged too low: the heights stay, the widths follow.
    program.window->lay_out(5000, 959);
    QCOMPARE(rtf1.geometry(), QRect(0, 0, 325, 199));
    QCOMPARE(rtf2.geometry(), QRect(0, 199, 325, 199));
}
