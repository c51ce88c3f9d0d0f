// What graphway prints for a Dijkstra table: its own one step by step
// (--steps), and the faults of a student's one (--check).
#pragma once

#include <string>

#include "dijkstra_steps.h"
#include "graph_model.h"

namespace cli {

// The step table as the step window copies it, tab-separated with headers;
// or, as JSON, {"steps": [{"step": 0, "chosen": null, "cells": [{"distance":
// 0, "predecessors": [], "settled": false}, ...]}, ...], "way": [1, 2, 6],
// "length": 10}, node numbers from 1 and null for ∞ or no way.
std::string StepsText(const graph::DijkstraSteps& steps, bool json);

// The faults of the table in `table` (tab-separated text, as --check reads
// it), one English line each, or the empty text for a correct table. Throws
// std::runtime_error for a table of the wrong width.
std::string CheckedTableText(const std::string& table, const graph::AdjacencyMatrix& adjacency);

}  // namespace cli
