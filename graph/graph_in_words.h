// The graph and its answer in words, for a student who cannot see the
// picture: the window's accessible description of its picture, and the alt
// text of a quiz's pictures.
#pragma once

#include <optional>
#include <string>

#include "graph/graph_model.h"
#include "graph/language.h"
#include "graph/ways.h"

namespace graph {

// The nodes, then every link with its weight: «Узлы от 1 до 3. Связи (в
// скобках — вес): 1–2 (5), 2→3 (4).», «1–2» for a link both ways alike,
// «2→3» for one way only; "Nodes 1 to 3. Links (weight in brackets): …".
std::string GraphInWords(const AdjacencyMatrix& adjacency, Language language = Language::Russian);

// The answer of the way search in words: «Путь из узла 1 в узел 6: 1-2-6,
// длина 10.», or «…: нет пути.» when `way` is empty.
std::string AnswerInWords(std::size_t nodes, const std::optional<ShortestWay>& way,
                          Language language = Language::Russian);

}  // namespace graph
