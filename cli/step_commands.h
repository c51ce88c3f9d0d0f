// What graphway prints for a Dijkstra table: its own one step by step
// (--steps), and the faults of a student's one (--check).
#pragma once

#include <functional>
#include <string>

#include "graph/graph_model.h"

namespace cli {

// The step table as the step window copies it, tab-separated with headers;
// or, as JSON, {"steps": [{"step": 0, "chosen": null, "cells": [{"distance":
// 0, "predecessors": [], "settled": false}, ...]}, ...], "way": [1, 2, 6],
// "length": 10}, node numbers from 1 and null for ∞ or no way. Written
// through `write` a row at a time, so that a long table is never held whole.
void WriteStepsText(const graph::AdjacencyMatrix& adjacency, bool json,
                    const std::function<void(const std::string&)>& write);

// The faults of the table in `table` (as --check reads it), one English line
// each, or the empty text for a correct table. Throws graph::TableTextError
// for a text that is not a table of the graph: not UTF-8 text, over 1 MiB,
// or a row of the wrong width.
std::string CheckedTableText(std::string_view table, const graph::AdjacencyMatrix& adjacency);

}  // namespace cli
