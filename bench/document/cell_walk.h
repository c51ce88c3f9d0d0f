// simdjson alone walking every cell of "matrix" as the graph reader asks for
// them, keeping and converting none: the floor under reading a graph
// document, timed in-process by read_graph_bench and as a whole process by
// simdjson_walk.
#pragma once

#include <cstdint>
#include <string_view>

#include <simdjson.h>

// The number of integer and text cells; counted, so that no read can be
// left out.
inline std::uint64_t WalkCells(simdjson::padded_string_view json) {
    // A parser of its own each time, as each reading has.
    simdjson::ondemand::parser parser;
    std::uint64_t cells = 0;
    auto doc = parser.iterate(json);
    for (auto row : doc["matrix"].get_array()) {
        for (auto cell : row.get_array()) {
            std::int64_t integer = 0;
            std::string_view text;
            cells += cell.get_int64().get(integer) == simdjson::SUCCESS ||
                     cell.get_string().get(text) == simdjson::SUCCESS;
        }
    }
    return cells;
}
