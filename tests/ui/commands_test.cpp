#include <QStatusBar>
#include <QTextBlock>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <utility>

#include "program_fixture.h"
#include "ui_test.h"

namespace {

bool ends_bold(const QTextEdit& box) {
    QTextCursor at_end(box.document());
    at_end.movePosition(QTextCursor::End);
    return at_end.charFormat().fontWeight() == QFont::Bold;
}

// Each run of the box as "text:bold,italic,size".
QStringList runs_of(const QTextEdit& box) {
    QStringList runs;
    const QFont box_font = box.document()->defaultFont();
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QFont font = it.fragment().charFormat().font().resolve(box_font);
            runs << it.fragment().text() + QStringLiteral(":%1,%2,%3")
                                               .arg(font.bold())
                                               .arg(font.italic())
                                               .arg(font.pointSizeF());
        }
    }
    return runs;
}

// Records which font property of a box each font change brought.
struct FontChangeLog : QObject {
    QStringList changes;
    std::map<QObject*, QFont> last;

    void watch(QTextEdit& box) {
        last[&box] = box.font();
        box.installEventFilter(this);
    }
    bool eventFilter(QObject* box, QEvent* event) override {
        if (event->type() == QEvent::FontChange) {
            const QFont now = static_cast<QWidget*>(box)->font();
            const QFont before = std::exchange(last[box], now);
            const std::pair<const char*, bool> properties[] = {
                {" size", before.pointSizeF() != now.pointSizeF()},
                {" name", before.family() != now.family()},
                {" bold", before.bold() != now.bold()},
                {" italic", before.italic() != now.italic()},
                {" underline", before.underline() != now.underline()},
            };
            for (const auto& [property, changed] : properties) {
                if (changed) {
                    changes << box->objectName() + QLatin1String(property);
                }
            }
        }
        return false;
    }
};

}  // namespace

void UiTest::saveAndOpen_writeRtfAndKeepFormatting() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.source();
    rtf1.setHtml(QStringLiteral("Обычный <b>жирный</b>"));

    const QString source = program.path("source.txt");
    const QString translation = program.path("empty translation");
    program.desktop.next_file_names = {source, translation, QString(), source};
    QVERIFY(program.trigger(program.menu().save_original));
    QVERIFY(program.trigger(program.menu().save_translated));
    QVERIFY(file_bytes(source).startsWith("{\\rtf"));  // RTF whatever the extension
    QVERIFY(file_bytes(translation).startsWith("{\\rtf"));
    QVERIFY(program.desktop.messages.isEmpty());

    QVERIFY(program.trigger(program.menu().clear_both));
    QVERIFY(program.trigger(program.menu().open_file));  // cancelled: nothing happens
    QVERIFY(rtf1.toPlainText().isEmpty());
    QCOMPARE(program.window->file_dialog().file_name, translation);
    QVERIFY(program.trigger(program.menu().open_file));
    QCOMPARE(rtf1.toPlainText(), QStringLiteral("Обычный жирный"));
    QVERIFY(ends_bold(rtf1));
}

void UiTest::unreadableAndUnwritableFiles_keepTheBoxAndNameTheFailure() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.source();
    rtf1.setPlainText(QStringLiteral("Обычный жирный"));
    // A file that cannot be read leaves the box alone without a word; one
    // that cannot be written is named in a warning with the system's reason.
    const QString absent = program.path("absent.rtf");
    const QString unreachable = program.path("no such folder/out.rtf");
    program.desktop.next_file_names = {absent, unreachable};
    QVERIFY(program.trigger(program.menu().open_file));
    QCOMPARE(rtf1.toPlainText(), QStringLiteral("Обычный жирный"));
    QVERIFY(program.trigger(program.menu().save_translated));
    const QString reason = QString::fromLocal8Bit(std::strerror(ENOENT));
    QCOMPARE(program.desktop.warnings, (QStringList{QStringLiteral("Не удалось сохранить файл ") +
                                                    QDir::toNativeSeparators(unreachable) +
                                                    QStringLiteral("\r\n") + reason}));
    QCOMPARE(program.desktop.messages, program.desktop.warnings);
}

void UiTest::clearCommands_emptyTheirBoxesAndTheFormatAtTheCaret() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.source();
    QTextEdit& rtf2 = program.translation();
    // Each says so on the status line; a cleared translation's line stays
    // until the next run, as the panels speak of a translation no longer there.
    const struct {
        QAction* command;
        bool clears_rtf1, clears_rtf2;
        const char* note;
    } commands[] = {
        {program.menu().clear_source, true, false, "Окно переводимого текста очищено."},
        {program.menu().clear_translation, false, true, "Окно перевода очищено."},
        {program.menu().clear_both, true, true, "Оба окна очищены."},
    };
    QStatusBar& status_line = *program.window->statusBar();
    for (const auto& clear : commands) {
        for (QTextEdit* box : {&rtf1, &rtf2}) {
            box->setHtml(QStringLiteral("<b>text</b>"));
            box->moveCursor(QTextCursor::End);  // the caret in the bold text
        }
        QVERIFY(program.trigger(clear.command));
        QCOMPARE(status_line.currentMessage(), QString::fromUtf8(clear.note));
        for (const auto& [box, cleared] :
             {std::pair{&rtf1, clear.clears_rtf1}, std::pair{&rtf2, clear.clears_rtf2}}) {
            QCOMPARE(box->toPlainText().isEmpty(), cleared);
            box->insertPlainText(QStringLiteral("new"));  // bold only where the text stayed
            QCOMPARE(ends_bold(*box), !cleared);
        }
    }
    QVERIFY(program.trigger(program.menu().translate_text));
    QVERIFY(status_line.currentMessage().isEmpty());
}

void UiTest::fontCommand_appliesPropertiesInOrder() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.source();
    QTextEdit& rtf2 = program.translation();
    rtf1.setPlainText(QStringLiteral("already here"));
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(rtf1.font().pointSize() + 7);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    program.desktop.next_fonts = {chosen};
    FontChangeLog log;
    log.watch(rtf1);
    log.watch(rtf2);

    QVERIFY(program.trigger(program.menu().font));
    QCOMPARE(program.desktop.font_titles, QStringList{QStringLiteral("Установить размер шрифта")});
    QCOMPARE(log.changes,
             (QStringList{QStringLiteral("RTF1 size"), QStringLiteral("RTF2 size"),
                          QStringLiteral("RTF1 name"), QStringLiteral("RTF2 name"),
                          QStringLiteral("RTF1 bold"), QStringLiteral("RTF2 bold"),
                          QStringLiteral("RTF1 italic"), QStringLiteral("RTF2 italic")}));
    // The text already in a box, which has no formatting of its own, shows
    // the font too, underline aside.
    QTextCursor text(rtf1.document());
    text.movePosition(QTextCursor::End);
    const QFont shown = text.charFormat().font().resolve(rtf1.document()->defaultFont());
    QCOMPARE(shown.pointSize(), chosen.pointSize());
    QVERIFY(shown.italic() && shown.bold() && !shown.underline());

    // A cancelled dialog gives the boxes the font it still holds.
    rtf2.setFont(QFont());
    QVERIFY(program.trigger(program.menu().font));
    QCOMPARE(rtf2.font().pointSize(), chosen.pointSize());
    QVERIFY(rtf2.font().bold());

    // An opened document keeps its own formatting, saved and opened again:
    // no \b\i on every run.
    const QString document = program.path("plain and bold.rtf");
    QVERIFY(write_file(document, "{\\rtf1\\ansi plain {\\b bold} {\\fs20 small}\\par}"));
    const QString copy = program.path("copy.rtf");
    program.desktop.next_file_names = {document, copy, document};
    QVERIFY(program.trigger(program.menu().open_file));
    const QStringList as_written{QStringLiteral("plain :0,0,12"), QStringLiteral("bold:1,0,12"),
                                 QStringLiteral(" :0,0,12"), QStringLiteral("small:0,0,10")};
    QCOMPARE(runs_of(rtf1), as_written);
    QVERIFY(program.trigger(program.menu().save_original));
    QCOMPARE(file_bytes(copy).count("\\b"), 1);
    QVERIFY(!file_bytes(copy).contains("\\i"));
    QVERIFY(program.trigger(program.menu().open_file));
    QCOMPARE(runs_of(rtf1), as_written);
    QVERIFY(program.trigger(program.menu().clear_source));
    rtf1.insertPlainText(QStringLiteral("typed"));
    QCOMPARE(runs_of(rtf1), QStringList{QStringLiteral("typed:1,1,%1").arg(chosen.pointSizeF())});
}
