// The one integer conversion for typed text; see cell_text.h for its syntax.
#include "graph/cell_text.h"

#include <array>

namespace graph {

namespace {

std::string ConversionMessage(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

}  // namespace

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error(ConversionMessage(text)), text_(text), message_(ConversionMessage(text)) {}

std::string ErrorMessage(const std::exception& error) {
    if (const auto* conversion = dynamic_cast<const ConversionError*>(&error)) {
        return conversion->Message();
    }
    return error.what();
}

namespace {

constexpr unsigned kNotHex = 16;

// The value of each byte as a hexadecimal digit, or kNotHex.
constexpr auto kHexDigits = [] {
    std::array<std::uint8_t, 256> digits{};
    digits.fill(kNotHex);
    for (int c = 0; c < 10; ++c) digits['0' + c] = static_cast<std::uint8_t>(c);
    for (int c = 0; c < 6; ++c) {
        digits['a' + c] = static_cast<std::uint8_t>(10 + c);
        digits['A' + c] = static_cast<std::uint8_t>(10 + c);
    }
    return digits;
}();

// Kept apart from the conversion, which then needs few registers: a large
// graph file has a million cells to convert.
[[noreturn]] void Reject(std::string_view text) { throw ConversionError(std::string(text)); }

}  // namespace

std::int32_t CellToInt(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at != end && *at == ' ') ++at;
    if (at == end) Reject(text);

    std::size_t prefix = 0;
    if (*at == '$' || *at == 'x' || *at == 'X') {
        prefix = 1;
    } else if (end - at >= 2 && at[0] == '0' && (at[1] == 'x' || at[1] == 'X')) {
        prefix = 2;
    }
    if (prefix > 0) {
        at += prefix;
        if (at == end) Reject(text);
        // Leading zeros are free; beyond them at most eight digits (32 bits).
        std::uint64_t bits = 0;
        for (; at != end; ++at) {
            const unsigned digit = kHexDigits[static_cast<unsigned char>(*at)];
            if (digit == kNotHex) Reject(text);
            bits = bits << 4 | digit;
            if (bits > 0xFFFFFFFFu) Reject(text);
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    }

    const bool negative = *at == '-';
    if (negative || *at == '+') ++at;
    if (at == end) Reject(text);
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    for (; at != end; ++at) {
        const unsigned digit = static_cast<unsigned char>(*at - '0');
        if (digit > 9) Reject(text);
        magnitude = magnitude * 10 + digit;
        if (magnitude > limit) Reject(text);
    }
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

}  // namespace graph
