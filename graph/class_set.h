// A class set: many variants of one exercise, each a graph of the same size
// and kind with exactly one answer, made again byte for byte from the same
// parameters and seed. The window and graphway both make their sets here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "graph/graph_model.h"
#include "graph/node_layout.h"
#include "graph/ways.h"

namespace graph {

constexpr int kMostVariants = 200;
constexpr int kFewestVariantNodes = 4;
constexpr int kMostVariantNodes = 20;
// Three digits, so that a weight stays a short label on the picture.
constexpr std::int32_t kHeaviestVariantWeight = 999;
// A variant's way has from minLinks to minLinks + kWayLinksSpread links
// (never more than nodes - 1), so that the variants of a set are alike.
constexpr int kWayLinksSpread = 2;
// Graphs drawn for one variant before the set is given up.
constexpr int kAttemptsPerVariant = 2000;

struct ClassSetParameters {
    int variants = 30;
    int nodes = 8;
    // The range of every link's weight.
    std::int32_t lightest = 1;
    std::int32_t heaviest = 20;
    // The fewest links the way from node 1 to the last node may have.
    int minLinks = 3;
    std::uint64_t seed = 1;
    // Also a step table with one correct form: at every step one node at the
    // least distance, and each chosen node with one predecessor.
    bool uniqueTable = false;
};

struct ClassVariant {
    // Mirrored links, kNoLink where there is none.
    AdjacencyMatrix adjacency;
    // Each node's user coordinates, as VariantPlaces placed it.
    NodePlaces nodes;
    // The one shortest way from node index 0 to the last.
    ShortestWay way;
};

// Why no set was made. Each face words it in its own language, naming the
// parameter to change.
struct ClassSetFault {
    enum class Kind {
        VariantCount,  // variants outside 1..kMostVariants
        NodeCount,     // nodes outside kFewestVariantNodes..kMostVariantNodes
        Weights,       // not 1 <= lightest <= heaviest <= kHeaviestVariantWeight
        MinLinks,      // minLinks outside 1..nodes - 1
        Unmet,         // `made` variants were made, but no further one that
                       // differs from them within kAttemptsPerVariant graphs
        Stopped,       // the progress callback stopped it after `made`
    };

    Kind kind = Kind::Unmet;
    int made = 0;

    friend bool operator==(const ClassSetFault&, const ClassSetFault&) = default;
};

// The places of a variant's nodes: «Расставить узлы»'s layout, tried with
// further seeds while its rules do not hold; nothing when none of the tries
// keeps them. The window and graphway both place variants so.
std::optional<NodePlaces> VariantPlaces(const AdjacencyMatrix& adjacency);

// Told how many variants are made, after each one and every so often while
// one is sought; returns false to stop.
using SetProgress = std::function<bool(int made)>;

// The first parameter out of its range, in the order of ClassSetFault::Kind.
std::optional<ClassSetFault> CheckClassSetParameters(const ClassSetParameters& parameters);

// The set: `variants` connected graphs with mirrored links of weights in the
// range, each with exactly one shortest way from node 1 to the last node,
// of at least minLinks links, and, with uniqueTable, a step table of
// DijkstraRun with one node at the least distance at every step and one
// predecessor for every node it chooses. No two are the same up to
// renumbering of the middle nodes. Each is placed by VariantPlaces; a graph
// it cannot place by the layout's rules is drawn again.
// A fault at once for parameters out of range; a fault after bounded work
// when they allow too few graphs.
std::variant<std::vector<ClassVariant>, ClassSetFault> MakeClassSet(
    const ClassSetParameters& parameters, const SetProgress& progress = {});

}  // namespace graph
