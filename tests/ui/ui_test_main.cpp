#include <QtTest>

#include "ui/desktop/program_settings.h"
#include "ui_test.h"

void UiTest::initTestCase() {
    vorna::ui::ProgramSettings::use_test_folder();
}

void UiTest::init() {
    vorna::ui::ProgramSettings().clear();
}

QTEST_MAIN(UiTest)
