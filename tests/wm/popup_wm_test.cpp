// The popup under a real window manager: the X11 primary selection set by
// the test, the pointer near each edge of the screen, and two popups asked
// for at once. Skips unless scripts/test-under-wm runs it.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "../popup/popup_fixture.h"
#include "ui/popup/popup_service.h"
#include "ui/popup/popup_texts.h"
#include "ui/windows/window_texts.h"

using vorna::ui::PopupReply;
using vorna::ui::PopupRequest;
using vorna::ui::SelectionSource;

class PopupWmTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("VORNA_UNDER_WM"))
            QSKIP("needs a window manager: run scripts/test-under-wm");
        QVERIFY(fixture_.load());
    }

    void selection_showsItsTranslationAtThePointer_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a word") << QStringLiteral("World") << QStringLiteral("World — мир");
        QTest::newRow("a sentence")
            << QStringLiteral("Hello, the big world!")
            << QStringLiteral("Привет, этот big мир!\n") +
                   vorna::ui::text_in(vorna::ui::kUnknownWordsMarked, vorna::Script::cyrillic);
    }

    void selection_showsItsTranslationAtThePointer() {
        QFETCH(QString, selection);
        QClipboard& clipboard = *QGuiApplication::clipboard();
        QVERIFY(clipboard.supportsSelection());
        clipboard.setText(selection, QClipboard::Selection);
        clipboard.setText(QStringLiteral("not this"), QClipboard::Clipboard);
        vorna::ui::PopupService service(*fixture_.session, fixture_.desktop);
        vorna::ui::PopupWindow& popup = service.window();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QPoint& pointer :
             {screen.center(), screen.topLeft() + QPoint(1, 1), screen.topRight() + QPoint(-1, 1),
              screen.bottomLeft() + QPoint(1, -1), screen.bottomRight() - QPoint(1, 1)}) {
            QCursor::setPos(pointer);
            QTRY_COMPARE(QCursor::pos(), pointer);
            service.show_popup(SelectionSource::primary);
            QVERIFY(QTest::qWaitForWindowExposed(&popup));
            QTEST(popup.shown_text(), "shown");
            const QRect placed = popup.frameGeometry();
            QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                             .arg(placed.x())
                                                             .arg(placed.y())
                                                             .arg(placed.width())
                                                             .arg(placed.height())));
            QVERIFY(!placed.contains(pointer));
            popup.close();
            QTRY_VERIFY(!popup.isVisible());
        }
    }

    void twoPopupsAtOnce_oneShowsAndClosesByKey() {
        QTemporaryDir runtime;
        const auto place =
            vorna::ui::popup_socket_place(QFile::encodeName(runtime.path()).constData());
        vorna::ui::PopupService service(*fixture_.session, fixture_.desktop);
        QCOMPARE(service.listen(*place), vorna::ui::PopupServer::Claim::listening);
        QGuiApplication::clipboard()->setText(QStringLiteral("cat"), QClipboard::Selection);
        const PopupRequest request{PopupRequest::Kind::popup, SelectionSource::primary};
        const auto ask = [&place, request] {
            return vorna::ui::ask_running_instance(*place, request, 5000);
        };
        auto one = off_the_event_loop(ask);
        auto other = off_the_event_loop(ask);
        const auto answered = [](auto& future) {
            return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        };
        QTRY_VERIFY(answered(one) && answered(other));
        QVERIFY(one.get().reply == PopupReply::done && other.get().reply == PopupReply::done);
        vorna::ui::PopupWindow& popup = service.window();
        QTRY_VERIFY(popup.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        int shown = 0;
        for (const QWidget* top : QApplication::topLevelWidgets())
            shown += top->isVisible() && top->objectName() == popup.objectName();
        QCOMPARE(shown, 1);
        QCOMPARE(popup.shown_text(), QStringLiteral("cat — кот"));

        QTest::keyClick(&popup, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("кот"));
        QTest::keyClick(&popup, Qt::Key_Escape);
        QTRY_VERIFY(!popup.isVisible());
    }

  private:
    PopupFixture fixture_;
};

int run_popup_wm_tests(int argc, char* argv[]) {
    PopupWmTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "popup_wm_test.moc"
