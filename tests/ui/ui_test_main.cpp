#include <QtTest>

#include "ui_test.h"

QTEST_MAIN(UiTest)
