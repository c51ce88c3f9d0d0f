// The graph document read as texts and as the model, and written back: the
// faults with their places, the cell rules, and the round trip.
#include "document/graph_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace document {

void PrintTo(const Fault& fault, std::ostream* os) {
    *os << "kind " << static_cast<int>(fault.kind) << " table " << static_cast<int>(fault.table)
        << " [" << fault.row << "][" << fault.column << "] count " << fault.count << "/"
        << fault.expected << " value " << static_cast<int>(fault.value) << " text \"" << fault.text
        << "\" at " << fault.line << ":" << fault.lineColumn;
}

}  // namespace document

namespace {

using document::Fault;
using document::GraphTexts;
using document::Table;
using document::ValueKind;
using Kind = Fault::Kind;

const std::string kSquare = R"([[0, 1], [1, 0]])";

// A fault of the document's shape; `count` and `expected` as the kind uses them.
Fault Shape(Kind kind, Table table = Table::Matrix, std::size_t row = 0, std::size_t count = 0,
            std::size_t expected = 0, std::string text = {}) {
    Fault fault;
    fault.kind = kind;
    fault.table = table;
    fault.row = row;
    fault.count = count;
    fault.expected = expected;
    fault.text = std::move(text);
    return fault;
}

Fault Cell(Kind kind, Table table, std::size_t row, std::size_t column, ValueKind value,
           std::string text = {}) {
    Fault fault = Shape(kind, table, row, 0, 0, std::move(text));
    fault.column = column;
    fault.value = value;
    return fault;
}

Fault Malformed(std::size_t line, std::size_t column, std::string reason) {
    Fault fault = Shape(Kind::Malformed, Table::Matrix, 0, 0, 0, std::move(reason));
    fault.line = line;
    fault.lineColumn = column;
    return fault;
}

struct FaultCase {
    std::string json;
    Fault expected;
};

// Faults of the document's shape and of cells that are no integer at all,
// which both readings report alike.
const FaultCase kSharedFaults[] = {
    {"[1]", Shape(Kind::NotAnObject)},
    {R"({"matrix": )" + kSquare + R"(, "weights": 1})",
     Shape(Kind::UnknownKey, Table::Matrix, 0, 0, 0, "weights")},
    {R"({"matrix": )" + kSquare + R"(, "matrix": 1})",
     Shape(Kind::RepeatedKey, Table::Matrix, 0, 0, 0, "matrix")},
    {R"({"nodes": {}, "matrix": 1})", Shape(Kind::TableNotArray, Table::Nodes)},
    {R"({"matrix": [[0, 1], 5, [1, 0]]})", Shape(Kind::RowNotArray, Table::Matrix, 1)},
    {R"({"nodes": [[1, 1], [2, 2]]})", Shape(Kind::MissingMatrix)},
    {R"({"matrix": [[0]]})", Shape(Kind::TooFewNodes, Table::Matrix, 0, 1)},
    {R"({"matrix": [[0, 1, 2], [1, 0], [1, 1, 0]]})",
     Shape(Kind::RowLength, Table::Matrix, 1, 2, 3)},
    {R"({"matrix": )" + kSquare + R"(, "nodes": [[0, 0]]})",
     Shape(Kind::PairCount, Table::Nodes, 0, 1, 2)},
    {R"({"matrix": )" + kSquare + R"(, "nodes": [[0, 0], [1, 2, 3]]})",
     Shape(Kind::PairLength, Table::Nodes, 1, 3)},
    // A wrong shape comes before any cell, nodes before links; the bad cells
    // of rows too many or too long are not reported.
    {R"({"matrix": [[0, 1.5], [true]]})", Shape(Kind::RowLength, Table::Matrix, 1, 1, 2)},
    {R"({"matrix": [[0, 1], [1, 0, true]]})", Shape(Kind::RowLength, Table::Matrix, 1, 3, 2)},
    {R"({"matrix": [[0, 1], [1, 0], [true, 1]]})", Shape(Kind::RowLength, Table::Matrix, 0, 2, 3)},
    {R"({"nodes": [[0, 0], [1, 1], [true, 2]], "matrix": )" + kSquare + "}",
     Shape(Kind::PairCount, Table::Nodes, 0, 3, 2)},
    {R"({"matrix": )" + kSquare + R"(, "nodes": [[0, 0], [1, 1], [true, 2]]})",
     Shape(Kind::PairCount, Table::Nodes, 0, 3, 2)},
    {R"({"matrix": [[0, 1.5], [1, 0]], "nodes": [[0, 0], [[], 0]]})",
     Cell(Kind::NotInteger, Table::Nodes, 1, 0, ValueKind::Array)},
    {R"({"matrix": [[0, 1, 2.50], [false, 0, 1], [1, 1, 0]]})",
     Cell(Kind::NotInteger, Table::Matrix, 0, 2, ValueKind::Fraction, "2.50")},
    {R"({"matrix": [[0, 1], [true, 0]]})",
     Cell(Kind::NotInteger, Table::Matrix, 1, 0, ValueKind::Boolean, "true")},
    {R"({"matrix": [[0, {"a": [1]}], [1, 0]]})",
     Cell(Kind::NotInteger, Table::Matrix, 0, 1, ValueKind::Object)},
    {R"({"matrix": [[0, 1e3], [1, 0]]})",
     Cell(Kind::NotInteger, Table::Matrix, 0, 1, ValueKind::Fraction, "1e3")},
    // Malformed JSON outranks everything, wherever it stands.
    {R"({"weights": 1, "matrix": [[0, 1], [1, 0]])",
     Malformed(1, 42, "syntax error while parsing object - unexpected end of input; expected '}'")},
    {"{\"matrix\": [[0, 1],\n [1, 0,]]}",
     Malformed(2, 8,
               "syntax error while parsing value - unexpected ']'; expected '[', '{', or a "
               "literal")},
    {R"({"matrix": [[0, 1e400], [1, 0]]})", Malformed(0, 0, "number overflow parsing '1e400'")},
    // Columns count bytes, a byte-order mark's too; the place of a number
    // that ends a line is worded as the parser words it, column 0 and all.
    {"\xEF\xBB\xBF{\"matrix\": [[0 1]]}",
     Malformed(1, 19,
               "syntax error while parsing array - unexpected number literal; expected ']'")},
    {"{\"matrix\": [[0 1\n], [1, 0]]}",
     Malformed(0, 0,
               "parse error at line 1, column 0: syntax error while parsing array - unexpected "
               "number literal; expected ']'")},
};

TEST(GraphDocument, BothReadingsReportTheSameShapeFaults) {
    for (const FaultCase& c : kSharedFaults) {
        SCOPED_TRACE(c.json);
        const auto texts = document::ReadGraphTexts(c.json);
        ASSERT_TRUE(std::holds_alternative<Fault>(texts));
        EXPECT_EQ(std::get<Fault>(texts), c.expected);
        const auto model = document::ReadGraphModel(c.json);
        ASSERT_TRUE(std::holds_alternative<Fault>(model));
        EXPECT_EQ(std::get<Fault>(model), c.expected);
    }
}

TEST(ReadGraphModel, CellsThatAreNoWeightOrCoordinate) {
    const FaultCase cases[] = {
        {R"({"matrix": [[0, -2147483649], [1, 0]]})",
         Cell(Kind::OutOfRange, Table::Matrix, 0, 1, ValueKind::Integer, "-2147483649")},
        {R"({"matrix": [[0, 1], [123456789012345678901234, 0]]})",
         Cell(Kind::OutOfRange, Table::Matrix, 1, 0, ValueKind::Integer,
              "123456789012345678901234")},
        {R"({"matrix": [[0, "1"], [" 1 ", 0]]})",
         Cell(Kind::NotConvertible, Table::Matrix, 1, 0, ValueKind::String, " 1 ")},
        {R"({"matrix": )" + kSquare + R"(, "nodes": [[0, 0], [1, ""]]})",
         Cell(Kind::NotConvertible, Table::Nodes, 1, 1, ValueKind::String)},
        {R"({"matrix": )" + kSquare + R"(, "nodes": [[0, null], [1, 1]]})",
         Cell(Kind::NotInteger, Table::Nodes, 0, 1, ValueKind::Null)},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.json);
        const auto model = document::ReadGraphModel(c.json);
        ASSERT_TRUE(std::holds_alternative<Fault>(model));
        EXPECT_EQ(std::get<Fault>(model), c.expected);
        // The window takes what graphway rejects and fails on it later.
        EXPECT_TRUE(std::holds_alternative<GraphTexts>(document::ReadGraphTexts(c.json)));
    }
}

TEST(ReadGraphModel, WeightsAndCoordinatesByTheWindowsRules) {
    const auto model = document::ReadGraphModel(
        "\xEF\xBB\xBF"
        R"({"nodes": [[-60, "40"], ["$10", " 2"]], "matrix": [[{"x": 1.5}, "7"], [null, ""]]})");
    ASSERT_TRUE(std::holds_alternative<document::GraphModel>(model));
    const auto& read = std::get<document::GraphModel>(model);
    EXPECT_EQ(read.adjacency, (graph::AdjacencyMatrix{{-1, 7}, {-1, -1}}));
    EXPECT_EQ(read.nodes, (decltype(read.nodes){{-60, 40}, {16, 2}}));
}

TEST(ReadGraphTexts, CellsBecomeTheirTexts) {
    const struct {
        std::string json;
        GraphTexts expected;
    } cases[] = {
        // Integers become their decimal text, null the empty one; anything
        // on the diagonal is welcome, since it carries no weight.
        {R"({"matrix": [[true, 2147483648, -7], [null, [1], "x"], ["\t\u00e9", 0, {}]]})",
         {{}, {{"", "2147483648", "-7"}, {"", "", "x"}, {"\t\u00e9", "0", ""}}}},
        {"\xEF\xBB\xBF{\"nodes\": [[1, \" 2\"], [null, \"$F\"]], \"matrix\": [[0, 1], [1, 0]]}",
         {{{"1", " 2"}, {"", "$F"}}, {{"0", "1"}, {"1", "0"}}}},
        {R"({"matrix": [[0, 123456789012345678901234, 9223372036854775807],
                        [18446744073709551615, 0, -9223372036854775808], [1, 2, 0]]})",
         {{},
          {{"0", "123456789012345678901234", "9223372036854775807"},
           {"18446744073709551615", "0", "-9223372036854775808"},
           {"1", "2", "0"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const auto texts = document::ReadGraphTexts(c.json);
        ASSERT_TRUE(std::holds_alternative<GraphTexts>(texts));
        EXPECT_EQ(std::get<GraphTexts>(texts), c.expected);
    }
}

// What the window cannot hold is refused by its reading, and read by
// graphway's.
TEST(ReadGraphTexts, WindowLimits) {
    std::string row = "[1";
    std::string text;
    for (int k = 0; k < 100; ++k) row += ", 1", text += "я";
    std::string square = R"({"matrix": [)" + row + "]";
    for (int k = 0; k < 100; ++k) square += ", " + row + "]";
    const auto tooLong = [](Table table, std::size_t row, std::size_t column, ValueKind value) {
        Fault fault = Cell(Kind::TextTooLong, table, row, column, value);
        fault.count = 101;
        return fault;
    };
    const std::pair<std::string, std::optional<Fault>> cases[] = {
        {square + "]}", Shape(Kind::TooManyNodes, Table::Matrix, 0, 101)},
        {R"({"matrix": [["", ")" + text + R"("], ["", ""]]})", std::nullopt},
        {R"({"matrix": [["", ")" + text + R"(я"], ["", ""]]})",
         tooLong(Table::Matrix, 0, 1, ValueKind::String)},
        {R"({"matrix": [["", 1], [")" + std::string(100, ' ') + R"(1", ""]]})",
         tooLong(Table::Matrix, 1, 0, ValueKind::String)},
        {R"({"nodes": [[1, )" + std::string(101, '9') + R"(], [1, 1]], "matrix": )" + kSquare + "}",
         tooLong(Table::Nodes, 0, 1, ValueKind::Integer)},
    };
    for (const auto& [json, expected] : cases) {
        const auto texts = document::ReadGraphTexts(json);
        EXPECT_EQ(expected ? std::get<Fault>(texts) : Fault{}, expected.value_or(Fault{}));
        const auto model = document::ReadGraphModel(json);
        const auto* fault = std::get_if<Fault>(&model);
        EXPECT_TRUE(!fault || fault->kind == Kind::OutOfRange ||
                    fault->kind == Kind::NotConvertible);
    }
}

TEST(WriteGraphTexts, ReadingWhatWasWrittenGivesTheSameTexts) {
    const GraphTexts cases[] = {
        {{}, {{"", "5"}, {"abc", " 1 "}}},
        {{{"-60", "40"}, {"x\"\\/", "\t\n\x01"}, {"\u00e9\u4e2d", ""}},
         {{"", "1", "2"}, {"$FF", "", "  "}, {"1.5", "null", std::string(1, '\0')}}},
    };
    for (const GraphTexts& texts : cases) {
        const std::string json = document::WriteGraphTexts(texts);
        SCOPED_TRACE(json);
        const auto read = document::ReadGraphTexts(json);
        ASSERT_TRUE(std::holds_alternative<GraphTexts>(read));
        EXPECT_EQ(std::get<GraphTexts>(read), texts);
    }
    EXPECT_EQ(document::WriteGraphTexts({{{"1", "2"}, {"3", "4"}}, {{"", "5"}, {"\xFF", ""}}}),
              "{\n"
              "  \"nodes\": [\n"
              "    [\"1\", \"2\"],\n"
              "    [\"3\", \"4\"]\n"
              "  ],\n"
              "  \"matrix\": [\n"
              "    [\"\", \"5\"],\n"
              "    [\"\xEF\xBF\xBD\", \"\"]\n"
              "  ]\n"
              "}\n");
}

TEST(GraphDocument, NodeCountShownByTheFirstMatrixRow) {
    const std::string sound =
        "{\"nodes\": [[1, 2], [3, 4], [5, 6]],\n \"matrix\": [[0, \"a,\\\"b\", 2],\n [1, 0, 2],\n"
        " [1, 1, 0]]}";
    const std::size_t secondRow = sound.find("[1, 0");
    const struct {
        std::string start;
        std::optional<std::size_t> count;
    } cases[] = {
        {sound, 3},
        {"\xEF\xBB\xBF" + sound, 3},
        {sound.substr(0, secondRow), 3},
        {sound.substr(0, secondRow + 3), 3},
        // Cut inside the first row, or inside a string on its line.
        {sound.substr(0, secondRow - 4), std::nullopt},
        {sound.substr(0, sound.find(",\\")), std::nullopt},
        {sound.substr(0, 20), std::nullopt},
        {R"({"matrix": 5})", std::nullopt},
        {R"({"matrix": [5, [1]]})", std::nullopt},
        {"[[1, 2], [3, 4]]", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        EXPECT_EQ(document::NodeCountShown(c.start), c.count);
    }
}

}  // namespace
