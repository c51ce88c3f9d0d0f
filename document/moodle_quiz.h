// A class set as a quiz for a Moodle question bank: Moodle XML with each
// variant's picture, its answers and, for tables of one form, the Dijkstra
// table to fill in; or GIFT, text only. Written alike by the window and
// graphway. The pictures come from the caller: this layer does not draw.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "graph/class_set.h"

namespace document {

struct QuizHeading {
    // The last part of the category, `$course$/top/Кратчайший путь/<name>`;
    // IsQuizName must accept it.
    std::string name;
    // Every variant's step table has one form (DijkstraRun finds one node
    // at the least distance at every step, and one predecessor for each
    // chosen node), so that a table question has one right filling.
    bool uniqueTable = false;
};

// The name a set is offered under: «Набор 7» for the set of seed 7.
std::string DefaultQuizName(std::uint64_t seed);

// Whether `name` can name a set in Moodle: 1 to 255 characters of UTF-8,
// none of them a control character or one that XML cannot carry.
bool IsQuizName(std::string_view name);

// The PNG bytes of a variant's picture. May throw; the writer lets it pass.
using VariantPicture = std::function<std::string(const graph::ClassVariant&)>;

// Whether the program's step table of `adjacency` has one form: at every
// step one node at the least distance, and one predecessor for each chosen
// node but the first, as a set made with unique tables has. Only then has a
// table question one right filling.
bool HasOneTableForm(const graph::AdjacencyMatrix& adjacency);

// "variant-07.png" for variant 7 of `variants`, numbered as its graph file.
std::string PictureFileName(int number, int variants);

// The Moodle XML document, UTF-8, the declaration on its first line: the
// category, then for variant k (set[k - 1]) a numerical question of the
// way's length, a short-answer question of the way, accepted with "-",
// spaces, "–" or "—" between the nodes, and with heading.uniqueTable a cloze
// question of the step table, every cell a blank. Each question shows the
// picture `picture` makes (once per variant) with graph::GraphInWords as its alt
// text; its general feedback gives the way and the length.
std::string MoodleXmlText(const std::vector<graph::ClassVariant>& set, const QuizHeading& heading,
                          const VariantPicture& picture);

// The same length and way questions in GIFT, UTF-8, after a $CATEGORY line;
// the graph in words stands for the picture. No table question: GIFT has
// no cloze.
std::string GiftText(const std::vector<graph::ClassVariant>& set, const QuizHeading& heading);

}  // namespace document
