#include <unistd.h>
#include <QDir>
#include <QTextCursor>
#include <QtTest>

#include "program_fixture.h"
#include "ui_test.h"

namespace {

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Records which font property of a box each font change brought.
class FontChangeLog : public QObject {
  public:
    QStringList changes;

    void watch(QTextEdit& box) {
        last_[&box] = box.font();
        box.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange) {
            auto* box = static_cast<QTextEdit*>(watched);
            const QFont before = last_[box];
            const QFont now = box->font();
            const QString name = box->objectName();
            if (before.pointSizeF() != now.pointSizeF())
                changes << name + QStringLiteral(" size");
            if (before.family() != now.family())
                changes << name + QStringLiteral(" name");
            if (before.bold() != now.bold())
                changes << name + QStringLiteral(" bold");
            if (before.italic() != now.italic())
                changes << name + QStringLiteral(" italic");
            if (before.underline() != now.underline())
                changes << name + QStringLiteral(" underline");
            last_[box] = now;
        }
        return false;
    }

  private:
    std::map<QTextEdit*, QFont> last_;
};

}  // namespace

void UiTest::saveAndOpen_keepFormattingAsRtf() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.box("RTF1");
    QTextCursor cursor(rtf1.document());
    cursor.insertText(QStringLiteral("Обычный "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("жирный"), bold);

    const QString source = program.folder.filePath(QStringLiteral("source.txt"));
    const QString translation = program.folder.filePath(QStringLiteral("empty translation"));
    program.desktop.next_file_names = {source, translation, QString(), source};
    QVERIFY(program.trigger("save_original"));
    QVERIFY(program.trigger("save_translated"));
    QVERIFY(file_bytes(source).startsWith("{\\rtf"));  // RTF whatever the extension
    QVERIFY(file_bytes(translation).startsWith("{\\rtf"));
    QVERIFY(program.desktop.messages.isEmpty());

    QVERIFY(program.trigger("rrr"));
    QVERIFY(program.trigger("open_file"));  // cancelled: nothing happens
    QVERIFY(rtf1.toPlainText().isEmpty());
    QCOMPARE(program.window->common_dialog().file_name, translation);
    QVERIFY(program.trigger("open_file"));
    QCOMPARE(rtf1.toPlainText(), QStringLiteral("Обычный жирный"));
    QTextCursor at_end(rtf1.document());
    at_end.movePosition(QTextCursor::End);
    QCOMPARE(at_end.charFormat().fontWeight(), int(QFont::Bold));

    // A file that cannot be read leaves the box alone, silently.
    program.desktop.next_file_names = {program.folder.filePath(QStringLiteral("absent.rtf"))};
    QVERIFY(program.trigger("open_file"));
    QCOMPARE(rtf1.toPlainText(), QStringLiteral("Обычный жирный"));
    QVERIFY(program.desktop.messages.isEmpty());
}

void UiTest::failedSave_saysSoAndKeepsExistingFile() {
    ProgramFixture program;
    QVERIFY(program.start());
    program.box("RTF2").setPlainText(QStringLiteral("перевод"));
    const QString unreachable = program.folder.filePath(QStringLiteral("no such folder/out.rtf"));
    program.desktop.next_file_names = {unreachable};
    QVERIFY(program.trigger("save_translated"));
    QCOMPARE(program.desktop.messages, QStringList{QStringLiteral("Не удалось сохранить файл ") +
                                                   QDir::toNativeSeparators(unreachable)});

    if (geteuid() == 0) {
        QSKIP("file permissions do not bind root; the unreachable folder case has run");
    }
    QDir locked(program.folder.filePath(QStringLiteral("locked")));
    QVERIFY(locked.mkpath(QStringLiteral(".")));
    const QString existing = locked.filePath(QStringLiteral("kept.rtf"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier work") == 12);
    file.close();
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
    program.desktop.next_file_names = {existing};
    QVERIFY(program.trigger("save_translated"));
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(program.desktop.messages.size(), 2);
    QCOMPARE(file_bytes(existing), QByteArray("earlier work"));
}

void UiTest::clearCommands_emptyTheirBoxes() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.box("RTF1");
    QTextEdit& rtf2 = program.box("RTF2");
    const auto fill = [&] {
        rtf1.setHtml(QStringLiteral("<b>source</b>"));
        rtf2.setPlainText(QStringLiteral("translation"));
    };
    fill();
    QVERIFY(program.trigger("ee"));
    QVERIFY(rtf1.toPlainText().isEmpty());
    QCOMPARE(rtf2.toPlainText(), QStringLiteral("translation"));
    rtf1.insertPlainText(QStringLiteral("new"));  // the bold went with the text
    QCOMPARE(rtf1.textCursor().charFormat().fontWeight(), int(QFont::Normal));
    fill();
    QVERIFY(program.trigger("ww"));
    QCOMPARE(rtf1.toPlainText(), QStringLiteral("source"));
    QVERIFY(rtf2.toPlainText().isEmpty());
    fill();
    QVERIFY(program.trigger("rrr"));
    QVERIFY(rtf1.toPlainText().isEmpty() && rtf2.toPlainText().isEmpty());
}

void UiTest::fontCommand_appliesPropertiesInOrder() {
    ProgramFixture program;
    QVERIFY(program.start());
    QTextEdit& rtf1 = program.box("RTF1");
    QTextEdit& rtf2 = program.box("RTF2");
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

    QVERIFY(program.trigger("ii"));
    QCOMPARE(log.changes,
             (QStringList{QStringLiteral("RTF1 size"), QStringLiteral("RTF2 size"),
                          QStringLiteral("RTF1 name"), QStringLiteral("RTF2 name"),
                          QStringLiteral("RTF1 bold"), QStringLiteral("RTF2 bold"),
                          QStringLiteral("RTF1 italic"), QStringLiteral("RTF2 italic")}));
    QTextCursor text(rtf1.document());
    text.movePosition(QTextCursor::End);
    QCOMPARE(text.charFormat().fontPointSize(), qreal(chosen.pointSize()));
    QVERIFY(text.charFormat().fontItalic() && !text.charFormat().fontUnderline());
    QCOMPARE(program.window->common_dialog().flags, 0x103);

    // A cancelled dialog gives the boxes the font it still holds.
    rtf2.setFont(QFont());
    QVERIFY(program.trigger("ii"));
    QCOMPARE(rtf2.font().pointSize(), chosen.pointSize());
    QVERIFY(rtf2.font().bold());
}
