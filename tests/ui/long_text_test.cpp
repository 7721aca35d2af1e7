#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include "program_fixture.h"
#include "ui/boxes/plain_text_layout.h"
#include "ui_test.h"

namespace {

// A word list long enough for the plain layout: "cat", "hello", ... a line each.
QString word_list(int lines) {
    const QString words[] = {QStringLiteral("cat"), QStringLiteral("hello"),
                             QStringLiteral("world"), QStringLiteral("Xyzzy")};
    QString text;
    for (int i = 0; i < lines; ++i)
        text += words[i % 4] + u'\n';
    return text;
}

// Every caret position maps to a point that maps back to it, and the caret
// at the end is scrolled into view.
void check_geometry(QTextEdit& box) {
    const QTextDocument& document = *box.document();
    for (int position :
         {0, 7, 1000, document.characterCount() / 2, document.characterCount() - 1}) {
        QTextCursor caret(box.document());
        caret.setPosition(position);
        box.setTextCursor(caret);
        box.ensureCursorVisible();
        const QRect rect = box.cursorRect();
        QVERIFY(box.viewport()->rect().contains(rect.center()));
        QCOMPARE(box.cursorForPosition(rect.center()).position(), position);
    }
    QVERIFY(box.verticalScrollBar()->maximum() > 0);
}

}  // namespace

void UiTest::longText_openedPastedAndTranslatedWhole() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.source();
    QTextEdit& rtf2 = program.translation();
    const int lines = 20000;
    const QString list = word_list(lines);

    // Opened: the whole text, laid out only where shown, the caret where a
    // click puts it.
    QVERIFY(write_file(program.path("list.txt"), list.toUtf8()));
    program.desktop.next_file_names = {program.path("list.txt")};
    QVERIFY(program.trigger(program.menu().open_file));
    QCOMPARE(rtf1.toPlainText(), list);
    QVERIFY(vorna::ui::has_plain_layout(*rtf1.document()));
    check_geometry(rtf1);

    // Pasted into the middle of a text, the event loop turning meanwhile.
    rtf1.setPlainText(QStringLiteral("the world"));
    program.put_caret(rtf1, 4);
    QGuiApplication::clipboard()->setText(list);
    bool turned = false;
    QTimer::singleShot(0, [&turned] { turned = true; });
    rtf1.paste();
    QVERIFY(turned);
    QCOMPARE(rtf1.toPlainText(), QStringLiteral("the ") + list + QStringLiteral("world"));
    QCOMPARE(rtf1.textCursor().position(), 4 + list.size());
    check_geometry(rtf1);

    // Translated: every line, in a box of the plain layout that takes a new
    // font and width at once.
    QVERIFY(program.trigger(program.menu().translate_word_list));
    QCOMPARE(rtf2.document()->blockCount(), 2 * lines + 4);
    QCOMPARE(rtf2.document()->findBlockByNumber(1).text(), QStringLiteral("cat - кот"));
    QVERIFY(vorna::ui::has_plain_layout(*rtf2.document()));
    QFont font = rtf2.font();
    font.setPointSize(font.pointSize() * 2);
    program.desktop.next_fonts = {font};
    QVERIFY(program.trigger(program.menu().font));
    program.window->resize(program.window->width() / 2, program.window->height());
    QTRY_COMPARE(rtf2.document()->pageSize().width(), qreal(rtf2.viewport()->width()));
    check_geometry(rtf2);

    // Formatted text pasted into it brings the toolkit's layout back, and
    // keeps its formatting.
    auto* formatted = new QMimeData;  // the clipboard's own
    formatted->setHtml(QStringLiteral("<b>bold</b>"));
    formatted->setText(QStringLiteral("bold"));
    QGuiApplication::clipboard()->setMimeData(formatted);
    rtf2.moveCursor(QTextCursor::Start);
    rtf2.paste();
    QTRY_VERIFY(!vorna::ui::has_plain_layout(*rtf2.document()));
    QCOMPARE(rtf2.document()->firstBlock().begin().fragment().charFormat().fontWeight(),
             int(QFont::Bold));
    QGuiApplication::clipboard()->clear();
}

void UiTest::longText_clearedDuringAPasteAndAfterARun() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.source();
    QTextEdit& rtf2 = program.translation();
    const QString list = word_list(20000);
    QFont font = rtf1.font();
    font.setPointSize(font.pointSize() + 3);
    program.desktop.next_fonts = {font};
    QVERIFY(program.trigger(program.menu().font));

    // Cleared while a paste goes into a long text: the paste stops there and
    // both boxes stay empty.
    rtf1.setPlainText(list);
    rtf2.setPlainText(list);
    rtf1.moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setText(list);
    bool cleared = false;
    QTimer::singleShot(0, [&] { cleared = program.trigger(program.menu().clear_both); });
    rtf1.paste();
    QVERIFY(cleared);
    QVERIFY(rtf1.document()->isEmpty());
    QVERIFY(rtf2.document()->isEmpty());
    QGuiApplication::clipboard()->clear();

    // Pasted into the empty box, then cleared after a run over it; the
    // boxes keep their font and take a new text and run.
    QGuiApplication::clipboard()->setText(list);
    rtf1.paste();
    QGuiApplication::clipboard()->clear();
    QCOMPARE(rtf1.toPlainText(), list);
    QCOMPARE(rtf1.textCursor().position(), list.size());
    QVERIFY(vorna::ui::has_plain_layout(*rtf1.document()));
    QVERIFY(program.trigger(program.menu().translate_word_list));
    QCOMPARE(rtf2.document()->blockCount(), 2 * 20000 + 1);
    QVERIFY(program.trigger(program.menu().clear_both));
    QVERIFY(rtf1.document()->isEmpty());
    QVERIFY(rtf2.document()->isEmpty());
    for (QTextEdit* box : {&rtf1, &rtf2})
        QCOMPARE(box->document()->defaultFont().pointSize(), font.pointSize());
    rtf1.setFocus();
    QTest::keyClicks(&rtf1, QStringLiteral("cat"));
    QVERIFY(program.trigger(program.menu().translate_text));
    QCOMPARE(rtf2.toPlainText(), QStringLiteral("кот\n"));
}
