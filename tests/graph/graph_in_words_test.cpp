// The graph and its answer in words, as a screen reader says the picture:
// links both ways alike, one way only, none, and the way search's answer or
// its absence, in both languages.
#include "graph/graph_in_words.h"

#include <gtest/gtest.h>

#include "graph/way_search.h"

namespace {

constexpr std::int32_t X = -1;

struct Case {
    graph::AdjacencyMatrix adjacency;
    graph::Language language;
    const char* graphWords;
    const char* answerWords;
};

TEST(GraphInWordsTest, SaysTheLinksAndTheAnswer) {
    const Case cases[] = {
        {{{X, X}, {X, X}},
         graph::Language::Russian,
         "Узлы от 1 до 2. Связей нет.",
         "Путь из узла 1 в узел 2: нет пути."},
        {{{X, 5, X}, {5, X, 0}, {X, 0, X}},
         graph::Language::Russian,
         "Узлы от 1 до 3. Связи (в скобках — вес): 1–2 (5), 2–3 (0).",
         "Путь из узла 1 в узел 3: 1-2-3, длина 5."},
        {{{X, 4, X}, {X, X, 3}, {X, 7, X}},
         graph::Language::English,
         "Nodes 1 to 3. Links (weight in brackets): 1→2 (4), 2→3 (3), 3→2 (7).",
         "The way from node 1 to node 3: 1-2-3, length 7."},
        {{{X, X, X}, {X, X, 2}, {X, 2, X}},
         graph::Language::English,
         "Nodes 1 to 3. Links (weight in brackets): 2–3 (2).",
         "The way from node 1 to node 3: no way."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(graph::GraphInWords(c.adjacency, c.language), c.graphWords);
        EXPECT_EQ(graph::AnswerInWords(c.adjacency.size(), graph::FindShortestWay(c.adjacency),
                                       c.language),
                  c.answerWords);
    }
}

}  // namespace
