// A step of the tables' history, packed; see table_step.h.
#include "table_step.h"

#include <algorithm>

#include "graph_tables.h"

namespace app {

namespace {

// Cells are numbered by table, column and row; rows and columns stay far
// below 2^15 since the tables hold at most 100 nodes.
std::uint32_t CellNumber(TableId table, int column, int row) {
    return (static_cast<std::uint32_t>(table) << 30) | (static_cast<std::uint32_t>(column) << 15) |
           static_cast<std::uint32_t>(row);
}

TableId CellTable(std::uint32_t cell) { return static_cast<TableId>(cell >> 30); }
int CellColumn(std::uint32_t cell) { return static_cast<int>((cell >> 15) & 0x7fff); }
int CellRow(std::uint32_t cell) { return static_cast<int>(cell & 0x7fff); }

QString KindText(TableStep::Kind kind) {
    switch (kind) {
        case TableStep::Kind::Edit:
            return QStringLiteral("ввод в ячейку");
        case TableStep::Kind::Count:
            return QStringLiteral("изменение числа узлов");
        case TableStep::Kind::Paste:
            return QStringLiteral("вставку");
        case TableStep::Kind::Clear:
            return QStringLiteral("удаление");
        case TableStep::Kind::ClearAll:
            return QStringLiteral("очистку таблиц");
        case TableStep::Kind::Layout:
            return QStringLiteral("расстановку по кругу");
        case TableStep::Kind::Zeros:
            return QStringLiteral("удаление нулей");
    }
    return {};
}

}  // namespace

TableStep::TableStep(GraphTables& tables, Kind kind, int count)
    : QUndoCommand(KindText(kind)),
      tables_(tables),
      kind_(kind),
      countBefore_(count),
      countAfter_(count) {}

void TableStep::Record(TableId table, int column, int row, const std::string& before,
                       const std::string& after) {
    const std::uint32_t cell = CellNumber(table, column, row);
    const auto [place, added] = recorded_.try_emplace(cell, Texts{before, after});
    if (added) {
        order_.push_back(cell);
    } else {
        place->second.after = after;
    }
}

bool TableStep::Settle() {
    std::size_t bytes = 0;
    for (const auto& [cell, texts] : recorded_) bytes += texts.before.size() + texts.after.size();
    texts_.reserve(texts_.size() + bytes);
    changes_.reserve(changes_.size() + order_.size());
    for (const std::uint32_t cell : order_) {
        const Texts& texts = recorded_.at(cell);
        if (texts.before == texts.after) continue;
        texts_ += texts.before;
        const auto beforeEnd = static_cast<std::uint32_t>(texts_.size());
        texts_ += texts.after;
        changes_.push_back({cell, beforeEnd, static_cast<std::uint32_t>(texts_.size())});
    }
    order_ = {};
    recorded_ = {};
    changes_.shrink_to_fit();
    texts_.shrink_to_fit();
    return !changes_.empty() || countBefore_ != countAfter_;
}

void TableStep::Cancel() {
    std::vector<GraphTables::CellText> cells;
    for (auto cell = order_.rbegin(); cell != order_.rend(); ++cell) {
        cells.push_back(
            {CellTable(*cell), CellColumn(*cell), CellRow(*cell), recorded_.at(*cell).before});
    }
    order_ = {};
    recorded_ = {};
    tables_.Restore(countBefore_, cells);
    countAfter_ = countBefore_;
}

void TableStep::Amend(TableId table, int column, int row, const std::string& before,
                      const std::string& after) {
    const std::uint32_t cell = CellNumber(table, column, row);
    for (const Change& change : changes_) {
        if (change.cell == cell) {
            Unpack();
            Record(table, column, row, before, after);
            Settle();
            return;
        }
    }
    Record(table, column, row, before, after);
    Settle();
}

std::size_t TableStep::Bytes() const {
    return sizeof *this + changes_.capacity() * sizeof(Change) + texts_.capacity();
}

std::string TableStep::Before(std::size_t k) const {
    const std::uint32_t begin = k == 0 ? 0 : changes_[k - 1].afterEnd;
    return texts_.substr(begin, changes_[k].beforeEnd - begin);
}

std::string TableStep::After(std::size_t k) const {
    return texts_.substr(changes_[k].beforeEnd, changes_[k].afterEnd - changes_[k].beforeEnd);
}

void TableStep::Unpack() {
    for (std::size_t k = 0; k < changes_.size(); ++k) {
        order_.push_back(changes_[k].cell);
        recorded_.emplace(changes_[k].cell, Texts{Before(k), After(k)});
    }
    changes_.clear();
    texts_.clear();
}

void TableStep::undo() {
    undone_ = true;
    Apply(false);
}

void TableStep::redo() { Apply(true); }

void TableStep::Apply(bool forward) {
    std::vector<GraphTables::CellText> cells;
    cells.reserve(changes_.size());
    for (std::size_t k = 0; k < changes_.size(); ++k) {
        const std::uint32_t cell = changes_[k].cell;
        cells.push_back(
            {CellTable(cell), CellColumn(cell), CellRow(cell), forward ? After(k) : Before(k)});
    }
    // Taken back, the cells go back in the reverse order of their writing.
    if (!forward) std::reverse(cells.begin(), cells.end());
    tables_.Restore(forward ? countAfter_ : countBefore_, cells);
}

int TableStep::id() const { return kind_ == Kind::Count ? 1 : -1; }

bool TableStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const TableStep*>(other);
    if (undone_) return false;
    Unpack();
    for (std::size_t k = 0; k < next->changes_.size(); ++k) {
        const std::uint32_t cell = next->changes_[k].cell;
        Record(CellTable(cell), CellColumn(cell), CellRow(cell), next->Before(k), next->After(k));
    }
    countAfter_ = next->countAfter_;
    Settle();
    return true;
}

}  // namespace app
