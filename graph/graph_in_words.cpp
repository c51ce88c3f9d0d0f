// The graph in words; see graph_in_words.h.
#include "graph/graph_in_words.h"

#include <cstdint>
#include <string_view>

#include "graph/shown_texts.h"

namespace graph {

std::string GraphInWords(const AdjacencyMatrix& adjacency, Language language) {
    const bool russian = language == Language::Russian;
    const std::size_t n = adjacency.size();
    std::string links;
    const auto add = [&](std::size_t u, std::string_view mark, std::size_t v, std::int32_t w) {
        links += (links.empty() ? "" : ", ") + std::to_string(u + 1) + std::string(mark) +
                 std::to_string(v + 1) + " (" + std::to_string(w) + ")";
    };
    for (std::size_t u = 0; u < n; ++u) {
        for (std::size_t v = u + 1; v < n; ++v) {
            const std::int32_t there = adjacency[u][v];
            const std::int32_t back = adjacency[v][u];
            if (there >= 0 && there == back) {
                add(u, "–", v, there);
                continue;
            }
            if (there >= 0) add(u, "→", v, there);
            if (back >= 0) add(v, "→", u, back);
        }
    }
    const std::string nodes = (russian ? "Узлы от 1 до " : "Nodes 1 to ") + std::to_string(n);
    if (links.empty()) return nodes + (russian ? ". Связей нет." : ". No links.");
    return nodes + (russian ? ". Связи (в скобках — вес): " : ". Links (weight in brackets): ") +
           links + ".";
}

std::string AnswerInWords(std::size_t nodes, const std::optional<ShortestWay>& way,
                          Language language) {
    const bool russian = language == Language::Russian;
    std::string text = (russian ? "Путь из узла 1 в узел " : "The way from node 1 to node ") +
                       std::to_string(nodes) + ": ";
    if (!way) return text + std::string(NoWayText(language)) + ".";
    return text + WayText(way->way) + (russian ? ", длина " : ", length ") +
           std::to_string(way->length) + ".";
}

}  // namespace graph
