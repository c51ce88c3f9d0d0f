// The one integer conversion for typed text; see cell_text.h for its syntax.
#include "cell_text.h"

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

// The value of a hexadecimal digit, or 16 for any other character.
unsigned HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return 16;
}

// Length of the hexadecimal prefix at the start of `s`, or 0 when there is none.
std::size_t HexPrefixLength(std::string_view s) {
    if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) return 1;
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) return 2;
    return 0;
}

}  // namespace

// One pass over the text, as a large graph file has a million cells.
std::int32_t CellToInt(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);

    if (const std::size_t prefix = HexPrefixLength(s); prefix > 0) {
        s.remove_prefix(prefix);
        // Leading zeros are free; beyond them at most eight digits (32 bits).
        std::uint64_t bits = 0;
        for (const char c : s) {
            const unsigned digit = HexDigit(c);
            if (digit > 15) throw ConversionError(std::string(text));
            bits = bits << 4 | digit;
            if (bits > 0xFFFFFFFFu) throw ConversionError(std::string(text));
        }
        if (s.empty()) throw ConversionError(std::string(text));
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    }

    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t magnitude = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') throw ConversionError(std::string(text));
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
        if (magnitude > limit) throw ConversionError(std::string(text));
    }
    if (s.empty()) throw ConversionError(std::string(text));
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

}  // namespace graph
