// graphway against the core's exhaustive enumeration: random small documents,
// their cells written in every form the tool accepts, run through the built
// binary; the answer, or the first bad cell's message, must be the one the
// reference gives for the matrix the window would read.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>
#include <random>
#include <string>

#include "graph/cell_text.h"
#include "graph/way_enumeration.h"
#include "tests/cli/graphway_process.h"

namespace {

using nlohmann::json;

// One random document and what the reference makes of it.
struct Sample {
    json document;
    graph::AdjacencyMatrix adjacency;
    std::optional<std::string> firstBadCell;
};

class SampleMaker {
public:
    explicit SampleMaker(unsigned seed) : random_(seed) {}

    Sample Make() {
        const int n = Pick(2, 8);
        Sample sample;
        sample.adjacency.assign(n, std::vector<std::int32_t>(n, graph::kNoLink));
        json matrix = json::array();
        for (int i = 0; i < n; ++i) {
            json row = json::array();
            for (int j = 0; j < n; ++j) {
                row.push_back(i == j ? DiagonalJunk() : LinkCell(sample, i, j));
            }
            matrix.push_back(row);
        }
        sample.document["matrix"] = matrix;
        // The window reads every node before any link, so a bad coordinate
        // is the one reported even when a link cell is bad too.
        if (Pick(0, 2) == 0) {
            std::optional<std::string> firstBadNode;
            json nodes = json::array();
            for (int i = 0; i < n; ++i) {
                nodes.push_back({Coordinate(firstBadNode), Coordinate(firstBadNode)});
            }
            sample.document["nodes"] = nodes;
            if (firstBadNode) sample.firstBadCell = firstBadNode;
        }
        return sample;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    json Coordinate(std::optional<std::string>& firstBad) {
        if (Pick(0, 99) < 1) {
            // The empty text is no link in the matrix but no number here.
            const std::string text = Pick(0, 1) == 0 ? "" : "1.5";
            if (!firstBad) firstBad = graph::ConversionError(text).what();
            return text;
        }
        const int value = Pick(-200, 200);
        return Pick(0, 1) == 0 ? json(value) : json(std::to_string(value));
    }

    json DiagonalJunk() {
        static const json kJunk[] = {nullptr, "",   "abc",          7,
                                     1.5,     true, json::object(), json::array({1, 2})};
        return kJunk[Pick(0, std::size(kJunk) - 1)];
    }

    // A cell for the link from i to j, recording in `sample` what the window
    // would make of it.
    json LinkCell(Sample& sample, int i, int j) {
        const int roll = Pick(0, 999);
        if (roll < 8) {
            static const char* const kBad[] = {"abc", "12 ", " ", "-$1F", "0x", "1 2", "+-3"};
            const std::string text = kBad[Pick(0, std::size(kBad) - 1)];
            if (!sample.firstBadCell) sample.firstBadCell = graph::ConversionError(text).what();
            return text;
        }
        if (roll < 300) {
            static const json kNoLink[] = {nullptr, "", -1, -7, "-3", "$FFFFFFFF"};
            const json cell = kNoLink[Pick(0, std::size(kNoLink) - 1)];
            sample.adjacency[i][j] = cell.is_number() ? cell.get<std::int32_t>()
                                     : cell.is_string() && !cell.get<std::string>().empty()
                                         ? graph::CellToInt(cell.get<std::string>())
                                         : graph::kNoLink;
            return cell;
        }
        // Small weights, zero included, so that ties and free links are common.
        const int weight = Pick(0, 12);
        sample.adjacency[i][j] = weight;
        return WeightCell(weight);
    }

    json WeightCell(int weight) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", weight);
        switch (Pick(0, 6)) {
            case 0:
                return weight;
            case 1:
                return std::to_string(weight);
            case 2:
                return "  " + std::to_string(weight);
            case 3:
                return "+" + std::to_string(weight);
            case 4:
                return "$" + std::string(hex);
            case 5:
                return "0x00" + std::string(hex);
            default:
                return "x" + std::string(hex);
        }
    }

    std::mt19937 random_;
};

TEST(GraphwayDifferentialTest, AgreesWithTheEnumeration) {
    SampleMaker maker(20261207);
    int answered = 0;
    int noWay = 0;
    int failed = 0;
    for (int round = 0; round < 1000; ++round) {
        const Sample sample = maker.Make();
        const bool jsonMode = round % 2 == 0;
        const std::string input = sample.document.dump();
        const auto result = cli_test::RunGraphway(
            jsonMode ? std::vector<std::string>{"--json"} : std::vector<std::string>{}, input);
        SCOPED_TRACE(input);

        if (sample.firstBadCell) {
            ++failed;
            EXPECT_EQ(result.exitStatus, 2);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, *sample.firstBadCell + ".\n");
            continue;
        }
        const auto expected = graph::EnumerateShortestWay(sample.adjacency);
        (expected ? answered : noWay) += 1;
        EXPECT_EQ(result.exitStatus, expected ? 0 : 1);
        EXPECT_EQ(result.err, "");
        if (jsonMode) {
            const json answer = json::parse(result.out);
            EXPECT_EQ(answer.size(), 2u);
            if (expected) {
                std::vector<std::int32_t> numbers;
                for (std::int32_t index : expected->way) numbers.push_back(index + 1);
                EXPECT_EQ(answer.at("way"), json(numbers));
                EXPECT_EQ(answer.at("length"), expected->length);
            } else {
                EXPECT_TRUE(answer.at("way").is_null());
                EXPECT_TRUE(answer.at("length").is_null());
            }
        } else {
            EXPECT_EQ(result.out, expected ? graph::WayText(expected->way) + "\nДлина: " +
                                                 std::to_string(expected->length) + "\n"
                                           : "нет пути\n");
        }
    }
    // The samples must reach every kind of answer to prove anything.
    EXPECT_GT(answered, 300);
    EXPECT_GT(noWay, 50);
    EXPECT_GT(failed, 50);
}

}  // namespace
