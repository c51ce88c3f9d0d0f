// Test entry for the window tests: one application for every test.
#include <gtest/gtest.h>

#include "tests/gui_session.h"

int main(int argc, char* argv[]) {
    StartGuiApplication();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    StopGuiApplication();
    return result;
}
