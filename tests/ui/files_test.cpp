#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTextBlock>
#include <QtTest>

#include "program_fixture.h"
#include "ui/common_dialog.h"
#include "ui_test.h"

namespace {

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

}  // namespace

void UiTest::fontThenOpen_documentKeepsItsOwnFormatting() {
    ProgramFixture program;
    QVERIFY(program.start());
    QFont chosen(QStringLiteral("DejaVu Serif"), 16);
    chosen.setBold(true);
    chosen.setItalic(true);
    program.desktop.next_fonts = {chosen};
    QVERIFY(program.trigger("ii"));

    const QString document = program.folder.filePath(QStringLiteral("plain and bold.rtf"));
    QVERIFY(write_file(document, "{\\rtf1\\ansi plain {\\b bold} {\\fs20 small}\\par}"));
    const QString copy = program.folder.filePath(QStringLiteral("copy.rtf"));
    program.desktop.next_file_names = {document, copy, document};
    QVERIFY(program.trigger("open_file"));
    const QStringList as_written{QStringLiteral("plain :0,0,12"), QStringLiteral("bold:1,0,12"),
                                 QStringLiteral(" :0,0,12"), QStringLiteral("small:0,0,10")};
    QCOMPARE(runs_of(program.box("RTF1")), as_written);

    // Saved and opened again, the runs are what they were: no \b\i on every run.
    QVERIFY(program.trigger("save_original"));
    QCOMPARE(file_bytes(copy).count("\\b"), 1);
    QVERIFY(!file_bytes(copy).contains("\\i"));
    QVERIFY(program.trigger("open_file"));
    QCOMPARE(runs_of(program.box("RTF1")), as_written);

    // Text without formatting of its own shows the chosen font.
    QVERIFY(program.trigger("ee"));
    program.box("RTF1").insertPlainText(QStringLiteral("typed"));
    QCOMPARE(runs_of(program.box("RTF1")), QStringList{QStringLiteral("typed:1,1,16")});
}

void UiTest::saveOverFile_asksInTheInterfaceLanguage_data() {
    QTest::addColumn<bool>("cyrillic");
    QTest::newRow("cyrillic") << true;
    QTest::newRow("translit") << false;
}

void UiTest::saveOverFile_asksInTheInterfaceLanguage() {
    QFETCH(bool, cyrillic);
    ProgramFixture program;
    if (!cyrillic) {
        program.desktop.windows_without_cyrillic << QStringLiteral("Form1");
    }
    QVERIFY(program.start());
    program.desktop.messages.clear();
    const QString source = program.folder.filePath(QStringLiteral("english.rtf"));
    const QString other = program.folder.filePath(QStringLiteral("other.rtf"));
    QVERIFY(write_file(source, "{\\rtf1 Hello}") && write_file(other, "{\\rtf1 old}"));
    const QString shown = QDir::toNativeSeparators(source);
    const QString replace = cyrillic ? QStringLiteral("Файл %1 уже существует.\r\nЗаменить его?")
                                     : QStringLiteral("Fail %1 uzhe sushestvuet.\r\nZamenitj ego?");

    program.desktop.next_file_names = {source, source, source, source, other};
    QVERIFY(program.trigger("open_file"));
    program.box("RTF2").setPlainText(QStringLiteral("Привет"));
    // Saving the translation over the source asks twice, naming the file.
    program.desktop.next_answers = {true, false};
    QVERIFY(program.trigger("save_translated"));
    QCOMPARE(program.desktop.questions.size(), 2);
    QCOMPARE(program.desktop.questions[0], replace.arg(shown));
    QVERIFY(program.desktop.questions[1].contains(shown));
    QVERIFY(program.desktop.questions[1].contains(
        cyrillic ? QStringLiteral("исходный текст пропадёт") : QStringLiteral("propadjot")));
    QCOMPARE(file_bytes(source), QByteArray("{\\rtf1 Hello}"));

    program.desktop.next_answers = {true, true};
    QVERIFY(program.trigger("save_translated"));
    QVERIFY(file_bytes(source).contains("\\u1055"));  // "П": the translation is there

    // The source text over its own file, and a No, ask once.
    program.desktop.questions.clear();
    program.desktop.next_answers = {true};
    QVERIFY(program.trigger("save_original"));
    QCOMPARE(program.desktop.questions.size(), 1);
    QVERIFY(program.trigger("save_translated"));  // answered No
    QCOMPARE(file_bytes(other), QByteArray("{\\rtf1 old}"));
    QCOMPARE(program.desktop.questions.size(), 2);
    QVERIFY(program.desktop.messages.isEmpty());
}

void UiTest::fileDialogs_admitEveryFileAndShunPseudoFileSystems() {
    QTemporaryDir folder;
    for (const char* name : {"README", "text.rtf"}) {
        QVERIFY(write_file(folder.filePath(QString::fromLatin1(name)), "x"));
    }
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    vorna::ui::prepare_file_dialog(dialog, QStringLiteral("Файлы RTF (*.*)"),
                                   folder.filePath(QStringLiteral("text.rtf")));
    QCOMPARE(dialog.directory().absolutePath(), QDir(folder.path()).absolutePath());
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText(),
             QStringLiteral("Файлы RTF (*.*)"));
    auto* files = dialog.findChild<QFileSystemModel*>();
    QVERIFY(QDir::match(files->nameFilters(), QStringLiteral("README")));

    const QString home = QDir::homePath();
    const struct {
        const char* remembered;
        QString start;
    } starts[] = {
        {"/proc/x.rtf", home + QStringLiteral("/x.rtf")},
        {"/sys/kernel/notes", home + QStringLiteral("/notes")},
        {"/dev/../dev/shm/a.rtf", home + QStringLiteral("/a.rtf")},
        {"/tmp/a.rtf", QStringLiteral("/tmp/a.rtf")},
        {"", QString()},
    };
    for (const auto& start : starts) {
        QCOMPARE(vorna::ui::dialog_start_path(QString::fromLatin1(start.remembered)), start.start);
    }

    // The main window's dialogs go by it too.
    ProgramFixture program;
    QVERIFY(program.start());
    program.desktop.next_file_names = {QStringLiteral("/proc/no such file.rtf")};
    QVERIFY(program.trigger("open_file"));
    QVERIFY(program.trigger("save_translated"));
    QCOMPARE(program.desktop.file_questions.at(1).start_path,
             home + QStringLiteral("/no such file.rtf"));
}

void UiTest::toolkitTexts_followTheInterfaceScript() {
    for (const bool cyrillic : {true, false}) {
        ProgramFixture program;
        if (!cyrillic) {
            program.desktop.windows_without_cyrillic << QStringLiteral("Form1");
        }
        QVERIFY(program.start());
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
                 cyrillic ? QStringLiteral("&Имя файла:") : QStringLiteral("File &name:"));
    }
    // The translation goes with the window.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
             QStringLiteral("File &name:"));
}
