// Table texts for small graphs made of the input: the program's own table,
// in the tie order and convention the input picks, always passes its own
// checker; the rest of the input, alone or put into that table, is read
// and checked without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "graph/dijkstra_steps.h"
#include "graph/table_check.h"

namespace {

// Reads the input a byte at a time, zeros once it is used up.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Rest() const {
        return std::string(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

graph::TableCheck Check(const graph::AdjacencyMatrix& adjacency, const std::string& text) {
    try {
        return graph::CheckHandTable(adjacency, graph::ReadHandTable(text, adjacency.size()));
    } catch (const graph::TableTextError&) {
        return {};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::size_t n = 2 + bytes.Next() % 7;
    graph::AdjacencyMatrix adjacency(n, std::vector<std::int32_t>(n, graph::kNoLink));
    for (std::size_t u = 0; u < n; ++u) {
        for (std::size_t v = 0; v < n; ++v) {
            if (u != v) adjacency[u][v] = static_cast<std::int32_t>(bytes.Next() % 6) - 1;
        }
    }
    const graph::Convention convention =
        bytes.Next() % 2 == 0 ? graph::Convention::AfterChoice : graph::Convention::BeforeChoice;
    std::string own;
    graph::WalkDijkstraTable(
        adjacency, convention, [&](const graph::StepRow& row) { own += graph::StepRowText(row); },
        [&](const std::vector<std::int32_t>& least) { return least[bytes.Next() % least.size()]; });
    const graph::TableCheck check = Check(adjacency, own);
    if (!check.faults.empty() || check.convention != convention) std::abort();

    const std::string rest = bytes.Rest();
    Check(adjacency, rest);
    const std::size_t at = rest.empty() ? 0 : static_cast<std::uint8_t>(rest[0]) % (own.size() + 1);
    Check(adjacency, own.substr(0, at) + rest + own.substr(at));
    return 0;
}
