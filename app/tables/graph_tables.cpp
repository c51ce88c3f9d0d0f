// The window's graph tables and their history; see graph_tables.h.
#include "app/tables/graph_tables.h"

#include <cstdint>
#include <string>
#include <utility>

namespace app {

namespace {

constexpr int kNodeTableColumns = 3;
// Sizes before the first Resize, as the grids are designed.
constexpr int kInitialNodeRows = 5;
constexpr int kInitialMatrixSize = 5;
// Edits kept for taking back; a thousand whole-matrix pastes stay within a
// few hundred megabytes.
constexpr int kMostEdits = 1000;

}  // namespace

GraphTables::Edit::Edit(GraphTables& tables, Kind kind) : tables_(tables) {
    if (kind != Kind::Typing) tables.EndCellEdit();
    outermost_ = tables.open_ == nullptr;
    if (!outermost_) return;
    tables.open_ = std::make_unique<TableEdit>(
        kind, tables.count_,
        [&tables](int count, const std::vector<CellText>& cells, Kind edited) {
            tables.Restore(count, cells, edited);
        },
        tables.loose_);
}

GraphTables::Edit::~Edit() {
    if (!outermost_ || !tables_.open_) return;
    std::unique_ptr<TableEdit> edit = std::move(tables_.open_);
    edit->SetCountAfter(tables_.count_);
    if (!edit->Settle()) return;
    const Kind kind = edit->EditKind();
    tables_.history_->push(edit.release());
    tables_.EmitEdited(kind);
}

GraphTables::GraphTables(int count, QObject* parent)
    : QObject(parent),
      count_(count),
      nodes_(new CellTableModel(kNodeTableColumns, kInitialNodeRows, this)),
      matrix_(new CellTableModel(kInitialMatrixSize, kInitialMatrixSize, this)),
      history_(new QUndoStack(this)) {
    history_->setUndoLimit(kMostEdits);
    nodes_->SetWriteObserver(
        [this](int column, int row, const std::string& before, const std::string& after) {
            Written(TableId::Nodes, column, row, before, after);
        });
    matrix_->SetWriteObserver(
        [this](int column, int row, const std::string& before, const std::string& after) {
            Written(TableId::Matrix, column, row, before, after);
        });
}

GraphTables::~GraphTables() {
    // An editing session still open records nothing more.
    open_.reset();
    cellEdit_.reset();
}

void GraphTables::Shape(int n) {
    count_ = n;
    BeginBatch();
    nodes_->SetSize(kNodeTableColumns, n + 1);
    matrix_->SetSize(n + 1, n + 1);
    for (int k = 1; k <= n; ++k) {
        const std::string number = std::to_string(k);
        nodes_->SetCellText(0, k, number);
        matrix_->SetCellText(0, k, number);
        matrix_->SetCellText(k, 0, number);
    }
    nodes_->SetCellText(1, 0, "X");
    nodes_->SetCellText(2, 0, "Y");
    EndBatch();
}

void GraphTables::Resize(int n) {
    BeginBatch();
    Shape(n);
    for (int k = 1; k <= n; ++k) matrix_->SetCellText(k, k, std::string());
    EndBatch();
}

void GraphTables::SetCount(int n) {
    emit CountRequested(n);
    if (count_ != n) Resize(n);
}

void GraphTables::BeginSession(Kind kind) {
    if (cellEdit_ && open_ && open_->EditKind() != kind) EndCellEdit();
    if (!cellEdit_) cellEdit_.emplace(*this, kind);
}

void GraphTables::EmitEdited(Kind kind) {
    if (kind == Kind::MoveNode || kind == Kind::Layout || kind == Kind::ReadableLayout) {
        emit NodesMoved();
    } else {
        emit Edited();
    }
}

void GraphTables::EndCellEdit() { cellEdit_.reset(); }

void GraphTables::CancelCellEdit() {
    if (!cellEdit_) return;
    if (open_ && open_->EditKind() == Kind::Typing) open_->Cancel();
    cellEdit_.reset();
}

void GraphTables::Written(TableId table, int column, int row, const std::string& before,
                          const std::string& after) {
    // Header cells follow the count; they are written again from it.
    if (column == 0 || row == 0) return;
    if (open_) {
        open_->Record(table, column, row, before, after);
        return;
    }
    // A command empties the diagonal outside any edit: that is no change of
    // the person's, so it belongs to the state the history stands at.
    const int done = history_->index();
    if (table != TableId::Matrix || column != row || done == 0) return;
    loose_.push_back({table, column, row, before, after});
    if (!static_cast<const TableEdit*>(history_->command(done - 1))->UndoneByLooseWrites()) return;
    // The last edit only wrote texts the command emptied: taken back, it
    // writes nothing and goes, and the tables are as clean as they were
    // before the command.
    const bool clean = history_->isClean();
    history_->undo();
    if (clean) history_->setClean();
}

void GraphTables::Restore(int count, const std::vector<CellText>& cells, Kind kind) {
    // The count box may already show a count that is being typed, which a
    // edit done as it is pushed must not undo.
    const bool resized = count != count_;
    BeginBatch();
    if (resized) Shape(count);
    for (const CellText& cell : cells) {
        Table(cell.table)->RestoreCellText(cell.column, cell.row, cell.text);
    }
    EndBatch();
    if (resized) emit CountRequested(count);
    EmitEdited(kind);
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

int GraphTables::FirstUnplacedNode() const {
    for (int node = 1; node <= count_; ++node) {
        if (!HasPlace(node)) return node;
    }
    return 0;
}

int GraphTables::PlacedCount() const {
    int placed = count_;
    while (placed > 0 && !HasPlace(placed)) --placed;
    return placed;
}

bool GraphTables::HasPlace(int node) const {
    return !nodes_->CellText(1, node).empty() || !nodes_->CellText(2, node).empty();
}

graph::Graph GraphTables::ReadGraph() {
    graph::Graph graph;
    const auto count = static_cast<std::int16_t>(count_);
    graph::ReadNodePoints(*nodes_, count, graph.points, graph.adjacency);
    graph::ReadAdjacency(*matrix_, count, graph.adjacency);
    return graph;
}

void GraphTables::Load(const document::GraphTexts& texts) {
    EndCellEdit();
    history_->clear();
    loose_.clear();
    BeginBatch();
    for (CellTableModel* table : {nodes_, matrix_}) {
        for (const auto& [column, row] : table->FilledCells()) {
            table->SetCellText(column, row, std::string());
        }
    }
    // The headers were emptied too; the count box follows the count, so
    // that its change is no edit.
    const int n = static_cast<int>(texts.matrix.size());
    Shape(n);
    for (int i = 0; i < n; ++i) {
        if (static_cast<std::size_t>(i) < texts.nodes.size()) {
            nodes_->SetCellText(1, i + 1, texts.nodes[i][0]);
            nodes_->SetCellText(2, i + 1, texts.nodes[i][1]);
        }
        for (int j = 0; j < n; ++j) matrix_->SetCellText(i + 1, j + 1, texts.matrix[i][j]);
    }
    EndBatch();
    emit CountRequested(n);
    history_->setClean();
    emit Edited();
}

void GraphTables::ClearAll() {
    const Edit edit(*this, Kind::ClearAll);
    BeginBatch();
    for (CellTableModel* table : {nodes_, matrix_}) {
        for (const auto& [column, row] : table->FilledCells()) {
            if (column > 0 && row > 0) table->SetCellText(column, row, std::string());
        }
    }
    EndBatch();
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
