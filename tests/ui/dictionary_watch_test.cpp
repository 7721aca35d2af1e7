#include <QStatusBar>
#include <QtTest>
#include <cstdio>

#include "program_fixture.h"
#include "ui_test.h"

namespace {

// Replaces a file as vorna-dict and editors do: a new file renamed over it.
bool replace_file(const QString& path, const QByteArray& bytes) {
    const QString fresh = path + QStringLiteral(".new");
    return write_file(fresh, bytes) && std::rename(QFile::encodeName(fresh).constData(),
                                                   QFile::encodeName(path).constData()) == 0;
}

QString translation_of(const ProgramFixture& program, const char* text) {
    program.source().setPlainText(QString::fromUtf8(text));
    program.trigger(program.menu().translate_text);
    return program.translation().toPlainText();
}

}  // namespace

void UiTest::changedDictionaryFile_isLoadedAgainWhenIdle() {
    ProgramFixture program;
    QVERIFY(program.start());
    const QStatusBar& status = *program.window->statusBar();
    QCOMPARE(translation_of(program, "cat"), QStringLiteral("кот\n"));

    // Replaced by a rename, and then written in place: each version is taken,
    // the reader's text stays.
    QVERIFY(replace_file(program.path("qd.dat"), "cat,кошка,koshka\r\ndog,пёс,pjos\r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(status.currentMessage(),
                              QStringLiteral("Словарь изменился и загружен заново, записей: 2"),
                              10000);
    QCOMPARE(program.source().toPlainText(), QStringLiteral("cat"));
    QCOMPARE(translation_of(program, "cat dog"), QStringLiteral("кошка пёс\n"));
    QVERIFY(write_file(program.path("qd.dat"), "cat,котик,kotik\r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(status.currentMessage(),
                              QStringLiteral("Словарь изменился и загружен заново, записей: 1"),
                              10000);
    QCOMPARE(translation_of(program, "cat dog"), QStringLiteral("котик dog\n"));

    // A file that is no dictionary, or none at all, is not taken, and the
    // status bar says why.
    QVERIFY(replace_file(program.path("qd.dat"), ",,,\r\n"));
    QTRY_VERIFY_WITH_TIMEOUT(
        status.currentMessage().contains(QStringLiteral("в файле нет ни одной записи словаря")),
        10000);
    QVERIFY(status.currentMessage().contains(QStringLiteral("по прежнему словарю")));
    QCOMPARE(translation_of(program, "cat"), QStringLiteral("котик\n"));
    QVERIFY(QFile::remove(program.path("qd.dat")));
    QTRY_VERIFY_WITH_TIMEOUT(
        status.currentMessage().contains(QStringLiteral("файла словаря больше нет")), 10000);
    QCOMPARE(translation_of(program, "cat"), QStringLiteral("котик\n"));

    // Back again, while a dialog is open: taken once the window is idle.
    QDialog dialog(program.window.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(write_file(program.path("qd.dat"), "cat,кот,kot\r\n"));
    QTest::qWait(1500);
    QVERIFY(!status.currentMessage().contains(QStringLiteral("загружен заново")));
    dialog.close();
    QTRY_COMPARE_WITH_TIMEOUT(status.currentMessage(),
                              QStringLiteral("Словарь изменился и загружен заново, записей: 1"),
                              10000);
    QCOMPARE(translation_of(program, "cat"), QStringLiteral("кот\n"));
}
