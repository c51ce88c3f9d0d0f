// Any bytes as a graph document. Where the reader takes a text for a sound
// graph, nlohmann-json reads it to the same cells, value for value, and a
// text is malformed exactly when nlohmann-json refuses it; both readings
// agree on the document's shape; texts written and read back are the texts;
// the weights are the texts' weights by the window's rules; and graphway's
// answer is a real way of the graph or one error line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/answer_text.h"
#include "cli/fault_text.h"
#include "document/graph_document.h"
#include "graph/way_search.h"

namespace {

// The cells of a sound graph document as nlohmann-json reads them, each
// written as the window's text: a string as it is, an integer as its
// literal, anything else as "" (which a sound graph holds only on the
// diagonal of "matrix", or as null).
class ExpectedTexts {
public:
    using Json = nlohmann::json;

    bool null() { return Cell({}); }
    bool boolean(bool) { return Cell({}); }
    bool number_integer(Json::number_integer_t value) { return Cell(std::to_string(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Cell(std::to_string(value)); }
    bool number_float(Json::number_float_t, const Json::string_t& literal) {
        return Cell(literal.find_first_of(".eE") == std::string::npos ? literal : "");
    }
    bool string(Json::string_t& value) { return Cell(value); }
    bool binary(Json::binary_t&) { return true; }
    bool start_object(std::size_t) {
        if (depth_ == 3) Cell({});
        return Open();
    }
    bool key(Json::string_t& key) {
        if (depth_ == 1) table_ = key == "matrix" ? &texts.matrix : &nodes_;
        return true;
    }
    bool end_object() { return Close(); }
    bool start_array(std::size_t) {
        if (depth_ == 2) table_->emplace_back();
        if (depth_ == 3) Cell({});
        return Open();
    }
    bool end_array() { return Close(); }
    bool parse_error(std::size_t, const std::string&, const Json::exception&) { return false; }

    document::GraphTexts Texts() && {
        for (auto& pair : nodes_) texts.nodes.push_back({pair.at(0), pair.at(1)});
        return std::move(texts);
    }

    document::GraphTexts texts;

private:
    bool Open() {
        ++depth_;
        return true;
    }
    bool Close() {
        --depth_;
        return true;
    }
    bool Cell(const std::string& text) {
        if (depth_ != 3) return true;
        table_->back().push_back(text);
        return true;
    }

    int depth_ = 0;
    std::vector<std::vector<std::string>>* table_ = nullptr;
    std::vector<std::vector<std::string>> nodes_;
};

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

// The window's own limits, which graphway does not have.
bool IsWindowLimit(const document::Fault& fault) {
    using Kind = document::Fault::Kind;
    return fault.kind == Kind::TooManyNodes || fault.kind == Kind::TextTooLong;
}

bool IsShapeFault(const document::Fault& fault) {
    using Kind = document::Fault::Kind;
    return fault.kind != Kind::NotInteger && fault.kind != Kind::OutOfRange &&
           fault.kind != Kind::NotConvertible && !IsWindowLimit(fault);
}

// A sound graph reads as nlohmann-json reads it.
void CheckValues(std::string_view json, const document::GraphTexts& read) {
    ExpectedTexts expected;
    if (!nlohmann::json::sax_parse(json.begin(), json.end(), &expected)) std::abort();
    if (std::move(expected).Texts() != read) std::abort();
}

void CheckWay(const graph::ShortestWay& answer, const graph::AdjacencyMatrix& adjacency) {
    const auto& way = answer.way;
    const auto n = static_cast<std::int32_t>(adjacency.size());
    if (way.size() < 2 || way.front() != 0 || way.back() != n - 1) std::abort();
    std::int64_t length = 0;
    for (std::size_t k = 1; k < way.size(); ++k) {
        if (way[k] <= 0 || way[k] >= n ||
            graph::WayContains({way.begin(), way.begin() + k}, way[k])) {
            std::abort();
        }
        const std::int32_t weight = adjacency[way[k - 1]][way[k]];
        if (weight < 0) std::abort();
        length += weight;
    }
    if (length != answer.length) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view json(reinterpret_cast<const char*>(data), size);

    const auto texts = document::ReadGraphTexts(json);
    const auto model = document::ReadGraphModel(json);
    const auto* textsFault = std::get_if<document::Fault>(&texts);
    const auto* modelFault = std::get_if<document::Fault>(&model);
    const bool malformed = modelFault && modelFault->kind == document::Fault::Kind::Malformed;
    if (malformed == nlohmann::json::accept(json)) std::abort();

    // A cell the window refuses is no weight for graphway either.
    const bool textsShape = textsFault && IsShapeFault(*textsFault);
    const bool modelShape = modelFault && IsShapeFault(*modelFault);
    if (textsShape != modelShape || (textsShape && *textsFault != *modelFault)) std::abort();
    if (textsFault && !modelFault && !IsWindowLimit(*textsFault)) std::abort();
    if (!textsFault) {
        const auto& read = std::get<document::GraphTexts>(texts);
        CheckValues(json, read);
        const auto again = document::ReadGraphTexts(document::WriteGraphTexts(read));
        if (!std::holds_alternative<document::GraphTexts>(again) ||
            std::get<document::GraphTexts>(again) != read) {
            std::abort();
        }
    }

    if (modelFault) {
        if (!IsOneLine(cli::ErrorLine(cli::FaultMessage(*modelFault)))) std::abort();
        return 0;
    }
    const auto& adjacency = std::get<document::GraphModel>(model).adjacency;
    if (!textsFault) {
        const auto& matrix = std::get<document::GraphTexts>(texts).matrix;
        for (std::size_t i = 0; i < matrix.size(); ++i) {
            for (std::size_t j = 0; j < matrix.size(); ++j) {
                if (adjacency[i][j] != graph::LinkWeight(i, j, matrix[i][j])) std::abort();
            }
        }
    }
    const auto answer = graph::FindShortestWay(adjacency);
    if (answer) {
        CheckWay(*answer, adjacency);
    } else if (cli::PlainAnswerText(answer) != "нет пути\n") {
        std::abort();
    }
    return 0;
}
