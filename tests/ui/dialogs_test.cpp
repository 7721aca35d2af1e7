#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "program_fixture.h"
#include "ui_test.h"

namespace {

// Opens the statistics window through its menu item and returns its report.
QString statistics_text(ProgramFixture& program, qreal* tab_stop = nullptr) {
    QString text;
    program.desktop.on_modal = [&](QDialog& dialog) {
        auto* rtb1 = dialog.findChild<QTextEdit*>(QLatin1String(names::kReportBox));
        text = rtb1->toPlainText();
        if (tab_stop) {
            *tab_stop = rtb1->tabStopDistance();
        }
    };
    program.trigger(program.menu().statistics);
    return text;
}

}  // namespace

void UiTest::statisticsWindow_showsReportOfLastRun() {
    ProgramFixture program;
    program.desktop.windows_without_cyrillic << QLatin1String(names::kStatisticsWindow);
    QVERIFY(program.start());
    qreal tab_stop = 0;
    QCOMPARE(statistics_text(program, &tab_stop), QString());
    QCOMPARE(tab_stop, 48.0);

    program.source().setPlainText(QStringLiteral("Hello the hello"));
    program.trigger(program.menu().translate_text);
    QCOMPARE(statistics_text(program), QStringLiteral("\nhello\t\t - \t2\nthe\t\t - \t1"));

    // The window's own check chose translit; the main window stays Cyrillic.
    program.source().setPlainText(QStringLiteral("hello xyzzy"));
    program.trigger(program.menu().translate_word_list);
    QCOMPARE(program.script(), vorna::Script::cyrillic);
    QCOMPARE(statistics_text(program),
             QStringLiteral("Slov neperevedeno 1\nIzvestnih perevedeno 1\n"
                            "Neizvestnie/izvestnie 100%\n\n"
                            "Slovo s perevodom\tKolichestvo povtorenij v tekste\n") +
                 QString(60, QLatin1Char('-')) + QStringLiteral("\nhello\t\t - \t1"));
}

void UiTest::statisticsWindow_columnsLineUpWhateverTheWordLengths() {
    ProgramFixture program;
    QVERIFY(
        program.start(QByteArrayLiteral("beautiful,красивая,krasivaja\r\nextraordinarily,"
                                        "необычайно,neobichajno\r\nit,это,eto\r\n")));
    program.source().setPlainText(QStringLiteral("it extraordinarily beautiful"));
    program.trigger(program.menu().translate_text);
    QList<qreal> columns;
    program.desktop.on_modal = [&](QDialog& dialog) {
        QTextDocument& report =
            *dialog.findChild<QTextEdit*>(QLatin1String(names::kReportBox))->document();
        for (QTextBlock line = report.begin(); line.isValid(); line = line.next()) {
            const qsizetype dash = line.text().indexOf(QStringLiteral(" - "));
            if (dash < 0)
                continue;
            report.documentLayout()->blockBoundingRect(line);  // lays the line out
            columns << line.layout()->lineAt(0).cursorToX(static_cast<int>(dash));
        }
    };
    program.trigger(program.menu().statistics);
    QCOMPARE(columns.size(), 3);
    QCOMPARE(columns.at(1), columns.at(0));
    QCOMPARE(columns.at(2), columns.at(0));
}

void UiTest::aboutBox_textsInBothScripts() {
    for (const bool cyrillic : {true, false}) {
        ProgramFixture program;
        QVERIFY(program.start_in(cyrillic, names::kAboutBox));
        QStringList texts;
        int closed_by_keys = 0;
        program.desktop.on_modal = [&](QDialog& about) {
            texts << about.windowTitle();
            for (const char* name : {names::kAboutTitle, names::kAboutVersion, names::kAboutContact,
                                     names::kAboutWeb}) {
                texts << about.findChild<QLabel*>(QString::fromLatin1(name))->text();
            }
            QVERIFY(about.findChild<QPushButton*>(QLatin1String(names::kAboutOk))->isDefault());
            QVERIFY(!about.windowIcon().isNull());
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                about.show();
                QTest::keyClick(&about, key);
                closed_by_keys += about.isVisible() ? 0 : 1;
            }
        };
        QVERIFY(program.trigger(program.menu().about));
        const QStringList expected =
            cyrillic ? QStringList{QStringLiteral("О программе"),
                                   QStringLiteral("DavevUvuviru переводчик"),
                                   QStringLiteral("Версия " VORNA_VERSION " / 16.01.2006")}
                     : QStringList{QStringLiteral("O Programme"),
                                   QStringLiteral("VadazEdadiri perevodchik"),
                                   QStringLiteral("Versija " VORNA_VERSION " / 03.01.2006")};
        const QStringList addresses{QStringLiteral("vorna@example.org"),
                                    QStringLiteral("https://example.org/vorna")};
        QCOMPARE(texts, expected + addresses);
        QCOMPARE(closed_by_keys, 2);
        // The box decides for itself; the main window's mode is untouched.
        QCOMPARE(program.script(), vorna::Script::cyrillic);
    }
    // The toolkit's translation goes with the main window.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"),
             QStringLiteral("File &name:"));
}
