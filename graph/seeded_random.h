// Random draws that are the same on every machine for the same seed: the
// engine is std::mt19937_64, whose sequence the standard fixes, and the
// mapping to ranges and orders is written here, since the standard leaves
// that of its distributions and of std::shuffle to each library.
#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace graph {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

    // A whole number from `lowest` to `highest` inclusive, each equally
    // likely. Needs lowest <= highest.
    std::int64_t Between(std::int64_t lowest, std::int64_t highest);

    // Puts `items` into an order chosen with every order equally likely.
    template <typename T>
    void Shuffle(std::vector<T>& items) {
        for (std::size_t k = items.size(); k > 1; --k) {
            using std::swap;
            swap(items[k - 1],
                 items[static_cast<std::size_t>(Between(0, static_cast<std::int64_t>(k) - 1))]);
        }
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace graph
