// The one integer conversion for typed text; see cell_text.h for its syntax.
#include "cell_text.h"

#include <algorithm>
#include <charconv>
#include <string_view>

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

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the hexadecimal prefix at the start of `s`, or 0 when there is none.
std::size_t HexPrefixLength(std::string_view s) {
    if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) return 1;
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) return 2;
    return 0;
}

}  // namespace

std::int32_t CellToInt(const std::string& text) {
    std::string_view s = text;
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));

    if (std::size_t prefix = HexPrefixLength(s); prefix > 0) {
        std::string_view digits = s.substr(prefix);
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) {
            throw ConversionError(text);
        }
        // Leading zeros are free; beyond them at most eight digits (32 bits).
        digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size() - 1));
        std::uint32_t bits = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            throw ConversionError(text);
        }
        return static_cast<std::int32_t>(bits);
    }

    // from_chars takes a leading '-' but not '+', so the sign is read here.
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !std::all_of(s.begin(), s.end(), IsDecimalDigit)) {
        throw ConversionError(text);
    }
    std::uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    if (error != std::errc() || end != s.data() + s.size() || magnitude > limit) {
        throw ConversionError(text);
    }
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

}  // namespace graph
