#include <QGuiApplication>

#include <gtest/gtest.h>

// QTextDocument needs a GUI application for its fonts; listing the cases
// needs none, so CTest can list them where there is no display.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
