// Any bytes as a graph document. The fast feeds, where they read a text at
// all, read it as JSON exactly as nlohmann-json does, value for value; both
// readings agree on the document's shape; texts written and read back are
// the texts; and graphway's answer is a real way of the graph or one error
// line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "answer_text.h"
#include "fault_text.h"
#include "graph_document.h"
#include "json_feed.h"
#include "way_search.h"

namespace {

// Writes every event it is fed down as text, so two feeds compare whole.
struct EventLog {
    void StartObject() { log += '{'; }
    void StartArray() { log += '['; }
    void End() { log += ')'; }
    void Key(std::string_view key) { log.append("k").append(key).append(1, '\0'); }
    void Scalar(const document::JsonScalar& scalar) {
        log += std::to_string(static_cast<int>(scalar.kind)) + (scalar.wide ? "w" : "") +
               std::to_string(scalar.integer);
        log.append(scalar.text).append(1, '\0');
    }
    std::string log;
};

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

bool IsShapeFault(const document::Fault& fault) {
    using Kind = document::Fault::Kind;
    return fault.kind != Kind::NotInteger && fault.kind != Kind::OutOfRange &&
           fault.kind != Kind::NotConvertible;
}

// Where either fast feed reads a text, nlohmann-json reads it too, to the
// same values.
void CheckFeeds(std::string_view json) {
    std::string_view body = json;
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
    EventLog plain;
    EventLog fast;
    const bool plainRead = document::FeedPlain(body, plain);
    const bool fastRead = document::FeedFast(body, fast);
    if (!plainRead && !fastRead) return;
    EventLog exact;
    if (document::FeedExactly(json, exact) || !nlohmann::json::accept(json)) std::abort();
    if ((plainRead && plain.log != exact.log) || (fastRead && fast.log != exact.log)) {
        std::abort();
    }
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
    CheckFeeds(json);

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
    if (textsFault && !modelFault) std::abort();
    if (!textsFault) {
        const auto& read = std::get<document::GraphTexts>(texts);
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
    const auto answer = graph::FindShortestWay(adjacency);
    if (answer) {
        CheckWay(*answer, adjacency);
    } else if (cli::PlainAnswerText(answer) != "нет пути\n") {
        std::abort();
    }
    return 0;
}
