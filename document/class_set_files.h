// The files of a class set, written alike by the window and graphway so that
// the same set gives the same bytes: a graph file per variant and the key.
#pragma once

#include <string>
#include <vector>

#include "graph/class_set.h"
#include "document/graph_document.h"

namespace document {

// "variant-07.json" for variant 7: two digits, three in a set of more than
// 99 variants, so that the names sort in the variants' order.
std::string VariantFileName(int number, int variants);

// The variant as the window holds a graph: its nodes' coordinates and the
// weights of its links in both directions, "" where there is none.
GraphTexts VariantTexts(const graph::ClassVariant& variant);

// The key, UTF-8 text: the line "variant;way;length", then one line per
// variant, e.g. "7;1-3-6-8;17"; each line ends in '\n'.
std::string KeyText(const std::vector<graph::ClassVariant>& set);

}  // namespace document
