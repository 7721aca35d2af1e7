#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "program_fixture.h"
#include "ui/boxes/box_layout.h"
#include "ui_test.h"

void UiTest::missingDictionary_showsMessageAndEnds() {
    ProgramFixture program;
    program.desktop.windows_without_cyrillic << QLatin1String(names::kLoadingWindow);
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
    ProgramFixture program;
    QVERIFY(program.start_in(cyrillic));
    const vorna::ui::MainMenu& menu = program.menu();
    const struct {
        QAction* action;
        const char* path;  // menu bar item, or its submenu and item
        const char* cyrillic;
        const char* translit;
        const char* keys;
    } items[] = {
        {menu.file->menuAction(), "file", "Файл", "Fail", ""},
        {menu.open_file, "file/open_file", "Открыть", "Otkritj", "Ctrl+O"},
        {menu.save_translated, "file/save_translated", "Сохранить перевод", "Sohranitj perevod",
         "Ctrl+S"},
        {menu.save_original, "file/save_original", "Сохранить переводимый текст",
         "Sohranitj perevodimoj tekst", "Ctrl+U"},
        {menu.exit, "file/Exit_point", "Выход", "Vihod", "Ctrl+Q"},
        {menu.translate->menuAction(), "Translate", "Перевести", "Perevesti", ""},
        {menu.translate_text, "Translate/tr1", "Перевести текст-текст", "Perevesti tekst -> tekst",
         "F5"},
        {menu.translate_word_list, "Translate/tr2", "Перевести текст-слово",
         "Perevesti tekst -> slovo", "F6"},
        {menu.statistics, "Stat", "Статистика", "Statistika", ""},
        {menu.windows->menuAction(), "transl_windows", "Окна переводов", "Okna perevodov", ""},
        {menu.clear_source, "transl_windows/ee", "Очистить окно переводимого текста",
         "Ochistitj okno perevodimogo teksta", "Ctrl+F1"},
        {menu.clear_translation, "transl_windows/ww", "Очистить окно переведеного текста",
         "Ochistitj okno perevedjonnogo teksta", "Ctrl+F2"},
        {menu.clear_both, "transl_windows/rrr", "Очистить оба окна", "Ochistitj oba okna",
         "Ctrl+F3"},
        {menu.font, "transl_windows/ii", "Установить размер шрифта", "Ustanovitj razmer shrifta",
         "Ctrl+F6"},
        {menu.about, "About", "О программе", "O programme", ""},
        {menu.dictionary->menuAction(), "dictionary", "Словарь", "Slovarj", ""},
        {menu.edit_translation, "dictionary/edit_translation", "Изменить перевод…",
         "Izmenitj perevod…", "Ctrl+E"},
        {menu.article, "dictionary/article", "Словарная статья", "Slovarnaja statja", "Ctrl+D"},
        {menu.dictionary_forms, "dictionary/dictionary_forms", "Искать словарную форму",
         "Iskatj slovarnuju formu", ""},
        {menu.save_unknown_words, "dictionary/save_unknown_words", "Сохранить неизвестные слова…",
         "Sohranitj neizvestnie slova…", ""},
        {menu.pronounce, "dictionary/pronounce", "Произнести", "Proiznesti", "Ctrl+R"},
    };
    QStringList expected_tree, tree;
    for (const auto& item : items) {
        QVERIFY2(item.action, item.path);
        expected_tree << QString::fromLatin1(item.path);
        QCOMPARE(item.action->objectName(),
                 QString::fromLatin1(item.path).section(QLatin1Char('/'), -1));
        QVERIFY(item.action->isEnabled() && item.action->isVisible() && !item.action->isChecked());
        QCOMPARE(item.action->text(), QString::fromUtf8(cyrillic ? item.cyrillic : item.translit));
        QCOMPARE(item.action->shortcut(), QKeySequence(QString::fromLatin1(item.keys)));
    }
    for (QAction* top : program.window->menuBar()->actions()) {
        tree << top->objectName();
        for (QAction* sub : top->menu() ? top->menu()->actions() : QList<QAction*>()) {
            tree << top->objectName() + QLatin1Char('/') + sub->objectName();
        }
    }
    QCOMPARE(tree, expected_tree);
}

void UiTest::firstLoad_textsFollowTheScript_data() {
    menuTree_captionsAndShortcuts_data();
}

void UiTest::firstLoad_textsFollowTheScript() {
    QFETCH(bool, cyrillic);
    ProgramFixture program;
    QVERIFY(program.start_in(cyrillic));
    QCOMPARE(program.script(), cyrillic ? vorna::Script::cyrillic : vorna::Script::translit);
    QCOMPARE(
        program.desktop.messages,
        (cyrillic
             ? QStringList()
             : QStringList{QStringLiteral("Programma ne obnaruzhila podderzhku russkogo jazika.\r\n"
                                          "Interfeis, soobshenija i perevedjonnij tekst\r\n"
                                          "budut preobrazovani v translit avtomaticheski.")}));
    QVERIFY(program.source().toPlainText().isEmpty());
    const auto in_script = [&](const char* cyrillic_text, const char* translit_text) {
        return QString::fromUtf8(cyrillic ? cyrillic_text : translit_text);
    };
    QCOMPARE(program.window->windowTitle(),
             in_script("VORNA Переводчик v" VORNA_VERSION, "VORNA Perevodchik v" VORNA_VERSION));
    QCOMPARE(program.source().toolTip(),
             in_script("Скопируйте сюда переводимый текст.", "Skopirujte sjuda perevodimij tekst"));
    QCOMPARE(program.translation().toolTip(),
             in_script("Это переведенный текст", "Eto perevedjonnij tekst"));

    // Texts without a translit form stay Cyrillic in both scripts.
    QCOMPARE(program.progress_panel(), QStringLiteral("Прогресс %"));
    QCOMPARE(program.elapsed_panel(), QStringLiteral("Прошло:"));
    QVERIFY(program.trigger(program.menu().open_file));  // answered with a cancel
    QCOMPARE(program.desktop.file_questions.at(0).title,
             QStringLiteral("Открыть файл для перевода"));
    QCOMPARE(program.desktop.file_questions.at(0).filter,
             in_script("Файлы RTF (*.*)", "Faili RTF (*.*)"));
    // The toolkit's own texts follow the interface script.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
             cyrillic ? QStringLiteral("&Имя файла:") : QStringLiteral("File &name:"));
}

void UiTest::layoutRule_followsWindowResize() {
    using vorna::ui::BoxGeometry;
    // Successive outer sizes in twips, each laid out over the one before.
    const struct {
        double outer_width, outer_height;
        BoxGeometry boxes;
    } steps[] = {
        // Too low: the heights stay and RTF2 moves to the unchanged RTF1.
        {10080, 959, {9950, 2775, 9950, 3015, 2775}},
        {10080, 6915, {9950, 2977.5, 9950, 2977.5, 2977.5}},
        {129, 4000, {9950, 1520, 9950, 1520, 1520}},  // too narrow: the widths stay
        {130, 960, {0, 0, 0, 0, 0}},
    };
    BoxGeometry boxes{9915, 2775, 9915, 3015, 2820};  // as designed
    for (const auto& step : steps) {
        boxes = vorna::ui::lay_out_boxes(boxes, step.outer_width, step.outer_height);
        const auto fields = [](const BoxGeometry& b) {
            return std::vector<double>{b.width1, b.height1, b.width2, b.height2, b.top2};
        };
        QCOMPARE(fields(boxes), fields(step.boxes));
    }
    // Sized to the client area: an odd number of pixels leaves one below the
    // boxes; where the rule refuses a step for the outer size, it still does.
    boxes = vorna::ui::fit_boxes_to_client({}, 10080, 6915, 9960, 5955);
    QCOMPARE(boxes.width1, 9960.0);
    QCOMPARE(boxes.height2, 2970.0);
    QCOMPARE(boxes.top2, 2970.0);
    boxes = vorna::ui::fit_boxes_to_client(boxes, 10080, 959, 9000, 3000);
    QCOMPARE(std::make_pair(boxes.width2, boxes.height1), std::make_pair(9000.0, 2970.0));
    boxes = vorna::ui::fit_boxes_to_client(boxes, 129, 4000, 6000, 3000);
    QCOMPARE(std::make_pair(boxes.width1, boxes.height2), std::make_pair(9000.0, 1500.0));

    ProgramFixture program;
    QVERIFY(program.start());
    const auto geometries = [&] {
        return std::make_pair(program.source().geometry(), program.translation().geometry());
    };
    // The boxes fill the client area between the menu bar and the status bar,
    // two equal heights in whole pixels, whatever the frame around it.
    QWidget& client = *program.window->centralWidget();
    for (const QSize size : {QSize(672, 461), QSize(500, 300), QSize(801, 622)}) {
        program.window->resize(size);
        QTRY_COMPARE(program.window->size(), size);
        const int half = client.height() / 2;
        QCOMPARE(geometries(), std::make_pair(QRect(0, 0, client.width(), half),
                                              QRect(0, half, client.width(), half)));
    }
    // No minimum size keeps the window from being made as small as the user likes.
    QCOMPARE(program.window->minimumSize(), QSize(0, 0));
}
