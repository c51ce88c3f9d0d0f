// The three ways a document's JSON is fed, value by value, to a reader,
// each tried when the one before gives up: the plain JSON that nearly every
// document is, read in one pass; any JSON through simdjson; and exactly
// through nlohmann-json, which words a syntax error with its line and column
// and reads what simdjson does not. All feed the same events in document
// order, so the reader behind them applies its rules once.
//
// A handler takes StartObject(), Key(text), StartArray(), End() for the end
// of either container, and Scalar(value) for everything else.
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <simdjson.h>
#include <nlohmann/json.hpp>

#include "graph_document.h"

namespace document {

// A JSON value that is not a container.
struct JsonScalar {
    ValueKind kind = ValueKind::Null;
    // An Integer that fits in 64 signed bits.
    std::int64_t integer = 0;
    // A String's contents; the literal of a Fraction, of a Boolean and of an
    // Integer that does not fit (then `wide`).
    std::string_view text;
    bool wide = false;
};

namespace feed_detail {

// Deeper than this the fast feeds give up and leave the document to the
// exact one: a sound graph is three levels deep, and recursion stays small.
constexpr int kMaxFastDepth = 64;

inline std::string_view TrimTrailingSpace(std::string_view token) {
    while (!token.empty() && (token.back() == ' ' || token.back() == '\t' || token.back() == '\n' ||
                              token.back() == '\r')) {
        token.remove_suffix(1);
    }
    return token;
}

// Reads a value that is not a container into `scalar`.
inline simdjson::error_code ReadScalar(simdjson::ondemand::value& value,
                                       simdjson::ondemand::json_type type, JsonScalar& scalar) {
    namespace od = simdjson::ondemand;
    switch (type) {
        case od::json_type::number: {
            const std::string_view literal = TrimTrailingSpace(value.raw_json_token());
            od::number number;
            // An integer beyond 64 bits fails here and goes to the exact feed.
            if (auto error = value.get_number().get(number)) return error;
            switch (number.get_number_type()) {
                case od::number_type::signed_integer:
                    scalar.kind = ValueKind::Integer;
                    scalar.integer = number.get_int64();
                    break;
                case od::number_type::unsigned_integer:
                    scalar.kind = ValueKind::Integer;
                    scalar.wide = true;
                    scalar.text = literal;
                    break;
                case od::number_type::floating_point_number:
                    scalar.kind = ValueKind::Fraction;
                    scalar.text = literal;
                    break;
            }
            return simdjson::SUCCESS;
        }
        case od::json_type::string:
            scalar.kind = ValueKind::String;
            return value.get_string().get(scalar.text);
        case od::json_type::boolean: {
            bool boolean = false;
            if (auto error = value.get_bool().get(boolean)) return error;
            scalar.kind = ValueKind::Boolean;
            scalar.text = boolean ? "true" : "false";
            return simdjson::SUCCESS;
        }
        case od::json_type::null: {
            bool isNull = false;
            if (auto error = value.is_null().get(isNull)) return error;
            return isNull ? simdjson::SUCCESS : simdjson::INCORRECT_TYPE;
        }
        default:
            return simdjson::INCORRECT_TYPE;
    }
}

// Feeds one value. Every value is read in full, even one that only gets
// skipped, because simdjson validates what it is asked for and nothing more.
template <class Handler>
simdjson::error_code FeedValue(simdjson::ondemand::value value, Handler& handler, int depth) {
    namespace od = simdjson::ondemand;
    if (depth > kMaxFastDepth) return simdjson::DEPTH_ERROR;
    od::json_type type;
    if (auto error = value.type().get(type)) return error;
    if (type == od::json_type::object) {
        od::object object;
        if (auto error = value.get_object().get(object)) return error;
        handler.StartObject();
        for (auto field : object) {
            std::string_view key;
            if (auto error = field.unescaped_key().get(key)) return error;
            handler.Key(key);
            od::value item;
            if (auto error = field.value().get(item)) return error;
            if (auto error = FeedValue(item, handler, depth + 1)) return error;
        }
        handler.End();
        return simdjson::SUCCESS;
    }
    if (type != od::json_type::array) {
        JsonScalar scalar;
        if (auto error = ReadScalar(value, type, scalar)) return error;
        handler.Scalar(scalar);
        return simdjson::SUCCESS;
    }
    od::array array;
    if (auto error = value.get_array().get(array)) return error;
    handler.StartArray();
    for (auto element : array) {
        od::value item;
        if (auto error = element.get(item)) return error;
        if (auto error = FeedValue(item, handler, depth + 1)) return error;
    }
    handler.End();
    return simdjson::SUCCESS;
}

// Drives `handler` from nlohmann-json's SAX parser.
template <class Handler>
class SaxFeed {
public:
    using Json = nlohmann::json;

    explicit SaxFeed(Handler& handler) : handler_(handler) {}

    bool null() { return Scalar({}); }
    bool boolean(bool value) { return Scalar({ValueKind::Boolean, 0, value ? "true" : "false"}); }
    bool number_integer(Json::number_integer_t value) {
        return Scalar({ValueKind::Integer, value, {}});
    }
    bool number_unsigned(Json::number_unsigned_t value) {
        if (value <= static_cast<std::uint64_t>(INT64_MAX)) {
            return Scalar({ValueKind::Integer, static_cast<std::int64_t>(value), {}});
        }
        literal_ = std::to_string(value);
        return Scalar({ValueKind::Integer, 0, literal_, true});
    }
    bool number_float(Json::number_float_t, const Json::string_t& literal) {
        // An integer literal too long even for 64 bits also arrives here.
        if (literal.find_first_of(".eE") == std::string::npos) {
            return Scalar({ValueKind::Integer, 0, literal, true});
        }
        return Scalar({ValueKind::Fraction, 0, literal});
    }
    bool string(Json::string_t& value) { return Scalar({ValueKind::String, 0, value}); }
    bool binary(Json::binary_t&) { return true; }
    bool start_object(std::size_t) {
        handler_.StartObject();
        return true;
    }
    bool key(Json::string_t& key) {
        handler_.Key(key);
        return true;
    }
    bool end_object() {
        handler_.End();
        return true;
    }
    bool start_array(std::size_t) {
        handler_.StartArray();
        return true;
    }
    bool end_array() {
        handler_.End();
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const Json::exception& error) {
        malformed_ = MalformedFault(error.what());
        return false;
    }

    std::optional<Fault> Malformed() && { return std::move(malformed_); }

private:
    bool Scalar(const JsonScalar& scalar) {
        handler_.Scalar(scalar);
        return true;
    }

    // nlohmann-json words a syntax error "[json.exception.parse_error.101]
    // parse error at line 3, column 7: <reason>"; a number too large for a
    // double is worded without a place.
    static Fault MalformedFault(std::string_view what) {
        Fault fault;
        fault.kind = Fault::Kind::Malformed;
        if (const std::size_t tagEnd = what.find("] "); tagEnd != std::string_view::npos) {
            what.remove_prefix(tagEnd + 2);
        }
        constexpr std::string_view kAt = "parse error at line ";
        constexpr std::string_view kColumn = ", column ";
        std::size_t line = 0;
        std::size_t column = 0;
        std::string_view rest = what;
        if (rest.substr(0, kAt.size()) == kAt) {
            rest.remove_prefix(kAt.size());
            auto parsed = std::from_chars(rest.data(), rest.data() + rest.size(), line);
            rest.remove_prefix(static_cast<std::size_t>(parsed.ptr - rest.data()));
            if (rest.substr(0, kColumn.size()) == kColumn) {
                rest.remove_prefix(kColumn.size());
                parsed = std::from_chars(rest.data(), rest.data() + rest.size(), column);
                rest.remove_prefix(static_cast<std::size_t>(parsed.ptr - rest.data()));
            }
            if (line > 0 && column > 0 && rest.substr(0, 2) == ": ") {
                fault.line = line;
                fault.lineColumn = column;
                fault.text = rest.substr(2);
                return fault;
            }
        }
        fault.text = what;
        return fault;
    }

    Handler& handler_;
    std::string literal_;
    std::optional<Fault> malformed_;
};

// Reads the plain JSON that nearly every document is written in: strings
// without escapes, integers of at most 18 digits, nesting at most
// kMaxFastDepth deep. It checks the syntax as it goes and gives up on
// anything beyond that subset, leaving it to the parsers of all of JSON.
// A large graph is read here in one pass over the text, with none of the
// index a general parser builds first.
template <class Handler>
class PlainFeed {
public:
    PlainFeed(std::string_view json, Handler& handler)
        : end_(json.data() + json.size()), handler_(handler), start_(json.data()) {}

    bool Feed() {
        const char* p = Value(SkipSpace(start_), 0);
        return p != nullptr && SkipSpace(p) == end_;
    }

private:
    // Each step takes the position it reads from and gives the one after
    // what it read, or nullptr when the text is not plain JSON.

    const char* SkipSpace(const char* p) const {
        while (p != end_ && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) ++p;
        return p;
    }

    const char* Value(const char* p, int depth) {
        if (p == end_) return nullptr;
        if (*p == '{') return Object(p, depth);
        if (*p == '[') return Array(p, depth);
        JsonScalar scalar;
        p = Scalar(p, scalar);
        if (p != nullptr) handler_.Scalar(scalar);
        return p;
    }

    const char* Scalar(const char* p, JsonScalar& scalar) const {
        switch (*p) {
            case '"':
                scalar.kind = ValueKind::String;
                return String(p, scalar.text);
            case 't':
                scalar.kind = ValueKind::Boolean;
                return Word(p, "true", scalar.text);
            case 'f':
                scalar.kind = ValueKind::Boolean;
                return Word(p, "false", scalar.text);
            case 'n':
                return Word(p, "null", scalar.text);
            default:
                scalar.kind = ValueKind::Integer;
                return Integer(p, scalar.integer);
        }
    }

    const char* Word(const char* p, std::string_view word, std::string_view& text) const {
        if (static_cast<std::size_t>(end_ - p) < word.size() ||
            std::string_view(p, word.size()) != word) {
            return nullptr;
        }
        text = word == "null" ? std::string_view() : word;
        return p + word.size();
    }

    // -?(0|[1-9][0-9]*), not followed by a fraction, an exponent or a
    // 19th digit.
    const char* Integer(const char* p, std::int64_t& value) const {
        const bool negative = *p == '-';
        if (negative) ++p;
        const char* const digits = p;
        // A 19th digit ends the loop too, and then the reading.
        const char* const last = end_ - p > 19 ? p + 19 : end_;
        std::uint64_t magnitude = 0;
        while (p != last && static_cast<unsigned char>(*p - '0') < 10) {
            magnitude = magnitude * 10 + static_cast<unsigned char>(*p++ - '0');
        }
        const auto count = p - digits;
        if (count == 0 || count > 18 || (count > 1 && *digits == '0')) return nullptr;
        if (p != end_ && (*p == '.' || *p == 'e' || *p == 'E')) return nullptr;
        const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
        value = negative ? -signedMagnitude : signedMagnitude;
        return p;
    }

    // The text has been checked for UTF-8 as a whole; here only the bytes
    // JSON forbids or escapes in a string are looked for.
    const char* String(const char* p, std::string_view& text) const {
        const char* const start = ++p;
        while (p != end_ && *p != '"') {
            if (*p == '\\' || static_cast<unsigned char>(*p) < 0x20) return nullptr;
            ++p;
        }
        if (p == end_) return nullptr;
        text = std::string_view(start, static_cast<std::size_t>(p - start));
        return p + 1;
    }

    const char* Array(const char* p, int depth) {
        if (depth >= kMaxFastDepth) return nullptr;
        handler_.StartArray();
        p = SkipSpace(p + 1);
        if (p != end_ && *p == ']') {
            handler_.End();
            return p + 1;
        }
        for (;;) {
            if (p == end_) return nullptr;
            // A row's cells are read here rather than one call deeper.
            if (*p != '[' && *p != '{') {
                JsonScalar scalar;
                p = Scalar(p, scalar);
                if (p == nullptr) return nullptr;
                handler_.Scalar(scalar);
            } else if ((p = Value(p, depth + 1)) == nullptr) {
                return nullptr;
            }
            // A comma straight after the value is the common case.
            if (p != end_ && *p == ',') {
                p = SkipSpace(p + 1);
                continue;
            }
            p = SkipSpace(p);
            if (p == end_) return nullptr;
            if (*p == ']') {
                handler_.End();
                return p + 1;
            }
            if (*p != ',') return nullptr;
            p = SkipSpace(p + 1);
        }
    }

    const char* Object(const char* p, int depth) {
        if (depth >= kMaxFastDepth) return nullptr;
        handler_.StartObject();
        p = SkipSpace(p + 1);
        if (p != end_ && *p == '}') {
            handler_.End();
            return p + 1;
        }
        for (;;) {
            std::string_view key;
            if (p == end_ || *p != '"' || (p = String(p, key)) == nullptr) return nullptr;
            handler_.Key(key);
            p = SkipSpace(p);
            if (p == end_ || *p != ':') return nullptr;
            if ((p = Value(SkipSpace(p + 1), depth + 1)) == nullptr) return nullptr;
            p = SkipSpace(p);
            if (p == end_) return nullptr;
            if (*p == '}') {
                handler_.End();
                return p + 1;
            }
            if (*p != ',') return nullptr;
            p = SkipSpace(p + 1);
        }
    }

    const char* const end_;
    Handler& handler_;
    const char* const start_;
};

}  // namespace feed_detail

// Feeds `json` (a byte-order mark already skipped) to `handler` if it is
// plain JSON (see PlainFeed); returns false, the handler having seen part of
// the document, when it is not.
template <class Handler>
bool FeedPlain(std::string_view json, Handler& handler) {
    return simdjson::validate_utf8(json) && feed_detail::PlainFeed<Handler>(json, handler).Feed();
}

// Feeds `json` (a byte-order mark already skipped) to `handler` through
// simdjson. Returns false when simdjson does not
// read it to the end: a syntax error, or something it leaves aside (a document that is not an
// object, an integer beyond 64 bits, deep nesting). The handler has then seen part of the document,
// and the caller starts again with FeedExactly.
template <class Handler>
bool FeedFast(std::string_view json, Handler& handler) {
    namespace od = simdjson::ondemand;
    const simdjson::padded_string padded(json);
    od::parser parser;
    od::document doc;
    if (parser.iterate(padded).get(doc)) return false;
    od::json_type type;
    if (doc.type().get(type) || type != od::json_type::object) return false;
    od::object object;
    if (doc.get_object().get(object)) return false;
    handler.StartObject();
    for (auto field : object) {
        std::string_view key;
        if (field.unescaped_key().get(key)) return false;
        handler.Key(key);
        od::value item;
        if (field.value().get(item)) return false;
        if (feed_detail::FeedValue(item, handler, 1)) return false;
    }
    handler.End();
    // Nothing but white space may follow the document.
    return doc.current_location().error() == simdjson::OUT_OF_BOUNDS;
}

// Feeds `json` to `handler` through nlohmann-json's parser and returns the
// Malformed fault of a text that is not JSON, if it is not.
template <class Handler>
std::optional<Fault> FeedExactly(std::string_view json, Handler& handler) {
    feed_detail::SaxFeed<Handler> feed(handler);
    nlohmann::json::sax_parse(json.begin(), json.end(), &feed);
    return std::move(feed).Malformed();
}

}  // namespace document
