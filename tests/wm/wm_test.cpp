// The windows under a real window manager: what the offscreen platform of the
// other window tests cannot show (frames, the first layout, window hints).
// scripts/test-under-wm runs this under Xvfb with openbox; elsewhere it skips.
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "../ui/program_fixture.h"
#include "ui/desktop/program_settings.h"
#include "ui/windows/about_box.h"
#include "ui/windows/statistics_window.h"
#include "x11_properties.h"

namespace {

constexpr char kUnderWindowManager[] = "VORNA_UNDER_WM";

// A desktop whose message boxes are real and modal, closing themselves
// after a moment, so the main window is framed while one of them waits.
class DesktopWithMessageBoxes : public FakeDesktop {
  public:
    void show_message(QWidget* parent, const QString& text) override {
        FakeDesktop::show_message(parent, text);
        QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
        QTimer::singleShot(700, &box, &QMessageBox::accept);
        box.exec();
    }
};

}  // namespace

class WmTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet(kUnderWindowManager)) {
            QSKIP("needs a window manager: run scripts/test-under-wm");
        }
        vorna::ui::ProgramSettings::use_test_folder();
    }

    void firstLayout_fillsClientArea_data() {
        QTest::addColumn<bool>("cyrillic");
        QTest::newRow("cyrillic") << true;
        QTest::newRow("translit, warning during the first load") << false;
    }

    void firstLayout_fillsClientArea() {
        QFETCH(bool, cyrillic);
        DesktopWithMessageBoxes desktop;
        ProgramFixture program;
        program.services = &desktop;
        QVERIFY(program.start_in(cyrillic));
        QMainWindow& window = *program.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.windowHandle()->frameMargins().top() > 0);
        QVERIFY(window.windowHandle()->frameGeometry().height() > window.height());
        // Nothing more happens to the window: the boxes follow the frame alone,
        // leave at most a pixel or two of the client area at the right and
        // below, and the status bar covers none of the lower box.
        const QWidget& client = *window.centralWidget();
        QTRY_VERIFY(client.width() - program.source().width() <= 2);
        const QRect upper = program.source().geometry();
        const QRect lower = program.translation().geometry();
        QCOMPARE(lower.width(), upper.width());
        QCOMPARE(lower.top(), upper.height());
        QCOMPARE(lower.height(), upper.height());
        const int below = client.height() - (lower.bottom() + 1);
        QVERIFY2(below >= 0 && below <= 2, qPrintable(QString::number(below)));
        QVERIFY(client.geometry().bottom() < window.statusBar()->geometry().top());
        QCOMPARE(desktop.messages.size(), cyrillic ? 0 : 1);

        // No minimum size is asked for. WM_NORMAL_HINTS: flags first, the
        // minimum size (PMinSize, 1 << 4) at 5 and 6.
        const std::vector<uint32_t> hints = X11Properties().cardinals(window, "WM_NORMAL_HINTS");
        QVERIFY(!hints.empty());
        QVERIFY((hints[0] & (1u << 4)) == 0 || (hints[5] == 0 && hints[6] == 0));
    }

    void modalBoxes_haveNoMinimiseButton() {
        ProgramFixture program;
        QVERIFY(program.start());
        vorna::ui::StatisticsWindow statistics(program.session->store, {}, program.desktop,
                                               program.window.get());
        vorna::ui::AboutBox about(program.desktop, program.window.get());
        const X11Properties x11;
        for (QDialog* box : {static_cast<QDialog*>(&statistics), static_cast<QDialog*>(&about)}) {
            box->setWindowModality(Qt::ApplicationModal);
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box));
            QTRY_VERIFY(!x11.atom_names(*box, "_NET_WM_ALLOWED_ACTIONS").isEmpty());
            const QStringList actions = x11.atom_names(*box, "_NET_WM_ALLOWED_ACTIONS");
            QVERIFY2(!actions.contains(QStringLiteral("_NET_WM_ACTION_MINIMIZE")),
                     qPrintable(box->objectName()));
            QVERIFY(!actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_VERT")));
            QVERIFY(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")));
            box->hide();
        }
        // The statistics window's title bar shows no text, not the program's name.
        QCOMPARE(x11.text(statistics, "_NET_WM_NAME").trimmed(), QString());
        QCOMPARE(x11.text(about, "_NET_WM_NAME"), QStringLiteral("О программе"));
    }

    void loadingWindow_hasSingleBorderWithoutTitle() {
        QTemporaryDir folder;
        FakeDesktop desktop;
        vorna::ui::Session session(QFile::encodeName(folder.path()).toStdString());
        vorna::ui::LoadingWindow loading(session, desktop);
        loading.show();
        QVERIFY(QTest::qWaitForWindowExposed(&loading));
        const X11Properties x11;
        QTRY_COMPARE(x11.cardinals(loading, "_NET_FRAME_EXTENTS").size(), size_t{4});
        const std::vector<uint32_t> extents = x11.cardinals(loading, "_NET_FRAME_EXTENTS");
        QVERIFY(extents[0] > 0);
        // The same thin border on every side: no title bar above.
        QCOMPARE(extents, (std::vector<uint32_t>(4, extents[0])));
        QVERIFY(!x11.atom_names(loading, "_NET_WM_ALLOWED_ACTIONS")
                     .contains(QStringLiteral("_NET_WM_ACTION_RESIZE")));
    }
};

int run_popup_wm_tests(int argc, char* argv[]);  // popup_wm_test.cpp

int main(int argc, char* argv[]) {
    // Without a window manager there is nothing to test; offscreen needs no display.
    if (!qEnvironmentVariableIsSet(kUnderWindowManager)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    WmTest test;
    const int failed = QTest::qExec(&test, argc, argv);
    return failed + run_popup_wm_tests(argc, argv);
}

#include "wm_test.moc"
