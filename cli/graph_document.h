// A graph given as a JSON document:
//   {"matrix": [[cell, ...], ...], "nodes": [[x, y], ...]}
// read into the model the way search works on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graph_model.h"

namespace cli {

// Raised for a document that is not JSON or does not have the shape above;
// what() names what is wrong.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GraphDocument {
    // matrix[i][j] as the weight from node index i to j; kNoLink for null,
    // the empty text and the diagonal.
    graph::AdjacencyMatrix adjacency;
    // The user coordinates (x, y) of each node; empty when "nodes" is absent.
    std::vector<std::pair<std::int32_t, std::int32_t>> nodes;
};

// Reads the document `json`. "matrix" must hold n >= 2 rows of n cells and
// "nodes", when present, n pairs; no other key is allowed. A cell is a
// string converted by graph::CellToInt, a JSON integer in the signed 32-bit
// range, or (in "matrix" only) null; the empty string in "matrix" means no
// link. Diagonal cells are not looked at.
//
// Faults are reported in this order: malformed JSON, a wrong shape, then the
// first bad cell in the order the window reads its tables -- every node, X
// before Y, then every source node's row of targets. A string that does not
// convert throws graph::ConversionError; everything else DocumentError.
GraphDocument ReadGraphDocument(std::string_view json);

}  // namespace cli
