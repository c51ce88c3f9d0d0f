// Wording of document faults for graphway; see fault_text.h.
#include "cli/fault_text.h"

#include "graph/cell_text.h"

namespace cli {

namespace {

using document::Fault;
using document::Table;
using document::ValueKind;

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

std::string TableName(Table table) { return table == Table::Matrix ? "matrix" : "nodes"; }

std::string Counted(std::size_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string RowName(const Fault& fault) {
    return TableName(fault.table) + "[" + std::to_string(fault.row) + "]";
}

// What a cell holds, as the message names it.
std::string Shown(const Fault& fault) {
    switch (fault.value) {
        case ValueKind::Null:
            return "null";
        case ValueKind::Array:
            return "an array";
        case ValueKind::Object:
            return "an object";
        default:
            return fault.text;
    }
}

std::string CellMessage(const Fault& fault, const std::string& what) {
    return RowName(fault) + "[" + std::to_string(fault.column) + "] holds " + Shown(fault) +
           ", which " + what;
}

}  // namespace

std::string FaultMessage(const Fault& fault) {
    switch (fault.kind) {
        case Fault::Kind::Malformed:
            if (fault.line == 0) return "Malformed JSON: " + fault.text;
            return "Malformed JSON: parse error at line " + std::to_string(fault.line) +
                   ", column " + std::to_string(fault.lineColumn) + ": " + fault.text;
        case Fault::Kind::NotAnObject:
            return "The document is not a JSON object";
        case Fault::Kind::UnknownKey:
            return "Unknown key " + Quoted(fault.text) + " in the document";
        case Fault::Kind::RepeatedKey:
            return "The key " + Quoted(fault.text) + " appears twice in the document";
        case Fault::Kind::TableNotArray:
            return "The value of " + Quoted(TableName(fault.table)) + " is not an array";
        case Fault::Kind::RowNotArray:
            return RowName(fault) + " is not an array";
        case Fault::Kind::MissingMatrix:
            return "The key \"matrix\" is missing from the document";
        case Fault::Kind::TooFewNodes:
            return "\"matrix\" has " + Counted(fault.count, "row") +
                   ", but a graph needs at least 2 nodes";
        case Fault::Kind::RowLength:
            return RowName(fault) + " has " + Counted(fault.count, "cell") +
                   ", but \"matrix\" has " + Counted(fault.expected, "row");
        case Fault::Kind::PairCount:
            return "\"nodes\" has " + Counted(fault.count, "pair") + ", but \"matrix\" has " +
                   Counted(fault.expected, "row");
        case Fault::Kind::PairLength:
            return RowName(fault) + " has " + Counted(fault.count, "coordinate") + " instead of 2";
        case Fault::Kind::NotInteger:
            return CellMessage(fault, "is not an integer");
        case Fault::Kind::OutOfRange:
            return CellMessage(fault, "is out of the signed 32-bit range");
        case Fault::Kind::NotConvertible:
            return graph::ConversionError(fault.text).Message();
        // The window's limits, which graphway does not have.
        case Fault::Kind::TooManyNodes:
            return "The graph has " + Counted(fault.count, "node") + ", more than the window holds";
        case Fault::Kind::TextTooLong:
            return RowName(fault) + "[" + std::to_string(fault.column) + "] holds a text of " +
                   Counted(fault.count, "character") + ", longer than the window takes";
    }
    return {};
}

}  // namespace cli
