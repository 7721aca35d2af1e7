#include "popup_test.h"

#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "forms/dictionary_forms.h"
#include "popup_fixture.h"
#include "ui/desktop/program_settings.h"
#include "ui/popup/popup_placement.h"
#include "ui/popup/popup_service.h"
#include "ui/popup/popup_texts.h"
#include "ui/popup/popup_translator.h"
#include "ui/windows/window_texts.h"

using vorna::Script;
using vorna::ui::PopupContent;
using vorna::ui::PopupReply;
using vorna::ui::PopupRequest;

void PopupTest::initTestCase() {
    vorna::ui::ProgramSettings::use_test_folder();
}

void PopupTest::translator_wordWithItsFormAndText() {
    PopupFixture fixture;
    QVERIFY(fixture.load());
    const vorna::ui::Session& session = *fixture.session;
    vorna::ui::PopupTranslator translator(session.store, session.dictionary_path(),
                                          session.application_folder, session.article_files);

    const PopupContent word = translator.translate(QStringLiteral("  Hello\n"), Script::cyrillic);
    QCOMPARE(word.kind, PopupContent::Kind::word);
    QVERIFY(word.found);
    QCOMPARE(word.source, QStringLiteral("Hello"));
    QCOMPARE(word.translation, QStringLiteral("привет"));
    QVERIFY(word.article.isEmpty());  // qd.dat's record is the translation, never an article
    QCOMPARE(translator.translate(QStringLiteral("hello"), Script::translit).translation,
             QStringLiteral("privet"));
    const PopupContent unknown = translator.translate(QStringLiteral("dog"), Script::cyrillic);
    QVERIFY(unknown.kind == PopupContent::Kind::word && !unknown.found);
    if (vorna::forms::DictionaryForms().available()) {
        const PopupContent went = translator.translate(QStringLiteral("went"), Script::cyrillic);
        QVERIFY(went.found);
        QCOMPARE(went.dictionary_form, QStringLiteral("go"));
        QCOMPARE(went.translation, QStringLiteral("идти"));
        // A text's unknown words go through their forms as in the window's run.
        const PopupContent run =
            translator.translate(QStringLiteral("The cat went."), Script::cyrillic, true);
        QCOMPARE(run.translation, QStringLiteral("Этот кот идти."));
        QVERIFY(!run.marked_html.contains(QStringLiteral("<u>")));
    }

    // Longer text: the running translation, as F5 gives it, unknown words marked.
    const PopupContent text =
        translator.translate(QStringLiteral("Hello, the big world!\nThe cat."), Script::cyrillic);
    QCOMPARE(text.kind, PopupContent::Kind::text);
    QCOMPARE(text.translation, QStringLiteral("Привет, этот big мир!\nЭтот кот."));
    QCOMPARE(text.marked_html.count(QStringLiteral("<u>")), 1);
    QVERIFY(text.marked_html.contains(QStringLiteral("<u>big</u>")));
    QVERIFY(!text.cut);

    const PopupContent cut =
        translator.translate(QStringLiteral("the cat ").repeated(300), Script::cyrillic);
    QVERIFY(cut.cut);
    QVERIFY(cut.source.size() <= vorna::ui::kMaxPopupCharacters);
    QVERIFY(cut.source.endsWith(QStringLiteral("cat")) ||
            cut.source.endsWith(QStringLiteral("the")));

    QCOMPARE(translator.translate(QStringLiteral(" \n\t"), Script::cyrillic).kind,
             PopupContent::Kind::nothing);
}

void PopupTest::placement_staysOnScreenNearEveryEdge_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1280, 900);
    const QSize popup(300, 200);
    QTest::newRow("middle: below right") << QPoint(600, 400) << popup << screen << QPoint(612, 412);
    QTest::newRow("top left corner") << QPoint(2, 3) << popup << screen << QPoint(14, 15);
    QTest::newRow("right edge: to the left")
        << QPoint(1250, 400) << popup << screen << QPoint(938, 412);
    QTest::newRow("bottom edge: above") << QPoint(600, 880) << popup << screen << QPoint(612, 668);
    QTest::newRow("bottom right corner")
        << QPoint(1279, 899) << popup << screen << QPoint(967, 687);
    QTest::newRow("no room either side: inside, against the far edge")
        << QPoint(640, 450) << QSize(300, 800) << screen << QPoint(652, 100);
    QTest::newRow("larger than the screen: its top left shown")
        << QPoint(600, 400) << QSize(1500, 1000) << screen << QPoint(0, 0);
    QTest::newRow("second screen, its bottom left")
        << QPoint(1285, 760) << popup << QRect(1280, 100, 1024, 668) << QPoint(1297, 548);
}

void PopupTest::placement_staysOnScreenNearEveryEdge() {
    QFETCH(QPoint, pointer);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QTEST(vorna::ui::popup_position(pointer, size, screen), "expected");
}

void PopupTest::instance_quitsWhenIdleOrAsked() {
    PopupFixture fixture;
    QVERIFY(fixture.load());
    vorna::ui::PopupService service(*fixture.session, fixture.desktop);
    int quits = 0;
    service.quit_when_idle(std::chrono::milliseconds(20), [&quits] {
        ++quits;
        return true;
    });
    // The offscreen desktop has no primary selection: the clipboard, said once.
    QGuiApplication::clipboard()->setText(QStringLiteral("cat"));
    service.show_popup(vorna::ui::SelectionSource::primary);
    QVERIFY(service.window().isVisible());
    const QString said = vorna::ui::text_in(vorna::ui::kClipboardInstead, Script::cyrillic);
    QCOMPARE(service.window().shown_text(), QStringLiteral("cat — кот\n") + said);
    service.show_popup(vorna::ui::SelectionSource::primary);
    QCOMPARE(service.window().shown_text(), QStringLiteral("cat — кот"));
    QTest::qWait(100);
    QCOMPARE(quits, 0);  // an open popup is not idle
    service.window().close();
    QTRY_COMPARE(quits, 1);

    // Asked to quit over the socket; a process with its main window open stays.
    QTemporaryDir runtime;
    const auto place = vorna::ui::popup_socket_place(QFile::encodeName(runtime.path()).constData());
    QCOMPARE(service.listen(*place), vorna::ui::PopupServer::Claim::listening);
    const PopupRequest quit{PopupRequest::Kind::quit, {}};
    auto answer = off_the_event_loop(
        [&place, quit] { return vorna::ui::ask_running_instance(*place, quit, 5000); });
    QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(answer.get().reply == PopupReply::done);
    QCOMPARE(quits, 2);
    QVERIFY(::access(place->socket.c_str(), F_OK) != 0);

    vorna::ui::PopupService beside_window(*fixture.session, fixture.desktop);
    QCOMPARE(beside_window.listen(*place), vorna::ui::PopupServer::Claim::listening);
    auto refused = off_the_event_loop(
        [&place, quit] { return vorna::ui::ask_running_instance(*place, quit, 5000); });
    QTRY_VERIFY(refused.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(refused.get().reply == PopupReply::window_stays);
}

QTEST_MAIN(PopupTest)
