// Draws from a fixed engine; see seeded_random.h.
#include "graph/seeded_random.h"

namespace graph {

std::int64_t SeededRandom::Between(std::int64_t lowest, std::int64_t highest) {
    const std::uint64_t span =
        static_cast<std::uint64_t>(highest) - static_cast<std::uint64_t>(lowest) + 1;
    if (span == 0) return static_cast<std::int64_t>(engine_());
    // Draws below 2^64 mod span would make the low remainders likelier:
    // they are drawn again, so that the remaining ones split evenly.
    const std::uint64_t uneven = (0 - span) % span;
    std::uint64_t draw = engine_();
    while (draw < uneven) draw = engine_();
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lowest) + draw % span);
}

}  // namespace graph
