// Reading a graph document as texts or as the model, and writing it; see
// graph_document.h.
//
// Both readings share the shape reader (document_shape.h) and differ only in
// what they keep of a cell. The document is fed as plain JSON first, then
// through simdjson; what neither reads to the end is fed again through
// nlohmann-json, which decides whether it is JSON at all and words the fault
// if not (json_feed.h).
#include "graph_document.h"

#include <limits>
#include <optional>

#include <nlohmann/json.hpp>

#include "cell_text.h"
#include "document_shape.h"
#include "json_feed.h"

namespace document {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

Fault CellFault(Fault::Kind kind, const JsonScalar& scalar) {
    Fault fault;
    fault.kind = kind;
    fault.value = scalar.kind;
    if (scalar.kind == ValueKind::Integer && !scalar.wide) {
        fault.text = std::to_string(scalar.integer);
    } else {
        fault.text = scalar.text;
    }
    return fault;
}

// The cells of a document as texts.
class TextCells {
public:
    void StartRow(Table table, std::size_t expectedCells) {
        row_ = &(table == Table::Matrix ? matrix_ : nodes_).emplace_back();
        row_->reserve(expectedCells);
    }

    void Cell(Table table, std::size_t row, std::size_t column, const JsonScalar& scalar,
              std::optional<Fault>& fault) {
        switch (scalar.kind) {
            case ValueKind::String:
                row_->emplace_back(scalar.text);
                return;
            case ValueKind::Null:
                row_->emplace_back();
                return;
            case ValueKind::Integer:
                row_->push_back(CellFault(Fault::Kind::NotInteger, scalar).text);
                return;
            default:
                if (table == Table::Matrix && !graph::IsLinkCell(row, column)) {
                    row_->emplace_back();
                } else {
                    fault = CellFault(Fault::Kind::NotInteger, scalar);
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
    std::vector<std::vector<std::string>> matrix_;
    std::vector<std::vector<std::string>> nodes_;
    std::vector<std::string>* row_ = nullptr;
};

// The cells of a document as weights and coordinates, by the window's rules.
class ModelCells {
public:
    void StartRow(Table table, std::size_t expectedCells) {
        row_ = &(table == Table::Matrix ? matrix_ : nodes_).emplace_back();
        row_->reserve(expectedCells);
    }

    [[gnu::always_inline]] void Cell(Table table, std::size_t row, std::size_t column,
                                     const JsonScalar& scalar, std::optional<Fault>& fault) {
        const bool isMatrix = table == Table::Matrix;
        if (isMatrix && !graph::IsLinkCell(row, column)) {
            row_->push_back(graph::kNoLink);
        } else if (scalar.kind == ValueKind::Integer && !scalar.wide &&
                   scalar.integer >= std::numeric_limits<std::int32_t>::min() &&
                   scalar.integer <= std::numeric_limits<std::int32_t>::max()) {
            row_->push_back(static_cast<std::int32_t>(scalar.integer));
        } else {
            OtherCell(isMatrix, row, column, scalar, fault);
        }
    }

    GraphModel Model() && {
        GraphModel model;
        model.adjacency = std::move(matrix_);
        model.nodes.reserve(nodes_.size());
        for (const auto& pair : nodes_) model.nodes.emplace_back(pair[0], pair[1]);
        return model;
    }

private:
    // A cell that is not on the diagonal nor an integer in range.
    void OtherCell(bool isMatrix, std::size_t row, std::size_t column, const JsonScalar& scalar,
                   std::optional<Fault>& fault) {
        std::int32_t value = graph::kNoLink;
        switch (scalar.kind) {
            case ValueKind::Integer:
                fault = CellFault(Fault::Kind::OutOfRange, scalar);
                return;
            case ValueKind::String:
                try {
                    value = isMatrix ? graph::LinkWeight(row, column, scalar.text)
                                     : graph::CoordinateValue(scalar.text);
                } catch (const graph::ConversionError&) {
                    fault = CellFault(Fault::Kind::NotConvertible, scalar);
                    return;
                }
                break;
            case ValueKind::Null:
                if (isMatrix) break;
                [[fallthrough]];
            default:
                fault = CellFault(Fault::Kind::NotInteger, scalar);
                return;
        }
        row_->push_back(value);
    }

    graph::AdjacencyMatrix matrix_;
    std::vector<std::vector<std::int32_t>> nodes_;
    std::vector<std::int32_t>* row_ = nullptr;
};

// Reads a document into a Cells through `feed`, or gives nothing when the
// feed gives up on it.
template <class Cells, class Feed>
std::optional<std::variant<Cells, Fault>> ReadWith(Feed feed) {
    Cells cells;
    ShapeReader<Cells> reader(cells);
    if (!feed(reader)) return std::nullopt;
    if (auto fault = reader.Finish()) return std::move(*fault);
    return cells;
}

// Reads `json` cell by cell into a Cells, or gives its first fault.
template <class Cells>
std::variant<Cells, Fault> ReadCells(std::string_view json) {
    std::string_view body = json;
    if (body.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        body.remove_prefix(kByteOrderMark.size());
    }
    if (auto read = ReadWith<Cells>([&](auto& reader) { return FeedPlain(body, reader); })) {
        return std::move(*read);
    }
    if (auto read = ReadWith<Cells>([&](auto& reader) { return FeedFast(body, reader); })) {
        return std::move(*read);
    }
    // nlohmann-json skips the mark itself and counts it in its columns.
    Cells cells;
    ShapeReader<Cells> reader(cells);
    if (auto malformed = FeedExactly(json, reader)) return std::move(*malformed);
    if (auto fault = reader.Finish()) return std::move(*fault);
    return cells;
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

std::variant<GraphModel, Fault> ReadGraphModel(std::string_view json) {
    auto read = ReadCells<ModelCells>(json);
    if (auto* fault = std::get_if<Fault>(&read)) return std::move(*fault);
    return std::move(std::get<ModelCells>(read)).Model();
}

}  // namespace document
