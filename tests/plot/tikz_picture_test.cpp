// The TikZ picture builds with pdflatex, for the sample graph with its way
// and for a random graph of 30 nodes with links one way and both ways.
#include "plot/tikz_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "graph/way_search.h"

namespace {

// Builds `picture` in a minimal document; true when pdflatex made the PDF.
bool Builds(const std::string& picture, const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / name;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "graph.tex") << "\\documentclass{article}\n\\usepackage{tikz}\n"
                                           "\\begin{document}\n"
                                        << picture << "\\end{document}\n";
    const std::string command = "cd '" + folder.string() +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error graph.tex "
                                "> build.log 2>&1";
    return std::system(command.c_str()) == 0 && std::filesystem::exists(folder / "graph.pdf");
}

TEST(TikzPicture, BuildsWithPdflatex) {
    if (std::system("command -v pdflatex > /dev/null") != 0) {
        GTEST_SKIP() << "pdflatex is not installed";
    }
    // The sample: links 1-2 = 5, 2-6 = 5, 1-6 = 20, and 3 -> 4 one way.
    const graph::NodePoints sample = {{140, 160}, {240, 180}, {220, 240},
                                      {140, 240}, {180, 210}, {280, 160}};
    graph::AdjacencyMatrix links(6, std::vector<std::int32_t>(6, graph::kNoLink));
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
        links[u][v] = links[v][u] = w;
    }
    links[2][3] = 7;
    const std::string picture = plot::TikzPicture(sample, links, graph::Way{0, 1, 5});
    EXPECT_NE(picture.find("\\draw[red, very thick] (n1) -- (n2) -- (n6);"), std::string::npos);
    EXPECT_NE(picture.find("\\draw[link, ->] (n3) to node[weight] {7} (n4);"), std::string::npos);
    EXPECT_NE(picture.find("(n1) at (-1.50, 1.00)"), std::string::npos);
    EXPECT_TRUE(Builds(picture, "sample")) << picture;

    std::mt19937 random(30);
    graph::NodePoints points(30);
    graph::AdjacencyMatrix adjacency(30, std::vector<std::int32_t>(30, graph::kNoLink));
    for (int u = 0; u < 30; ++u) {
        points[u] = {static_cast<std::int32_t>(random() % 401),
                     static_cast<std::int32_t>(random() % 401)};
        for (int v = 0; v < 30; ++v) {
            if (u != v && random() % 5 == 0) adjacency[u][v] = static_cast<std::int32_t>(random() % 40);
        }
    }
    const auto way = graph::FindShortestWay(adjacency);
    EXPECT_TRUE(Builds(plot::TikzPicture(points, adjacency,
                                         way ? std::optional(way->way) : std::nullopt),
                       "random"));
}

}  // namespace
