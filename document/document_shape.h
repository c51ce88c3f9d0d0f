// The shape of a graph document and the order its faults are reported in,
// written once for every way a document is read. The reader follows the
// values as they are fed (see json_feed.h) and hands each cell, with its
// table, row and column, to a Cells object that keeps it in its own form:
//   StartRow(table, expectedCells) opens the next row of a table;
//   Cell(table, row, column, scalar, fault) keeps the cell, or sets `fault`
//   (kind, value and text; the reader adds the place) when it is bad.
// A container standing where a cell should be is handed over as a scalar of
// kind Array or Object, and its contents are skipped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graph_document.h"
#include "json_feed.h"

namespace document {

template <class Cells>
class ShapeReader {
public:
    explicit ShapeReader(Cells& cells) : cells_(cells) { open_.reserve(8); }

    void StartObject() { Container(ValueKind::Object); }
    void StartArray() { Container(ValueKind::Array); }
    void End() {
        if (current_ == Place::Row) Reading(table_).rowLengths.back() = column_;
        open_.pop_back();
        current_ = open_.empty() ? Place::Top : open_.back();
    }
    void Key(std::string_view key);
    // Called once a cell: kept inline, as the cell's own path is, since the
    // calls cost as much as the reading of a short integer does.
    [[gnu::always_inline]] void Scalar(const JsonScalar& scalar) {
        if (current_ == Place::Row) {
            Cell(scalar);
        } else {
            Value(scalar.kind);
        }
    }

    // The document's first fault once every value has been fed, malformed
    // JSON aside; nothing when the document is sound.
    std::optional<Fault> Finish() const;

private:
    // Where the next value goes, by the container it arrives in.
    enum class Place { Top, Document, Table, Row, Skipped };

    struct TableReading {
        bool present = false;
        std::vector<std::size_t> rowLengths;
        std::optional<Fault> firstCellFault;
    };

    TableReading& Reading(Table table) { return table == Table::Matrix ? matrix_ : nodes_; }

    void Container(ValueKind kind) {
        Place entered = Place::Skipped;
        if (current_ == Place::Row) {
            JsonScalar cell;
            cell.kind = kind;
            Cell(cell);
        } else {
            entered = Value(kind);
        }
        open_.push_back(entered);
        current_ = entered;
    }
    // Takes a value that is not a cell; returns the place its contents go.
    Place Value(ValueKind kind);
    void Cell(const JsonScalar& scalar);
    void ShapeFault(Fault fault) {
        if (!shapeFault_) shapeFault_ = std::move(fault);
    }

    Cells& cells_;
    std::vector<Place> open_;
    // The innermost open container's place; Top outside the document.
    Place current_ = Place::Top;
    // The table the current key names; unset for an unknown or repeated key.
    std::optional<Table> keyTable_;
    Table table_ = Table::Matrix;
    // Cells so far in the row being read; its length once the row ends.
    std::size_t column_ = 0;
    TableReading matrix_;
    TableReading nodes_;
    std::optional<Fault> shapeFault_;
};

template <class Cells>
void ShapeReader<Cells>::Key(std::string_view key) {
    // Keys of objects standing where a cell should be are no concern here.
    if (current_ != Place::Document) return;
    keyTable_.reset();
    std::optional<Table> named;
    if (key == "matrix") named = Table::Matrix;
    if (key == "nodes") named = Table::Nodes;
    Fault fault;
    fault.text = key;
    if (!named) {
        fault.kind = Fault::Kind::UnknownKey;
        ShapeFault(std::move(fault));
    } else if (Reading(*named).present) {
        fault.kind = Fault::Kind::RepeatedKey;
        ShapeFault(std::move(fault));
    } else {
        Reading(*named).present = true;
        keyTable_ = named;
    }
}

template <class Cells>
typename ShapeReader<Cells>::Place ShapeReader<Cells>::Value(ValueKind kind) {
    const bool isArray = kind == ValueKind::Array;
    Fault fault;
    switch (current_) {
        case Place::Top:
            if (kind == ValueKind::Object) return Place::Document;
            fault.kind = Fault::Kind::NotAnObject;
            break;
        case Place::Document:
            if (!keyTable_) return Place::Skipped;
            table_ = *keyTable_;
            if (isArray) return Place::Table;
            fault.kind = Fault::Kind::TableNotArray;
            fault.table = table_;
            break;
        case Place::Table: {
            auto& lengths = Reading(table_).rowLengths;
            // In a sound document every row is as long as the first.
            cells_.StartRow(table_, lengths.empty() ? 0 : lengths.front());
            lengths.push_back(0);
            if (isArray) {
                column_ = 0;
                return Place::Row;
            }
            fault.kind = Fault::Kind::RowNotArray;
            fault.table = table_;
            fault.row = lengths.size() - 1;
            break;
        }
        case Place::Row:
        case Place::Skipped:
            return Place::Skipped;
    }
    ShapeFault(std::move(fault));
    return Place::Skipped;
}

template <class Cells>
[[gnu::always_inline]] inline void ShapeReader<Cells>::Cell(const JsonScalar& scalar) {
    const std::size_t column = column_++;
    TableReading& reading = Reading(table_);
    const std::size_t row = reading.rowLengths.size() - 1;
    // Only the first bad cell of a table is reported; the rest need no look.
    if (reading.firstCellFault) return;
    cells_.Cell(table_, row, column, scalar, reading.firstCellFault);
    if (reading.firstCellFault) {
        reading.firstCellFault->table = table_;
        reading.firstCellFault->row = row;
        reading.firstCellFault->column = column;
    }
}

template <class Cells>
std::optional<Fault> ShapeReader<Cells>::Finish() const {
    if (shapeFault_) return shapeFault_;
    Fault fault;
    if (!matrix_.present) {
        fault.kind = Fault::Kind::MissingMatrix;
        return fault;
    }
    const std::size_t n = matrix_.rowLengths.size();
    if (n < 2) {
        fault.kind = Fault::Kind::TooFewNodes;
        fault.count = n;
        return fault;
    }
    for (std::size_t row = 0; row < n; ++row) {
        if (matrix_.rowLengths[row] != n) {
            fault.kind = Fault::Kind::RowLength;
            fault.row = row;
            fault.count = matrix_.rowLengths[row];
            fault.expected = n;
            return fault;
        }
    }
    if (nodes_.present) {
        fault.table = Table::Nodes;
        if (nodes_.rowLengths.size() != n) {
            fault.kind = Fault::Kind::PairCount;
            fault.count = nodes_.rowLengths.size();
            fault.expected = n;
            return fault;
        }
        for (std::size_t row = 0; row < n; ++row) {
            if (nodes_.rowLengths[row] != 2) {
                fault.kind = Fault::Kind::PairLength;
                fault.row = row;
                fault.count = nodes_.rowLengths[row];
                return fault;
            }
        }
    }
    // The window reads every node before any link.
    if (nodes_.firstCellFault) return nodes_.firstCellFault;
    return matrix_.firstCellFault;
}

}  // namespace document
