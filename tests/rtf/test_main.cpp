#include <QGuiApplication>

#include <gtest/gtest.h>

// QTextDocument needs a GUI application for its fonts.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
