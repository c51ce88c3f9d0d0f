#include "cell_text.h"
#include <gtest/gtest.h>
TEST(CellToInt, Smoke) { EXPECT_EQ(graph::CellToInt(" 12"), 12); }
