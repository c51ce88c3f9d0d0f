// Reading a graph document; see graph_document.h.
//
// The document is read in one pass of SAX events, so a graph of a million
// cells never exists as a tree of JSON values: each cell is converted as it
// arrives. Cells arrive in document order, which is the window's reading
// order within each table, so the first bad cell met in a table is the one
// the window would report; only the first of each table is kept.
#include "graph_document.h"

#include <exception>
#include <limits>
#include <optional>

#include <nlohmann/json.hpp>

#include "cell_text.h"

namespace cli {

namespace {

using Json = nlohmann::json;

// What a JSON value is, as far as deciding whether it can be a cell goes.
struct JsonValue {
    enum class Kind { Null, Boolean, Integer, Unsigned, Float, String, Array, Object };

    Kind kind;
    std::int64_t integer = 0;
    std::uint64_t unsignedInteger = 0;
    bool boolean = false;
    // The literal of a Float, the contents of a String.
    const std::string* text = nullptr;

    bool IsContainer() const { return kind == Kind::Array || kind == Kind::Object; }
};

enum class TableName { Matrix, Nodes };

const char* KeyOf(TableName table) { return table == TableName::Matrix ? "matrix" : "nodes"; }

// A key in quotes for a message. A NUL byte would end the message early
// (what() is a C string), so it is written out; other control characters are
// left to the error line.
std::string Quoted(const std::string& key) {
    std::string quoted = "\"";
    for (const char c : key) quoted += c == '\0' ? std::string("\\x00") : std::string(1, c);
    return quoted + '"';
}

std::string Counted(std::size_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// One of the two tables while it is being read: rows of converted cells.
struct TableReading {
    bool present = false;
    std::vector<std::vector<std::int32_t>> rows;
    std::exception_ptr firstCellError;
};

// The SAX handler that nlohmann::json::sax_parse drives.
class DocumentReader {
public:
    bool null() { return Value({JsonValue::Kind::Null}); }
    bool boolean(bool value) {
        JsonValue v{JsonValue::Kind::Boolean};
        v.boolean = value;
        return Value(v);
    }
    bool number_integer(Json::number_integer_t value) {
        JsonValue v{JsonValue::Kind::Integer};
        v.integer = value;
        return Value(v);
    }
    bool number_unsigned(Json::number_unsigned_t value) {
        JsonValue v{JsonValue::Kind::Unsigned};
        v.unsignedInteger = value;
        return Value(v);
    }
    bool number_float(Json::number_float_t, const Json::string_t& literal) {
        JsonValue v{JsonValue::Kind::Float};
        v.text = &literal;
        return Value(v);
    }
    bool string(Json::string_t& value) {
        JsonValue v{JsonValue::Kind::String};
        v.text = &value;
        return Value(v);
    }
    bool binary(Json::binary_t&) { return true; }
    bool start_object(std::size_t) { return Value({JsonValue::Kind::Object}); }
    bool start_array(std::size_t) { return Value({JsonValue::Kind::Array}); }
    bool end_object() { return End(); }
    bool end_array() { return End(); }
    bool key(Json::string_t& key);
    bool parse_error(std::size_t, const std::string&, const Json::exception& error);

    // The document once every event has arrived; throws its first fault.
    GraphDocument Finish();

private:
    // Where the next value goes, by the container it arrives in.
    enum class Place { Top, Document, Table, Row, Skipped };

    Place Current() const { return open_.empty() ? Place::Top : open_.back(); }
    TableReading& Reading(TableName table) { return table == TableName::Matrix ? matrix_ : nodes_; }

    bool Value(const JsonValue& value);
    bool End();
    void Cell(const JsonValue& value);
    void ShapeFault(std::string message) {
        if (!shapeFault_) shapeFault_ = std::move(message);
    }
    std::string RowName(std::size_t row) const {
        return std::string(KeyOf(table_)) + "[" + std::to_string(row) + "]";
    }

    std::vector<Place> open_;
    // The table the current key names; unset for an unknown or repeated key.
    std::optional<TableName> keyTable_;
    TableName table_ = TableName::Matrix;
    TableReading matrix_;
    TableReading nodes_;
    std::optional<std::string> malformed_;
    std::optional<std::string> shapeFault_;
};

bool DocumentReader::key(Json::string_t& key) {
    // Keys of objects standing where a cell should be are no concern here.
    if (Current() != Place::Document) return true;
    keyTable_.reset();
    std::optional<TableName> named;
    if (key == "matrix") named = TableName::Matrix;
    if (key == "nodes") named = TableName::Nodes;
    if (!named) {
        ShapeFault("Unknown key " + Quoted(key) + " in the document");
    } else if (Reading(*named).present) {
        ShapeFault("The key " + Quoted(key) + " appears twice in the document");
    } else {
        Reading(*named).present = true;
        keyTable_ = named;
    }
    return true;
}

bool DocumentReader::parse_error(std::size_t, const std::string&, const Json::exception& error) {
    // Drop the library's "[json.exception.parse_error.101] " tag.
    std::string what = error.what();
    if (const std::size_t tagEnd = what.find("] "); tagEnd != std::string::npos) {
        what.erase(0, tagEnd + 2);
    }
    malformed_ = "Malformed JSON: " + what;
    return false;
}

bool DocumentReader::Value(const JsonValue& value) {
    Place entered = Place::Skipped;
    switch (Current()) {
        case Place::Top:
            if (value.kind == JsonValue::Kind::Object) {
                entered = Place::Document;
            } else {
                ShapeFault("The document is not a JSON object");
            }
            break;
        case Place::Document:
            if (!keyTable_) break;
            table_ = *keyTable_;
            if (value.kind == JsonValue::Kind::Array) {
                entered = Place::Table;
            } else {
                ShapeFault("The value of " + Quoted(KeyOf(table_)) + " is not an array");
            }
            break;
        case Place::Table: {
            auto& rows = Reading(table_).rows;
            if (value.kind == JsonValue::Kind::Array) {
                entered = Place::Row;
                // In a sound document every row is as long as the first.
                const std::size_t expected = rows.empty() ? 0 : rows.front().size();
                rows.emplace_back().reserve(expected);
            } else {
                ShapeFault(RowName(rows.size()) + " is not an array");
                // Keeps the row numbers of later rows right.
                rows.emplace_back();
            }
            break;
        }
        case Place::Row:
            Cell(value);
            break;
        case Place::Skipped:
            break;
    }
    if (value.IsContainer()) open_.push_back(entered);
    return true;
}

bool DocumentReader::End() {
    open_.pop_back();
    return true;
}

void DocumentReader::Cell(const JsonValue& value) {
    TableReading& reading = Reading(table_);
    const std::size_t row = reading.rows.size() - 1;
    std::vector<std::int32_t>& cells = reading.rows.back();
    const std::size_t column = cells.size();
    const bool isMatrix = table_ == TableName::Matrix;

    // The diagonal carries no weight: whatever stands there is not looked at.
    if ((isMatrix && row == column) || reading.firstCellError) {
        cells.push_back(graph::kNoLink);
        return;
    }

    const auto fault = [&](const std::string& what) {
        reading.firstCellError = std::make_exception_ptr(
            DocumentError(RowName(row) + "[" + std::to_string(column) + "] holds " + what));
        cells.push_back(graph::kNoLink);
    };
    const auto notInteger = [&](const std::string& shown) {
        fault(shown + ", which is not an integer");
    };
    const auto outOfRange = [&](const std::string& shown) {
        fault(shown + ", which is out of the signed 32-bit range");
    };
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

    switch (value.kind) {
        case JsonValue::Kind::Null:
            if (isMatrix) {
                cells.push_back(graph::kNoLink);
            } else {
                notInteger("null");
            }
            break;
        case JsonValue::Kind::Boolean:
            notInteger(value.boolean ? "true" : "false");
            break;
        case JsonValue::Kind::Integer:
            if (value.integer < kMin || value.integer > kMax) {
                outOfRange(std::to_string(value.integer));
            } else {
                cells.push_back(static_cast<std::int32_t>(value.integer));
            }
            break;
        case JsonValue::Kind::Unsigned:
            if (value.unsignedInteger > static_cast<std::uint64_t>(kMax)) {
                outOfRange(std::to_string(value.unsignedInteger));
            } else {
                cells.push_back(static_cast<std::int32_t>(value.unsignedInteger));
            }
            break;
        case JsonValue::Kind::Float:
            // An integer literal too long even for 64 bits also arrives here.
            if (value.text->find_first_of(".eE") == std::string::npos) {
                outOfRange(*value.text);
            } else {
                notInteger(*value.text);
            }
            break;
        case JsonValue::Kind::String:
            if (isMatrix && value.text->empty()) {
                cells.push_back(graph::kNoLink);
                break;
            }
            try {
                cells.push_back(graph::CellToInt(*value.text));
            } catch (const graph::ConversionError&) {
                reading.firstCellError = std::current_exception();
                cells.push_back(graph::kNoLink);
            }
            break;
        case JsonValue::Kind::Array:
            notInteger("an array");
            break;
        case JsonValue::Kind::Object:
            notInteger("an object");
            break;
    }
}

GraphDocument DocumentReader::Finish() {
    if (malformed_) throw DocumentError(*malformed_);
    if (shapeFault_) throw DocumentError(*shapeFault_);
    if (!matrix_.present) throw DocumentError("The key \"matrix\" is missing from the document");

    const std::size_t n = matrix_.rows.size();
    if (n < 2) {
        throw DocumentError("\"matrix\" has " + Counted(n, "row") +
                            ", but a graph needs at least 2 nodes");
    }
    for (std::size_t row = 0; row < n; ++row) {
        if (matrix_.rows[row].size() != n) {
            throw DocumentError("matrix[" + std::to_string(row) + "] has " +
                                Counted(matrix_.rows[row].size(), "cell") +
                                ", but \"matrix\" has " + Counted(n, "row"));
        }
    }
    if (nodes_.present) {
        if (nodes_.rows.size() != n) {
            throw DocumentError("\"nodes\" has " + Counted(nodes_.rows.size(), "pair") +
                                ", but \"matrix\" has " + Counted(n, "row"));
        }
        for (std::size_t row = 0; row < n; ++row) {
            if (nodes_.rows[row].size() != 2) {
                throw DocumentError("nodes[" + std::to_string(row) + "] has " +
                                    Counted(nodes_.rows[row].size(), "coordinate") +
                                    " instead of 2");
            }
        }
    }
    // The window reads every node before any link.
    if (nodes_.firstCellError) std::rethrow_exception(nodes_.firstCellError);
    if (matrix_.firstCellError) std::rethrow_exception(matrix_.firstCellError);

    GraphDocument document;
    document.adjacency = std::move(matrix_.rows);
    document.nodes.reserve(nodes_.rows.size());
    for (const auto& pair : nodes_.rows) document.nodes.emplace_back(pair[0], pair[1]);
    return document;
}

}  // namespace

GraphDocument ReadGraphDocument(std::string_view json) {
    DocumentReader reader;
    Json::sax_parse(json.begin(), json.end(), &reader);
    return reader.Finish();
}

}  // namespace cli
