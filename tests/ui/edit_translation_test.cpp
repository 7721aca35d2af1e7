#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <cerrno>

#include "core/dictionary/dictionary_edit.h"
#include "core/dictionary/dictionary_writer.h"
#include "program_fixture.h"
#include "ui/windows/edit_translation_dialog.h"
#include "ui/windows/loading_window.h"
#include "ui_test.h"

namespace {

QLineEdit& field(QDialog& dialog, const char* name) {
    return *dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

void click(QDialog& dialog, const char* button) {
    dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Answers the next dialog: checks what it was filled with, then types into
// its fields (translit follows the translation) and presses `button`.
void answer_dialog(ProgramFixture& program, QStringList* filled, const QString& word,
                   const QString& translation, const char* button) {
    program.desktop.on_modal = [=](QDialog& dialog) {
        if (filled) {
            *filled = {dialog.windowTitle(), field(dialog, names::kEnglishWordField).text(),
                       field(dialog, names::kTranslationField).text(),
                       field(dialog, names::kTranslitField).text()};
        }
        if (!word.isNull()) {
            field(dialog, names::kEnglishWordField).setText(word);
        }
        field(dialog, names::kTranslationField).setText(translation);
        click(dialog, button);
    };
}

QString translated(ProgramFixture& program, const QString& text) {
    program.source().setPlainText(text);
    program.trigger(program.menu().translate_text);
    return program.translation().toPlainText();
}

// Refuses to write in one folder, as a read-only install does.
struct ReadOnlyFolder : vorna::FileCalls {
    QString folder;
    ssize_t write(int descriptor, const void* data, std::size_t size) override {
        const QString file =
            QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(descriptor));
        if (file.startsWith(folder + QLatin1Char('/'))) {
            errno = EROFS;
            return -1;
        }
        return FileCalls::write(descriptor, data, size);
    }
};

// A started program installed in a folder it cannot write to, with the
// reader's folder in a temporary one.
struct ReadOnlyInstall {
    QTemporaryDir data;
    const std::string data_folder = QFile::encodeName(data.path()).toStdString() + "/vorna";
    ProgramFixture program;
    ReadOnlyFolder read_only;

    bool start() {
        if (!program.start())
            return false;
        read_only.folder = QFileInfo(program.folder.path()).canonicalFilePath();
        program.session->file_calls = &read_only;
        program.session->readers_folder = data_folder;
        return true;
    }
};

}  // namespace

void UiTest::editTranslation_changesAddsAndRemovesWords() {
    ProgramFixture program;
    QVERIFY(program.start());
    const QString dictionary = program.path("qd.dat");
    const QByteArray before = file_bytes(dictionary);

    // Ctrl+E on the word at the caret, filled with its translation.
    program.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
    program.source().setPlainText(QStringLiteral("hello world"));
    program.source().setFocus();
    program.put_caret(program.source(), 8);
    QStringList filled;
    answer_dialog(program, &filled, QString(), QStringLiteral("вселенная"), names::kOkButton);
    QTest::keyClick(&program.source(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(filled, (QStringList{QStringLiteral("Изменить перевод"), QStringLiteral("world"),
                                  QStringLiteral("мир"), QStringLiteral("mir")}));
    QCOMPARE(file_bytes(dictionary),
             QByteArray(before).replace("world,\xD0\xBC\xD0\xB8\xD1\x80,mir",
                                        "world,вселенная,vselennaja"));
    QCOMPARE(file_bytes(dictionary + QStringLiteral(".bak")), before);
    QStatusBar& status_line = *program.window->statusBar();
    QCOMPARE(status_line.currentMessage(),
             QStringLiteral("Перевод слова «world» сохранён в словаре."));
    QCOMPARE(translated(program, QStringLiteral("hello world")),
             QStringLiteral("привет вселенная\n"));

    // In RTF2 the translation leads back to the English word it was made from.
    program.translation().setFocus();
    program.put_caret(program.translation(), 10);
    answer_dialog(program, &filled, QString(), QStringLiteral("x"), names::kCancelButton);
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(filled.at(1), QStringLiteral("world"));

    // A new word, which Удалить is not offered for, then a word removed once
    // the reader has said yes.
    bool remove_offered = true;
    program.desktop.on_modal = [&](QDialog& dialog) {
        field(dialog, names::kEnglishWordField).setText(QStringLiteral("dog"));
        remove_offered =
            dialog.findChild<QPushButton*>(QLatin1String(names::kRemoveButton))->isEnabled();
        field(dialog, names::kTranslationField).setText(QStringLiteral("пёс"));
        click(dialog, names::kOkButton);
    };
    QVERIFY(program.trigger(program.menu().edit_translation));
    QVERIFY(!remove_offered);
    answer_dialog(program, nullptr, QStringLiteral("cat"), QString(), names::kRemoveButton);
    QVERIFY(program.trigger(program.menu().edit_translation));  // answered No
    QCOMPARE(program.desktop.questions,
             QStringList{QStringLiteral("Удалить слово «cat» из словаря?")});
    QCOMPARE(translated(program, QStringLiteral("dog cat")), QStringLiteral("пёс кот\n"));
    program.desktop.next_answers = {true};
    program.source().setFocus();
    program.put_caret(program.source(), 5);  // on "cat", so Удалить is offered
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(status_line.currentMessage(), QStringLiteral("Слово «cat» удалено из словаря."));
    QCOMPARE(translated(program, QStringLiteral("dog cat")), QStringLiteral("пёс cat\n"));
    QVERIFY(program.desktop.messages.isEmpty());
}

void UiTest::editTranslation_badInputIsRefusedInTheWindowsScript() {
    ProgramFixture program;
    QVERIFY(program.start_in(false));
    const QByteArray before = file_bytes(program.path("qd.dat"));
    program.desktop.messages.clear();
    bool stayed_open = false;
    program.desktop.on_modal = [&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Izmenitj perevod"));
        QCOMPARE(dialog.findChild<QPushButton*>(QLatin1String(names::kRemoveButton))->text(),
                 QStringLiteral("Udalitj"));
        field(dialog, names::kEnglishWordField).setText(QStringLiteral("cat"));
        field(dialog, names::kTranslationField).setText(QStringLiteral("кот, кошка"));
        click(dialog, names::kOkButton);
        stayed_open = dialog.result() != QDialog::Accepted;
        field(dialog, names::kEnglishWordField).setText(QStringLiteral("x"));
        field(dialog, names::kTranslationField).setText(QStringLiteral("икс"));
        click(dialog, names::kOkButton);
        click(dialog, names::kCancelButton);
    };
    QVERIFY(program.trigger(program.menu().edit_translation));
    QVERIFY(stayed_open);
    QCOMPARE(program.desktop.messages,
             (QStringList{QStringLiteral("Zapjatuju i dvojnuju kavichku neljzja zapisatj v "
                                         "slovarj. Uberite ih iz polja \"Perevod\"."),
                          QStringLiteral("Anglijskoe slovo dolzhno nachinatjsja s latinskoj "
                                         "bukvi i soderzhatj ne menjshe dvuh bukv; krome "
                                         "latinskih bukv v njom mogut bitj toljko apostrof i "
                                         "defis.")}));
    QCOMPARE(file_bytes(program.path("qd.dat")), before);
    QCOMPARE(program.files(), QStringList{QStringLiteral("qd.dat")});
}

void UiTest::editTranslation_fitsItsTextAndShowsTranslationsWithoutCyrillic() {
    // The dialog is as wide as a translation of several words.
    const QString longing = QStringLiteral("полный страстного желания");
    vorna::ui::EditTranslationDialog sized(vorna::Script::cyrillic, QString(),
                                           {"longing", longing.toStdString(), ""}, {}, {}, nullptr);
    sized.adjustSize();
    QLineEdit& shown = field(sized, names::kTranslationField);
    QVERIFY(shown.contentsRect().width() > shown.fontMetrics().horizontalAdvance(longing));

    // In translit a font with Cyrillic shows the translation; without one it
    // is hidden, a line says so and the translit is the reader's.
    for (const bool font_found : {true, false}) {
        ProgramFixture program;
        if (!font_found)
            program.desktop.windows_without_cyrillic << QLatin1String(names::kEditDialog);
        QVERIFY(program.start_in(false));
        program.source().setPlainText(QStringLiteral("cat"));
        program.desktop.on_modal = [&](QDialog& dialog) {
            QCOMPARE(field(dialog, names::kTranslationField).isVisibleTo(&dialog), font_found);
            QCOMPARE(
                dialog.findChild<QLabel*>(QLatin1String(names::kTranslationNotShown)) != nullptr,
                !font_found);
            QCOMPARE(field(dialog, names::kTranslationField).text(), QStringLiteral("кот"));
            field(dialog, names::kTranslitField).setText(QStringLiteral("kotik"));
            click(dialog, names::kOkButton);
        };
        QVERIFY(program.trigger(program.menu().edit_translation));
        QVERIFY(file_bytes(program.path("qd.dat")).contains("cat,\xD0\xBA\xD0\xBE\xD1\x82,kotik"));
    }
}

void UiTest::editTranslation_readOnlyDictionaryEditsTheReadersCopy() {
    ReadOnlyInstall install;
    QVERIFY(install.start());
    ProgramFixture& program = install.program;
    const std::string& data_folder = install.data_folder;
    const QByteArray installed = file_bytes(program.path("qd.dat"));

    answer_dialog(program, nullptr, QStringLiteral("cat"), QStringLiteral("кошка"),
                  names::kOkButton);
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(file_bytes(program.path("qd.dat")), installed);
    const QString copy = install.data.filePath(QStringLiteral("vorna/qd.dat"));
    // The reader is told once where the copy is.
    QCOMPARE(program.desktop.messages.size(), 1);
    QVERIFY(program.desktop.messages.front().contains(copy));
    answer_dialog(program, nullptr, QStringLiteral("dog"), QStringLiteral("пёс"), names::kOkButton);
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(program.desktop.messages.size(), 1);
    QCOMPARE(file_bytes(copy + QStringLiteral(".bak")),
             QByteArray(installed).replace("\xD0\xBA\xD0\xBE\xD1\x82,kot", "кошка,koshka"));
    QCOMPARE(translated(program, QStringLiteral("cat")), QStringLiteral("кошка\n"));
    QCOMPARE(program.window->engine().dictionary_path(), copy.toStdString());

    // The next start loads the reader's copy and says so on its first line.
    vorna::ui::Session next(QFile::encodeName(program.folder.path()).toStdString());
    next.readers_folder = data_folder;
    vorna::ui::LoadingWindow loading(next, program.desktop);
    const std::unique_ptr<vorna::ui::MainWindow> window = loading.start_up();
    QVERIFY(window);
    QCOMPARE(next.store.entries[1].word_rus, std::string("кошка"));
    const QString first_line =
        vorna::ui::first_loading_line(next, vorna::Script::cyrillic, loading.status_label());
    QVERIFY2(first_line.startsWith(QStringLiteral("Проверка словаря /")) &&
                 first_line.endsWith(QStringLiteral("vorna/qd.dat ...")),
             qPrintable(first_line));
    next.dictionary.origin = vorna::DictionaryOrigin::beside_program;
    QCOMPARE(vorna::ui::first_loading_line(next, vorna::Script::cyrillic, loading.status_label()),
             QStringLiteral("Проверка словаря ..."));
}

void UiTest::editTranslation_copyMadeSinceTheStartIsFoundAndKept() {
    ReadOnlyInstall install;
    QVERIFY(install.start());
    ProgramFixture& program = install.program;
    const std::string& data_folder = install.data_folder;

    // The window started on the installed dictionary; another program then
    // makes the reader's copy with a word of its own.
    vorna::DictionaryWriter other({{}, program.session->application_folder, data_folder},
                                  install.read_only);
    QVERIFY(vorna::correct_dictionary(other, [](vorna::DictionaryChange& change) {
                return change.set({"zebra", "зебра", ""});
            }).ok());

    answer_dialog(program, nullptr, QStringLiteral("cat"), QStringLiteral("кошка"),
                  names::kOkButton);
    QVERIFY(program.trigger(program.menu().edit_translation));
    const QByteArray copy = file_bytes(install.data.filePath(QStringLiteral("vorna/qd.dat")));
    QVERIFY(copy.contains("zebra,зебра,zebra"));
    QVERIFY(copy.contains("cat,кошка,koshka"));
    QVERIFY(program.desktop.messages.isEmpty());  // the copy was there; none was made
    QCOMPARE(translated(program, QStringLiteral("zebra cat")), QStringLiteral("зебра кошка\n"));
}

void UiTest::editTranslation_wordFoundThroughItsFormOffersTheFormOrTheWord() {
    ProgramFixture program;
    QVERIFY(program.start());
    QAction* forms = program.menu().dictionary_forms;
    forms->setChecked(true);
    if (translated(program, QStringLiteral("cats")) != QStringLiteral("кот\n"))
        QSKIP("the Hunspell dictionary of American English is not installed");
    program.put_caret(program.source(), 2);

    // Cancelled (Escape): no dialog at all.
    QStringList filled;
    answer_dialog(program, &filled, QString(), QStringLiteral("кот"), names::kCancelButton);
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(program.desktop.questions,
             QStringList{QStringLiteral(
                 "Слово «cats» переведено по словарной форме «cat»: кот.\r\n"
                 "Исправить перевод слова «cat» или добавить в словарь само слово «cats»?")});
    QCOMPARE(program.desktop.choice_buttons,
             (QStringList{QStringLiteral("Исправить «cat»"), QStringLiteral("Добавить «cats»"),
                          QStringLiteral("Отмена")}));
    QVERIFY(filled.isEmpty());

    program.desktop.next_choices = {0};  // correct the form the run used
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(filled.mid(1, 2), (QStringList{QStringLiteral("cat"), QStringLiteral("кот")}));

    program.desktop.next_choices = {1};  // add the word itself, from the form's translation
    answer_dialog(program, &filled, QString(), QStringLiteral("коты"), names::kOkButton);
    QVERIFY(program.trigger(program.menu().edit_translation));
    QCOMPARE(filled.mid(1, 2), (QStringList{QStringLiteral("cats"), QStringLiteral("кот")}));
    QCOMPARE(translated(program, QStringLiteral("cats cat")), QStringLiteral("коты кот\n"));
}
