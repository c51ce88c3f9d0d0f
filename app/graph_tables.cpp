// The window's graph tables and their history; see graph_tables.h.
#include "graph_tables.h"

#include <algorithm>
#include <string>
#include <utility>

namespace app {

namespace {

constexpr int kNodeTableColumns = 3;
// Sizes before the first Resize, as the grids are designed.
constexpr int kInitialNodeRows = 5;
constexpr int kInitialMatrixSize = 5;

long long CellKey(TableId table, int column, int row) {
    return (static_cast<long long>(table) << 42) | (static_cast<long long>(column) << 21) | row;
}

}  // namespace

GraphTables::GraphTables(int count, QObject* parent)
    : QObject(parent),
      count_(count),
      nodes_(new CellTableModel(kNodeTableColumns, kInitialNodeRows, this)),
      matrix_(new CellTableModel(kInitialMatrixSize, kInitialMatrixSize, this)) {
    nodes_->SetWriteObserver(
        [this](int column, int row, const std::string& before, const std::string& after) {
            Written(TableId::Nodes, column, row, before, after);
        });
    matrix_->SetWriteObserver(
        [this](int column, int row, const std::string& before, const std::string& after) {
            Written(TableId::Matrix, column, row, before, after);
        });
}

void GraphTables::Resize(int n) {
    count_ = n;
    BeginBatch();
    nodes_->SetSize(kNodeTableColumns, n + 1);
    matrix_->SetSize(n + 1, n + 1);
    for (int k = 1; k <= n; ++k) {
        const std::string number = std::to_string(k);
        nodes_->SetCellText(0, k, number);
        matrix_->SetCellText(0, k, number);
        matrix_->SetCellText(k, 0, number);
        matrix_->SetCellText(k, k, std::string());
    }
    nodes_->SetCellText(1, 0, "X");
    nodes_->SetCellText(2, 0, "Y");
    EndBatch();
}

void GraphTables::SetCount(int n) {
    emit CountRequested(n);
    if (count_ != n) Resize(n);
}

void GraphTables::BeginStep(Step step) {
    if (replaying_) return;
    if (step != Step::Edit) EndCellEdit();
    if (depth_++ > 0) return;
    open_ = EditStep{step, count_, count_, {}, std::nullopt};
    openCells_.clear();
}

void GraphTables::EndStep() {
    if (replaying_ || depth_ == 0 || --depth_ > 0) return;
    EditStep step = std::move(*open_);
    open_.reset();
    openCells_.clear();
    step.countAfter = count_;
    std::erase_if(step.changes,
                  [](const CellChange& change) { return change.before == change.after; });
    Finish(std::move(step));
}

void GraphTables::Finish(EditStep step) {
    const bool changed =
        !step.changes.empty() || step.countBefore != step.countAfter || step.document;
    if (!changed) return;
    EditStep* last = history_.Last();
    if (step.kind == Step::Count && countRunOpen_ && last != nullptr && last->kind == Step::Count) {
        // The run goes on: its cells keep their first text before and take
        // their latest after.
        for (CellChange& change : step.changes) {
            auto same = std::find_if(
                last->changes.begin(), last->changes.end(), [&](const CellChange& earlier) {
                    return earlier.table == change.table && earlier.column == change.column &&
                           earlier.row == change.row;
                });
            if (same != last->changes.end()) {
                same->after = std::move(change.after);
            } else {
                last->changes.push_back(std::move(change));
            }
        }
        last->countAfter = step.countAfter;
        history_.LastGrew();
    } else {
        history_.Push(std::move(step));
    }
    countRunOpen_ = history_.Last() != nullptr && history_.Last()->kind == Step::Count;
    RefreshModified();
    emit HistoryChanged();
    emit Edited();
}

void GraphTables::CancelStep() {
    if (depth_ == 0) return;
    const EditStep step = std::move(*open_);
    open_.reset();
    openCells_.clear();
    depth_ = 0;
    Apply(step, false);
}

void GraphTables::EndCellEdit() {
    if (depth_ == 0 || open_->kind != Step::Edit) return;
    depth_ = 1;
    EndStep();
}

void GraphTables::CancelCellEdit() {
    if (depth_ > 0 && open_->kind == Step::Edit) CancelStep();
}

void GraphTables::Written(TableId table, int column, int row, const std::string& before,
                          const std::string& after) {
    if (const std::string* saved = SavedText(table, column, row)) {
        differing_ += (after != *saved) - (before != *saved);
    }
    // Header cells follow the count; they are written again from it.
    if (depth_ == 0 || replaying_ || column == 0 || row == 0) return;
    const auto [place, added] = openCells_.try_emplace(CellKey(table, column, row), 0);
    if (added) {
        place->second = open_->changes.size();
        open_->changes.push_back({table, column, row, before, after});
    } else {
        open_->changes[place->second].after = after;
    }
}

void GraphTables::Undo() {
    if (!history_.CanUndo()) return;
    countRunOpen_ = false;
    Apply(history_.Undo(), false);
    emit HistoryChanged();
    emit Edited();
}

void GraphTables::Redo() {
    if (!history_.CanRedo()) return;
    countRunOpen_ = false;
    Apply(history_.Redo(), true);
    emit HistoryChanged();
    emit Edited();
}

void GraphTables::Apply(const EditStep& step, bool forward) {
    replaying_ = true;
    BeginBatch();
    SetCount(forward ? step.countAfter : step.countBefore);
    if (forward) {
        for (const CellChange& change : step.changes) {
            Table(change.table)->SetCellText(change.column, change.row, change.after);
        }
    } else {
        for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) {
            Table(change->table)->SetCellText(change->column, change->row, change->before);
        }
    }
    if (step.document) SetSaved(forward ? step.document->second : step.document->first);
    EndBatch();
    replaying_ = false;
    RefreshModified();
    emit DocumentChanged();
}

document::GraphTexts GraphTables::Texts() const {
    document::GraphTexts texts;
    texts.nodes.resize(count_);
    texts.matrix.assign(count_, std::vector<std::string>(count_));
    for (int i = 0; i < count_; ++i) {
        texts.nodes[i] = {nodes_->CellText(1, i + 1), nodes_->CellText(2, i + 1)};
        for (int j = 0; j < count_; ++j) texts.matrix[i][j] = matrix_->CellText(i + 1, j + 1);
    }
    return texts;
}

void GraphTables::Load(const document::GraphTexts& texts, const QString& fileName) {
    BeginStep(Step::Open);
    BeginBatch();
    for (CellTableModel* table : {nodes_, matrix_}) {
        for (const auto& [column, row] : table->FilledCells()) {
            table->SetCellText(column, row, std::string());
        }
    }
    const int n = static_cast<int>(texts.matrix.size());
    SetCount(n);
    // The count may not have changed, and the headers were emptied.
    Resize(n);
    for (int i = 0; i < n; ++i) {
        if (static_cast<std::size_t>(i) < texts.nodes.size()) {
            nodes_->SetCellText(1, i + 1, texts.nodes[i][0]);
            nodes_->SetCellText(2, i + 1, texts.nodes[i][1]);
        }
        for (int j = 0; j < n; ++j) matrix_->SetCellText(i + 1, j + 1, texts.matrix[i][j]);
    }
    EndBatch();
    DocumentState opened{fileName.toStdString(), Texts()};
    open_->document = std::make_pair(document_, opened);
    SetSaved(std::move(opened));
    EndStep();
    emit DocumentChanged();
}

void GraphTables::ClearAll() {
    BeginStep(Step::ClearAll);
    BeginBatch();
    for (CellTableModel* table : {nodes_, matrix_}) {
        for (const auto& [column, row] : table->FilledCells()) {
            if (column > 0 && row > 0) table->SetCellText(column, row, std::string());
        }
    }
    EndBatch();
    EndStep();
}

void GraphTables::MarkSaved(const QString& fileName) {
    SetSaved({fileName.toStdString(), Texts()});
    RefreshModified();
    emit DocumentChanged();
}

void GraphTables::MarkStartState() {
    SetSaved({std::string(), Texts()});
    RefreshModified();
    emit DocumentChanged();
}

void GraphTables::SetSaved(DocumentState state) {
    document_ = std::move(state);
    differing_ = 0;
    const auto n = static_cast<int>(document_.saved.matrix.size());
    for (int i = 0; i < n; ++i) {
        const auto& node = document_.saved.nodes[i];
        differing_ +=
            (nodes_->CellText(1, i + 1) != node[0]) + (nodes_->CellText(2, i + 1) != node[1]);
        for (int j = 0; j < n; ++j) {
            differing_ += matrix_->CellText(i + 1, j + 1) != document_.saved.matrix[i][j];
        }
    }
}

const std::string* GraphTables::SavedText(TableId table, int column, int row) const {
    const auto n = static_cast<int>(document_.saved.matrix.size());
    if (row < 1 || row > n || column < 1) return nullptr;
    if (table == TableId::Nodes) {
        return column <= 2 ? &document_.saved.nodes[row - 1][column - 1] : nullptr;
    }
    return column <= n ? &document_.saved.matrix[column - 1][row - 1] : nullptr;
}

void GraphTables::RefreshModified() {
    const bool modified =
        differing_ != 0 || static_cast<std::size_t>(count_) != document_.saved.matrix.size();
    if (modified == modified_) return;
    modified_ = modified;
    emit DocumentChanged();
}

void GraphTables::BeginBatch() {
    nodes_->BeginBatch();
    matrix_->BeginBatch();
}

void GraphTables::EndBatch() {
    nodes_->EndBatch();
    matrix_->EndBatch();
}

}  // namespace app
