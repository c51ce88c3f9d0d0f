// Conversion of the text a person types into a table cell to a 32-bit
// integer. Every cell the program reads goes through CellToInt, so its syntax
// and its message are the same wherever a number is typed.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace graph {

// Raised when a cell's text is not an integer; what() is the exact message
// shown to the person, quoting the text byte for byte.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);

    const std::string& Text() const noexcept { return text_; }
    // The whole message; what() ends at the first NUL byte of the text,
    // which a pasted cell or a JSON "\u0000" can hold.
    const std::string& Message() const noexcept { return message_; }

private:
    std::string text_;
    std::string message_;
};

// The whole message of any error: Message() for a conversion error, what()
// for the rest.
std::string ErrorMessage(const std::exception& error);

// Accepts leading spaces (code 32 only), then either an optionally signed
// run of decimal digits in -2147483648..2147483647, or a hexadecimal prefix
// ($, x, X, 0x, 0X; no sign) and hexadecimal digits with at most 32
// significant bits, taken as a signed 32-bit pattern. Nothing may follow.
// Throws ConversionError for anything else.
std::int32_t CellToInt(std::string_view text);

}  // namespace graph
