// Fonts need an application; this one lives for the whole test run.
#include <gtest/gtest.h>

#include "tests/gui_session.h"

namespace {

class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override { StartGuiApplication(); }
    void TearDown() override { StopGuiApplication(); }
};

[[maybe_unused]] testing::Environment* const kGuiEnvironment =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
