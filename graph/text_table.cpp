// Storage of cell texts by address; see text_table.h.
#include "graph/text_table.h"

namespace graph {

std::string CellStore::CellText(int column, int row) const {
    auto it = texts_.find({column, row});
    return it == texts_.end() ? std::string() : it->second;
}

void CellStore::SetCellText(int column, int row, const std::string& text) {
    // Empty cells are not stored, so the map holds only what was typed.
    if (text.empty()) {
        texts_.erase({column, row});
    } else {
        texts_[{column, row}] = text;
    }
}

std::vector<std::pair<int, int>> CellStore::FilledCells() const {
    std::vector<std::pair<int, int>> cells;
    cells.reserve(texts_.size());
    for (const auto& entry : texts_) cells.push_back(entry.first);
    return cells;
}

}  // namespace graph
