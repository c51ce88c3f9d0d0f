// graphway's Dijkstra tables in-process: its own table as text and JSON, and
// a student's table checked, right, wrong or of the wrong shape.
#include "cli/step_commands.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "graph/dijkstra_steps.h"

namespace {

// The sample graph: links 1-2 = 5, 2-6 = 5, 1-6 = 20.
graph::AdjacencyMatrix Sample() {
    graph::AdjacencyMatrix adjacency(6, std::vector<std::int32_t>(6, graph::kNoLink));
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
        adjacency[u][v] = adjacency[v][u] = w;
    }
    return adjacency;
}

std::string StepsText(bool json) {
    std::string text;
    cli::WriteStepsText(Sample(), json, [&](const std::string& part) { text += part; });
    return text;
}

TEST(StepCommands, OwnTableAsTextAndJson) {
    EXPECT_EQ(StepsText(false), graph::DijkstraStepsText(graph::FindDijkstraSteps(Sample())));
    const nlohmann::json json = nlohmann::json::parse(StepsText(true));
    ASSERT_EQ(json["steps"].size(), 4u);
    EXPECT_EQ(json["steps"][2]["chosen"], 2);
    EXPECT_EQ(json["steps"][2]["cells"][5]["distance"], 10);
    EXPECT_EQ(json["steps"][2]["cells"][5]["predecessors"], nlohmann::json::array({2}));
    EXPECT_TRUE(json["steps"][0]["cells"][1]["distance"].is_null());
    EXPECT_EQ(json["way"], nlohmann::json::array({1, 2, 6}));
    EXPECT_EQ(json["length"], 10);
}

TEST(StepCommands, StudentTablesChecked) {
    const std::string own = graph::DijkstraStepsText(graph::FindDijkstraSteps(Sample()));
    EXPECT_EQ(cli::CheckedTableText(own, Sample()), "");
    // Without headers, 20 kept at node 6, with the other notations.
    const std::string slip =
        "0 inf - inf inf inf\n"
        "0* 5(1) inf inf inf 20(1) 1\n"
        "— 5* inf inf inf 20 2\n";
    EXPECT_EQ(cli::CheckedTableText(slip, Sample()),
              "step 2, node 6: via node 2 the distance 5 + 5 = 10 is less than 20\n"
              "the table stops: node 6 is not chosen yet\n");
    EXPECT_THROW(cli::CheckedTableText("0\t1\n", Sample()), std::runtime_error);
}

}  // namespace
