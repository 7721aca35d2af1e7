#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QtTest>

#include "program_fixture.h"
#include "ui/windows/common_dialog.h"
#include "ui_test.h"

void UiTest::saveOverFile_asksInTheInterfaceLanguage_data() {
    menuTree_captionsAndShortcuts_data();
}

void UiTest::saveOverFile_asksInTheInterfaceLanguage() {
    QFETCH(bool, cyrillic);
    ProgramFixture program;
    QVERIFY(program.start_in(cyrillic));
    program.desktop.messages.clear();
    const QString source = program.path("english.rtf");
    const QString other = program.path("other.rtf");
    QVERIFY(write_file(source, "{\\rtf1 Hello}") && write_file(other, "{\\rtf1 old}"));
    const QString shown = QDir::toNativeSeparators(source);
    const QString replace = cyrillic ? QStringLiteral("Файл %1 уже существует.\r\nЗаменить его?")
                                     : QStringLiteral("Fail %1 uzhe sushestvuet.\r\nZamenitj ego?");

    program.desktop.next_file_names = {source, source, source, source, other};
    QVERIFY(program.trigger(program.menu().open_file));
    program.translation().setPlainText(QStringLiteral("Привет"));
    // Saving the translation over the source asks twice, naming the file.
    program.desktop.next_answers = {true, false};
    QVERIFY(program.trigger(program.menu().save_translated));
    QCOMPARE(program.desktop.questions.size(), 2);
    QCOMPARE(program.desktop.questions[0], replace.arg(shown));
    QVERIFY(program.desktop.questions[1].contains(shown));
    QVERIFY(program.desktop.questions[1].contains(
        cyrillic ? QStringLiteral("исходный текст пропадёт") : QStringLiteral("propadjot")));
    QCOMPARE(file_bytes(source), QByteArray("{\\rtf1 Hello}"));

    program.desktop.next_answers = {true, true};
    QVERIFY(program.trigger(program.menu().save_translated));
    QVERIFY(file_bytes(source).contains("\\u1055"));  // "П": the translation is there

    // The source text over its own file, and a No, ask once.
    program.desktop.questions.clear();
    program.desktop.next_answers = {true};
    QVERIFY(program.trigger(program.menu().save_original));
    QCOMPARE(program.desktop.questions.size(), 1);
    QVERIFY(program.trigger(program.menu().save_translated));  // answered No
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
    QVERIFY(program.trigger(program.menu().open_file));
    QVERIFY(program.trigger(program.menu().save_translated));
    QCOMPARE(program.desktop.file_questions.at(1).start_path,
             home + QStringLiteral("/no such file.rtf"));
}
