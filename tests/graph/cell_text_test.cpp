// CellToInt: which texts are integers, their values, and the exact message
// for the ones that are not.
#include "graph/cell_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using graph::CellToInt;
using graph::ConversionError;

// Texts that are not integers. The message must quote each one byte for byte.
const std::string kRejected[] = {
    "",      // empty cell
    " ",     // spaces only
    "    ",  //
    "12 ",   // trailing space
    "12\n",  // trailing newline
    "\t12",  // only code 32 counts as a leading space
    "\xC2\xA0"
    "12",                    // nor does a no-break space
    "1 2",                   // space inside the digits
    "+",                     // sign alone
    "-",                     //
    " -",                    //
    "+ 1",                   // space after the sign
    "--1",                   //
    "+-1",                   //
    "$",                     // prefix alone
    "x",                     //
    "X",                     //
    "0x",                    //
    "0X",                    //
    " $",                    //
    "-$1F",                  // no sign before a hex prefix
    "+$1F",                  //
    "-0x1F",                 //
    "$-1",                   //
    "$ 1F",                  //
    "0x1G",                  // not a hex digit
    "12a",                   // hex digit after decimal digits
    "1F",                    // hex digits without a prefix
    "0b101",                 //
    "1e3",                   //
    "1.0",                   //
    "abc",                   //
    "2147483648",            // one past the largest
    "-2147483649",           // one below the smallest
    "99999999999999999999",  // beyond 64 bits
    "$100000000",            // 33 significant hex bits
    "0x1FFFFFFFF",           //
    "$000000100000000",      // 33 bits after leading zeros
    "пять",                  // non-ASCII text
    "٣",                     // a digit of another script
};

TEST(CellToIntRejects, EveryNonIntegerWithTheExactMessage) {
    for (const std::string& text : kRejected) {
        SCOPED_TRACE("text: '" + text + "'");
        try {
            CellToInt(text);
            ADD_FAILURE() << "converted";
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
            EXPECT_EQ(error.Text(), text);
        }
    }
}

TEST(CellToIntRejects, WithARuntimeErrorSoTheCentralReportCatchesIt) {
    EXPECT_THROW(CellToInt("abc"), std::runtime_error);
}

struct Accepted {
    std::string text;
    std::int32_t value;
};

const Accepted kAccepted[] = {
    {"0", 0},
    {"12", 12},
    {" 12", 12},
    {"     12", 12},
    {"+7", 7},
    {"-7", -7},
    {"-0", 0},
    {"+0", 0},
    {"012", 12},
    {"0000000000000000000000000012", 12},
    {"  -40", -40},
    {"2147483647", 2147483647},
    {"+2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"-02147483648", INT32_MIN},
    {"$1F", 31},
    {"x1F", 31},
    {"X1F", 31},
    {"0x1F", 31},
    {"0X1F", 31},
    {"$1f", 31},
    {"0xaBc", 0xABC},
    {" $1F", 31},
    {"$0", 0},
    {"0x0", 0},
    {"$0000000000000", 0},
    {"$7FFFFFFF", 2147483647},
    {"$80000000", INT32_MIN},
    {"$FFFFFFFF", -1},
    {"0xFFFFFFFE", -2},
    {"$000000000FFFFFFFF", -1},  // leading zeros are free
    {"x00000000000000001", 1},
};

TEST(CellToIntAccepts, IntegersWithTheirValues) {
    for (const Accepted& c : kAccepted) {
        SCOPED_TRACE("text: '" + c.text + "'");
        EXPECT_EQ(CellToInt(c.text), c.value);
    }
}

}  // namespace
