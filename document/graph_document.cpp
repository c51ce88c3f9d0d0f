// Reading a graph document as texts or as the model, and writing it; see
// graph_document.h.
//
// One reader walks the document along its shape with simdjson's on-demand
// parser and hands each cell straight to the form it is kept in. Every value
// is read in full, as simdjson checks only what it is asked for. Where it
// stops short, or a value was left unread, nlohmann-json judges the text.
#include "document/graph_document.h"

#include <algorithm>
#include <limits>
#include <new>
#include <optional>

#include <simdjson.h>
#include <nlohmann/json.hpp>

#include "graph/cell_text.h"

namespace document {

namespace {

namespace od = simdjson::ondemand;
using simdjson::error_code;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
static_assert(kReadAhead >= simdjson::SIMDJSON_PADDING);

// Containers nested deeper in a cell or a skipped value are left unread, to
// nlohmann-json: a sound graph is three levels deep, and recursion small.
constexpr int kMostReadDepth = 64;

std::string_view WithoutByteOrderMark(std::string_view json) {
    return json.substr(
        json.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0);
}

// A JSON value standing where a cell should be.
struct CellValue {
    ValueKind kind = ValueKind::Null;
    // An Integer that fits in 64 signed bits.
    std::int64_t integer = 0;
    // A String's contents; the literal of a Fraction, of a Boolean and of an
    // Integer that does not fit (then `wide`).
    std::string_view text;
    bool wide = false;
};

Fault ShapeFaultOf(Fault::Kind kind, Table table = Table::Matrix, std::size_t row = 0,
                   std::size_t count = 0, std::size_t expected = 0, std::string_view text = {}) {
    Fault fault;
    fault.kind = kind;
    fault.table = table;
    fault.row = row;
    fault.count = count;
    fault.expected = expected;
    fault.text = text;
    return fault;
}

Fault CellFault(Fault::Kind kind, const CellValue& cell) {
    Fault fault;
    fault.kind = kind;
    fault.value = cell.kind;
    fault.text = cell.kind == ValueKind::Integer && !cell.wide ? std::to_string(cell.integer)
                                                               : std::string(cell.text);
    return fault;
}

std::string_view TrimTrailingSpace(std::string_view token) {
    return token.substr(0, token.find_last_not_of(" \t\n\r") + 1);
}

// The rows of both tables as they are read, each cell kept as a Kept.
template <class Kept>
class Rows {
public:
    void StartRow(Table table, std::size_t expectedCells) {
        row_ = &(table == Table::Matrix ? matrix_ : nodes_).emplace_back();
        row_->reserve(expectedCells);
    }

protected:
    std::vector<std::vector<Kept>> matrix_;
    std::vector<std::vector<Kept>> nodes_;
    std::vector<Kept>* row_ = nullptr;
};

// The characters of UTF-8 `text`, which simdjson has checked.
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The cells of a document as texts, as many as the window holds.
class TextCells : public Rows<std::string> {
public:
    static constexpr std::size_t kMostNodes = graph::kMostNodes;

    void Cell(Table table, std::size_t row, std::size_t column, const CellValue& cell,
              std::optional<Fault>& fault) {
        switch (cell.kind) {
            case ValueKind::String:
                Keep(cell.text, cell.kind, fault);
                return;
            case ValueKind::Null:
                row_->emplace_back();
                return;
            case ValueKind::Integer:
                Keep(cell.wide ? std::string(cell.text) : std::to_string(cell.integer), cell.kind,
                     fault);
                return;
            default:
                if (table == Table::Matrix && !graph::IsLinkCell(row, column)) {
                    row_->emplace_back();
                } else {
                    fault = CellFault(Fault::Kind::NotInteger, cell);
                }
        }
    }

    GraphTexts Texts() && {
        GraphTexts texts;
        texts.matrix = std::move(matrix_);
        texts.nodes.reserve(nodes_.size());
        for (auto& pair : nodes_) texts.nodes.push_back({std::move(pair[0]), std::move(pair[1])});
        return texts;
    }

private:
    void Keep(std::string_view text, ValueKind kind, std::optional<Fault>& fault) {
        if (text.size() > kLongestText && Characters(text) > kLongestText) {
            fault = Fault{};
            fault->kind = Fault::Kind::TextTooLong;
            fault->value = kind;
            fault->count = Characters(text);
            return;
        }
        row_->emplace_back(text);
    }
};

// The cells of a document as weights and coordinates, by the window's rules.
class ModelCells : public Rows<std::int32_t> {
public:
    static constexpr std::size_t kMostNodes = std::numeric_limits<std::size_t>::max();

    void Cell(Table table, std::size_t row, std::size_t column, const CellValue& cell,
              std::optional<Fault>& fault) {
        const bool isMatrix = table == Table::Matrix;
        if (isMatrix && !graph::IsLinkCell(row, column)) {
            row_->push_back(graph::kNoLink);
        } else if (cell.kind == ValueKind::Integer && !cell.wide &&
                   cell.integer >= std::numeric_limits<std::int32_t>::min() &&
                   cell.integer <= std::numeric_limits<std::int32_t>::max()) {
            row_->push_back(static_cast<std::int32_t>(cell.integer));
        } else if (cell.kind == ValueKind::String) {
            try {
                row_->push_back(isMatrix ? graph::LinkWeight(row, column, cell.text)
                                         : graph::CoordinateValue(cell.text));
            } catch (const graph::ConversionError&) {
                fault = CellFault(Fault::Kind::NotConvertible, cell);
            }
        } else if (cell.kind == ValueKind::Integer) {
            fault = CellFault(Fault::Kind::OutOfRange, cell);
        } else if (cell.kind == ValueKind::Null && isMatrix) {
            row_->push_back(graph::kNoLink);
        } else {
            fault = CellFault(Fault::Kind::NotInteger, cell);
        }
    }

    GraphModel Model() && {
        GraphModel model;
        model.adjacency = std::move(matrix_);
        model.nodes.reserve(nodes_.size());
        for (const auto& pair : nodes_) model.nodes.emplace_back(pair[0], pair[1]);
        return model;
    }
};

// Walks a document along its shape, handing every cell with its table, row
// and column to a Cells object, which keeps it in its own form:
//   StartRow(table, expectedCells) opens the next row of a table;
//   Cell(table, row, column, cell, fault) keeps the cell, or sets `fault`
//   (kind, value and text; the walk adds the place) when it is bad.
// Faults are gathered in document order and ranked by Finish.
template <class Cells>
class DocumentWalk {
public:
    explicit DocumentWalk(Cells& cells) : cells_(cells) {}

    // Walks `json`, a byte-order mark already skipped, in place when
    // kReadAhead bytes after it may be read; simdjson's error when it stops
    // short.
    error_code Walk(std::string_view json, bool readAhead) {
        simdjson::padded_string copy;
        simdjson::padded_string_view padded(json.data(), json.size(), json.size() + kReadAhead);
        if (!readAhead) {
            copy = simdjson::padded_string(json);
            padded = copy;
        }
        od::parser parser;
        od::document doc;
        od::json_type type;
        if (auto error = parser.iterate(padded).get(doc)) return error;
        if (auto error = doc.type().get(type)) return error;
        if (type != od::json_type::object) {
            // Whether it is JSON at all is nlohmann-json's to say.
            ShapeFault(Fault::Kind::NotAnObject);
            unread_ = true;
            return simdjson::SUCCESS;
        }
        if (auto error = EachField(
                doc, [&](std::string_view key, od::value& value) { return Field(key, value); })) {
            return error;
        }
        // Nothing but white space may follow the document.
        return doc.current_location().error() == simdjson::OUT_OF_BOUNDS
                   ? simdjson::SUCCESS
                   : simdjson::TRAILING_CONTENT;
    }

    // Whether part of the text was left for nlohmann-json to judge.
    bool LeftUnread() const { return unread_; }

    // The document's first fault once it has been walked, malformed JSON
    // aside; nothing when the document is sound.
    std::optional<Fault> Finish() const;

private:
    // A table's shape as far as it has been read: its rows, how many cells
    // each should have (the first row's count in "matrix", 2 in "nodes"),
    // and the first row that has another count.
    struct TableReading {
        bool present = false;
        std::size_t rows = 0;
        std::size_t cells = std::numeric_limits<std::size_t>::max();
        std::optional<std::pair<std::size_t, std::size_t>> firstOddRow;
        std::optional<Fault> firstCellFault;

        void NoteRow(std::size_t row, std::size_t length) {
            if (row == 0 && cells == std::numeric_limits<std::size_t>::max()) {
                cells = length;
            } else if (length != cells && !firstOddRow) {
                firstOddRow.emplace(row, length);
            }
        }
    };

    TableReading& Reading(Table table) { return table == Table::Matrix ? matrix_ : nodes_; }

    void ShapeFault(Fault::Kind kind, Table table = Table::Matrix, std::size_t row = 0,
                    std::string_view text = {}) {
        if (!shapeFault_) shapeFault_ = ShapeFaultOf(kind, table, row, 0, 0, text);
    }

    error_code Field(std::string_view key, od::value& value) {
        std::optional<Table> named;
        if (key == "matrix") named = Table::Matrix;
        if (key == "nodes") named = Table::Nodes;
        if (named && !Reading(*named).present) {
            Reading(*named).present = true;
            return TableValue(*named, value);
        }
        ShapeFault(named ? Fault::Kind::RepeatedKey : Fault::Kind::UnknownKey, Table::Matrix, 0,
                   key);
        return Skip(value);
    }

    error_code TableValue(Table table, od::value& value) {
        if (!IsArray(value)) {
            ShapeFault(Fault::Kind::TableNotArray, table);
            return Skip(value);
        }
        if (table == Table::Nodes) nodes_.cells = 2;
        return EachElement(value, [&](od::value& row) { return Row(table, row); });
    }

    error_code Row(Table table, od::value& value) {
        TableReading& reading = Reading(table);
        const std::size_t row = reading.rows++;
        // A sound document has as many rows in either table as cells in the
        // first row of "matrix", and as many cells in each row as its table
        // wants: rows and cells beyond, and beyond what the Cells hold, are
        // read but not kept.
        const std::size_t kept = std::min(reading.cells, Cells::kMostNodes);
        const std::size_t rows =
            std::min(matrix_.present && table == Table::Nodes ? matrix_.rows : matrix_.cells,
                     Cells::kMostNodes);
        const bool keepRow = row < rows;
        if (keepRow) cells_.StartRow(table, row == 0 && table == Table::Matrix ? 0 : kept);
        if (!IsArray(value)) {
            reading.NoteRow(row, 0);
            ShapeFault(Fault::Kind::RowNotArray, table, row);
            return Skip(value);
        }
        std::size_t column = 0;
        const error_code error = EachElement(value, [&](od::value& item) {
            CellValue cell;
            // The two kinds of cell a sound graph holds are read inline.
            if (item.get_int64().get(cell.integer) == simdjson::SUCCESS) {
                cell.kind = ValueKind::Integer;
            } else if (item.get_string().get(cell.text) == simdjson::SUCCESS) {
                cell.kind = ValueKind::String;
            } else if (auto error = Read(item, cell, 0)) {
                return error;
            }
            // Only the first bad cell of a table is reported.
            if (keepRow && column < kept && !reading.firstCellFault) {
                cells_.Cell(table, row, column, cell, reading.firstCellFault);
                if (reading.firstCellFault) {
                    reading.firstCellFault->table = table;
                    reading.firstCellFault->row = row;
                    reading.firstCellFault->column = column;
                }
            }
            ++column;
            return simdjson::SUCCESS;
        });
        reading.NoteRow(row, column);
        return error;
    }

    // Calls take(element) for each element of the array `value`.
    template <class Take>
    static error_code EachElement(od::value& value, Take take) {
        od::array array;
        if (auto error = value.get_array().get(array)) return error;
        for (auto element : array) {
            od::value item;
            if (auto error = element.get(item)) return error;
            if (auto error = take(item)) return error;
        }
        return simdjson::SUCCESS;
    }

    // Calls take(key, value) for each field of the object `value`.
    template <class Value, class Take>
    static error_code EachField(Value& value, Take take) {
        od::object object;
        if (auto error = value.get_object().get(object)) return error;
        for (auto field : object) {
            std::string_view key;
            od::value item;
            if (auto error = field.unescaped_key().get(key)) return error;
            if (auto error = field.value().get(item)) return error;
            if (auto error = take(key, item)) return error;
        }
        return simdjson::SUCCESS;
    }

    static bool IsArray(od::value& value) {
        od::json_type type;
        return value.type().get(type) == simdjson::SUCCESS && type == od::json_type::array;
    }

    error_code Skip(od::value& value) {
        CellValue ignored;
        return Read(value, ignored, 0);
    }

    // Reads `value` in full into `cell`; a container's contents are read
    // and dropped.
    error_code Read(od::value& value, CellValue& cell, int depth) {
        od::json_type type;
        if (auto error = value.type().get(type)) return error;
        switch (type) {
            case od::json_type::number:
                return ReadNumber(value, cell);
            case od::json_type::string:
                cell.kind = ValueKind::String;
                return value.get_string().get(cell.text);
            case od::json_type::boolean: {
                bool boolean = false;
                const error_code error = value.get_bool().get(boolean);
                cell.kind = ValueKind::Boolean;
                cell.text = boolean ? "true" : "false";
                return error;
            }
            case od::json_type::null: {
                bool isNull = false;
                if (auto error = value.is_null().get(isNull)) return error;
                return isNull ? simdjson::SUCCESS : simdjson::INCORRECT_TYPE;
            }
            case od::json_type::array:
                cell.kind = ValueKind::Array;
                return ReadContents(value, depth);
            case od::json_type::object:
                cell.kind = ValueKind::Object;
                return ReadContents(value, depth);
        }
        return simdjson::INCORRECT_TYPE;
    }

    // An integer that fits in 64 bits is read as one. Any other number is
    // kept as its literal, which simdjson would not always take, and the
    // walk steps over it unchecked: the literal and what follows it are left
    // to nlohmann-json.
    error_code ReadNumber(od::value& value, CellValue& cell) {
        cell.kind = ValueKind::Integer;
        if (value.get_int64().get(cell.integer) == simdjson::SUCCESS) return simdjson::SUCCESS;
        cell.text = TrimTrailingSpace(value.raw_json_token());
        cell.wide = cell.text.find_first_of(".eE") == std::string_view::npos;
        if (!cell.wide) cell.kind = ValueKind::Fraction;
        unread_ = true;
        return simdjson::SUCCESS;
    }

    error_code ReadContents(od::value& value, int depth) {
        if (depth >= kMostReadDepth) {
            // Left for the parser to skip, and for nlohmann-json to judge.
            unread_ = true;
            return simdjson::SUCCESS;
        }
        CellValue ignored;
        if (IsArray(value)) {
            return EachElement(value,
                               [&](od::value& item) { return Read(item, ignored, depth + 1); });
        }
        return EachField(value, [&](std::string_view, od::value& item) {
            return Read(item, ignored, depth + 1);
        });
    }

    Cells& cells_;
    TableReading matrix_;
    TableReading nodes_;
    std::optional<Fault> shapeFault_;
    bool unread_ = false;
};

template <class Cells>
std::optional<Fault> DocumentWalk<Cells>::Finish() const {
    using Kind = Fault::Kind;
    if (shapeFault_) return shapeFault_;
    if (!matrix_.present) return ShapeFaultOf(Kind::MissingMatrix);
    const std::size_t n = matrix_.rows;
    if (n < 2) return ShapeFaultOf(Kind::TooFewNodes, Table::Matrix, 0, n);
    if (matrix_.cells != n) {
        return ShapeFaultOf(Kind::RowLength, Table::Matrix, 0, matrix_.cells, n);
    }
    if (const auto& odd = matrix_.firstOddRow) {
        return ShapeFaultOf(Kind::RowLength, Table::Matrix, odd->first, odd->second, n);
    }
    if (nodes_.present && nodes_.rows != n) {
        return ShapeFaultOf(Kind::PairCount, Table::Nodes, 0, nodes_.rows, n);
    }
    if (const auto& odd = nodes_.firstOddRow) {
        return ShapeFaultOf(Kind::PairLength, Table::Nodes, odd->first, odd->second);
    }
    if (n > Cells::kMostNodes) return ShapeFaultOf(Kind::TooManyNodes, Table::Matrix, 0, n);
    // The window reads every node before any link.
    if (nodes_.firstCellFault) return nodes_.firstCellFault;
    return matrix_.firstCellFault;
}

// The fault for an error nlohmann-json words "[json.exception.<tag>] parse
// error at line L, column C: <reason>", where L and C follow from `offset`,
// the count of bytes it took: the lines begun and the bytes since the last
// line break. Its reason alone is kept. An error worded otherwise (a number
// too large for a double) has no place, and one whose place disagrees with
// the offset is kept whole, without one.
Fault MalformedFault(std::string_view json, std::size_t offset, std::string_view what) {
    Fault fault;
    fault.kind = Fault::Kind::Malformed;
    if (const std::size_t tagEnd = what.find("] "); tagEnd != std::string_view::npos) {
        what.remove_prefix(tagEnd + 2);
    }
    const std::string_view taken = json.substr(0, offset);
    const auto line = static_cast<std::size_t>(std::count(taken.begin(), taken.end(), '\n')) + 1;
    const std::size_t column = offset - (taken.rfind('\n') + 1);
    const std::string place =
        "parse error at line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
    if (column > 0 && what.substr(0, place.size()) == place) {
        fault.line = line;
        fault.lineColumn = column;
        what.remove_prefix(place.size());
    }
    fault.text = what;
    return fault;
}

// nlohmann-json's verdict on a whole text, which it reads without keeping a
// value: nothing when it is JSON.
std::optional<Fault> SyntaxFault(std::string_view json) {
    try {
        [[maybe_unused]] const auto ignored = nlohmann::json::parse(
            json.begin(), json.end(),
            [](int, nlohmann::json::parse_event_t, nlohmann::json&) { return false; });
    } catch (const nlohmann::json::parse_error& error) {
        return MalformedFault(json, error.byte, error.what());
    } catch (const nlohmann::json::exception& error) {
        return MalformedFault(json, 0, error.what());
    }
    return std::nullopt;
}

// Reads `json` cell by cell into a Cells, or gives its first fault.
template <class Cells>
std::variant<Cells, Fault> ReadCells(std::string_view json, bool readAhead = false) {
    Cells cells;
    DocumentWalk<Cells> walk(cells);
    const error_code error = walk.Walk(WithoutByteOrderMark(json), readAhead);
    if (error == simdjson::MEMALLOC) throw std::bad_alloc();
    if (error || walk.LeftUnread()) {
        // nlohmann-json skips the mark itself and counts it in its columns.
        if (auto malformed = SyntaxFault(json)) return std::move(*malformed);
        // nlohmann-json ends a text at a NUL byte where a value may end,
        // and so does the reading.
        if (const std::size_t end = json.find('\0'); error && end != std::string_view::npos) {
            return ReadCells<Cells>(json.substr(0, end));
        }
        // JSON that simdjson cannot read; nothing known comes here.
        if (error)
            return ShapeFaultOf(Fault::Kind::Malformed, Table::Matrix, 0, 0, 0,
                                error_message(error));
    }
    if (auto fault = walk.Finish()) return std::move(*fault);
    return cells;
}

// The length of the first row of "matrix" in `text`, which need not end
// where the document does.
std::optional<std::size_t> FirstRowLength(std::string_view text) {
    // Closed by a '}', a cut text is an object to simdjson, and the row
    // either ends before the cut or runs into it.
    const simdjson::padded_string padded(std::string(text) + '}');
    od::parser parser;
    od::document doc;
    od::object object;
    if (parser.iterate(padded).get(doc) || doc.get_object().get(object)) return std::nullopt;
    for (auto field : object) {
        std::string_view key;
        od::value value;
        od::array rows;
        if (field.unescaped_key().get(key) || field.value().get(value)) return std::nullopt;
        if (key != "matrix") continue;
        if (value.get_array().get(rows)) return std::nullopt;
        for (auto row : rows) {
            od::array cells;
            if (row.get_array().get(cells)) return std::nullopt;
            std::size_t count = 0;
            for (auto cell : cells) {
                if (cell.error()) return std::nullopt;
                ++count;
            }
            return count;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// A cell's text as a JSON string.
void AppendString(std::string& out, const std::string& text) {
    out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// `rows` as a JSON array with one row per line.
template <class Rows>
void AppendRows(std::string& out, const Rows& rows) {
    if (rows.empty()) {
        out += "[]";
        return;
    }
    out += "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out += "    [";
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            if (j > 0) out += ", ";
            AppendString(out, rows[i][j]);
        }
        out += i + 1 < rows.size() ? "],\n" : "]\n";
    }
    out += "  ]";
}

}  // namespace

std::variant<GraphTexts, Fault> ReadGraphTexts(std::string_view json) {
    auto read = ReadCells<TextCells>(json);
    if (auto* fault = std::get_if<Fault>(&read)) return std::move(*fault);
    return std::move(std::get<TextCells>(read)).Texts();
}

std::optional<std::size_t> NodeCountShown(std::string_view start) {
    start = WithoutByteOrderMark(start);
    if (auto count = FirstRowLength(start)) return count;
    // Cut at its last line break, a text cut short ends outside any string
    // of sound JSON, which holds no line break.
    return FirstRowLength(start.substr(0, start.rfind('\n') + 1));
}

std::string WriteGraphTexts(const GraphTexts& texts) {
    std::string out = "{\n";
    if (!texts.nodes.empty()) {
        out += "  \"nodes\": ";
        AppendRows(out, texts.nodes);
        out += ",\n";
    }
    out += "  \"matrix\": ";
    AppendRows(out, texts.matrix);
    out += "\n}\n";
    return out;
}

std::variant<GraphModel, Fault> ReadGraphModel(std::string_view json, bool readAhead) {
    auto read = ReadCells<ModelCells>(json, readAhead);
    if (auto* fault = std::get_if<Fault>(&read)) return std::move(*fault);
    return std::move(std::get<ModelCells>(read)).Model();
}

}  // namespace document
