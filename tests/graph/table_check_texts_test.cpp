// The phrase tables of the table checker: every fault kind, in each of its
// wordings, reads as a whole sentence in both languages, and no two kinds
// read alike.
#include "graph/table_check_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using graph::TableFault;
using Kind = TableFault::Kind;

// A fault of `kind` at step 2, node 6, with every number a phrase may name.
TableFault Fault(Kind kind) {
    TableFault fault;
    fault.kind = kind;
    fault.step = 2;
    fault.node = 5;
    fault.text = "20";
    fault.via = 1;
    fault.viaDistance = 5;
    fault.weight = 5;
    fault.expected = 10;
    fault.written = 20;
    fault.nodes = {5};
    return fault;
}

// Every kind, and each variant that a kind words apart.
std::vector<TableFault> EveryWording() {
    std::vector<TableFault> faults;
    for (int k = 0; k <= static_cast<int>(Kind::AfterEnd); ++k) {
        faults.push_back(Fault(static_cast<Kind>(k)));
    }
    const auto variant = [&](Kind kind, auto change) {
        TableFault fault = Fault(kind);
        change(fault);
        faults.push_back(fault);
    };
    variant(Kind::NotLeast, [](TableFault& f) { f.nodes = {2, 5}; });
    variant(Kind::NotLeast, [](TableFault& f) { f.nodes.clear(); });
    variant(Kind::WrongStart, [](TableFault& f) { f.expected.reset(); });
    variant(Kind::WrongDistance, [](TableFault& f) { f.expected = 7; });
    variant(Kind::WrongPredecessor, [](TableFault& f) { f.weight = -1; });
    variant(Kind::Truncated, [](TableFault& f) { f.noWay = true; });
    variant(Kind::AfterEnd, [](TableFault& f) { f.noWay = true; });
    variant(Kind::NoChoice, [](TableFault& f) { f.node.reset(); });
    return faults;
}

TEST(TableCheckTexts, EveryFaultReadsWholeAndApartInBothLanguages) {
    for (const graph::Language language : {graph::Language::Russian, graph::Language::English}) {
        std::set<std::string> texts;
        for (const TableFault& fault : EveryWording()) {
            const std::string text = graph::FaultText(fault, language);
            const std::string kind = std::to_string(static_cast<int>(fault.kind));
            EXPECT_FALSE(text.empty()) << kind;
            EXPECT_EQ(text.find_first_of("{}"), std::string::npos) << kind << ": " << text;
            EXPECT_TRUE(texts.insert(text).second) << kind << " reads as another: " << text;
        }
    }
}

}  // namespace
