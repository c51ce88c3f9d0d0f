// graphway's error line, in-process: the full stop and what is escaped to
// keep the message on one line.
#include "cli/answer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ErrorLine, EndsInAFullStopAndStaysOnOneLine) {
    const struct {
        std::string message;
        std::string line;
    } cases[] = {
        {"No way", "No way.\n"},
        {"Ends in a stop.", "Ends in a stop.\n"},
        {"Ends in a space ", "Ends in a space \n"},
        {"", "\n"},
        {"a\nb\rc", "a\\nb\\rc.\n"},
        {std::string("nul\0 del\x7F esc\x1Bz", 15), "nul\\x00 del\\x7F esc\\x1Bz.\n"},
        {"tab\tkept", "tab\tkept.\n"},
        {"\xD0\x94\xD0\xBB\xD0\xB8\xD0\xBD\xD0\xB0", "\xD0\x94\xD0\xBB\xD0\xB8\xD0\xBD\xD0\xB0.\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(cli::ErrorLine(c.message), c.line) << c.message;
}

}  // namespace
