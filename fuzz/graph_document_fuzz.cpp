// Any bytes as a graphway document give a way, "нет пути" or one error line:
// the reader raises only its own two kinds of error, and a way found is a
// real way of the graph whose links add up to its length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "answer_text.h"
#include "cell_text.h"
#include "graph_document.h"
#include "way_search.h"

namespace {

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
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
    graph::AdjacencyMatrix adjacency;
    try {
        adjacency = cli::ReadGraphDocument(json).adjacency;
    } catch (const graph::ConversionError& error) {
        if (!IsOneLine(cli::ErrorLine(graph::ErrorMessage(error)))) std::abort();
        return 0;
    } catch (const cli::DocumentError& error) {
        if (!IsOneLine(cli::ErrorLine(graph::ErrorMessage(error)))) std::abort();
        return 0;
    }
    const auto answer = graph::FindShortestWay(adjacency);
    if (answer) {
        CheckWay(*answer, adjacency);
    } else if (cli::PlainAnswerText(answer) != "нет пути\n") {
        std::abort();
    }
    return 0;
}
