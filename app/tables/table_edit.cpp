// An edit of the tables' history, packed; see table_edit.h.
#include "app/tables/table_edit.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <utility>

namespace app {

namespace {

// Cells are numbered by table, column and row, seven bits each: the tables
// hold at most 100 nodes.
constexpr std::uint32_t kCells = 1u << 15;

std::uint32_t CellNumber(TableId table, int column, int row) {
    return (static_cast<std::uint32_t>(table) << 14) | (static_cast<std::uint32_t>(column) << 7) |
           static_cast<std::uint32_t>(row);
}

CellText CellOf(std::uint32_t cell, std::string text) {
    return {static_cast<TableId>(cell >> 14), static_cast<int>((cell >> 7) & 0x7f),
            static_cast<int>(cell & 0x7f), std::move(text)};
}

// Numbers as seven bits a byte, the high bit saying that more follow.
void PutNumber(std::string& out, std::uint32_t value) {
    while (value >= 0x80) {
        out += static_cast<char>((value & 0x7f) | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}

std::uint32_t TakeNumber(const std::string& in, std::size_t& at) {
    std::uint32_t value = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(in[at++]);
        value |= static_cast<std::uint32_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) return value;
    }
}

std::string TakeText(const std::string& in, std::size_t& at) {
    const std::uint32_t size = TakeNumber(in, at);
    std::string text = in.substr(at, size);
    at += size;
    return text;
}

QString KindText(TableEdit::Kind kind) {
    switch (kind) {
        case TableEdit::Kind::Typing:
            return QCoreApplication::translate("app::TableEdit", "ввод в ячейку");
        case TableEdit::Kind::Count:
            return QCoreApplication::translate("app::TableEdit", "изменение числа узлов");
        case TableEdit::Kind::Paste:
            return QCoreApplication::translate("app::TableEdit", "вставку");
        case TableEdit::Kind::Clear:
            return QCoreApplication::translate("app::TableEdit", "удаление");
        case TableEdit::Kind::ClearAll:
            return QCoreApplication::translate("app::TableEdit", "очистку таблиц");
        case TableEdit::Kind::Layout:
            return QCoreApplication::translate("app::TableEdit", "расстановку по кругу");
        case TableEdit::Kind::ReadableLayout:
            return QCoreApplication::translate("app::TableEdit", "расстановку узлов");
        case TableEdit::Kind::Zeros:
            return QCoreApplication::translate("app::TableEdit", "удаление нулей");
        case TableEdit::Kind::MoveNode:
            return QCoreApplication::translate("app::TableEdit", "перемещение узла");
        case TableEdit::Kind::AddNode:
            return QCoreApplication::translate("app::TableEdit", "добавление узла");
        case TableEdit::Kind::DeleteNode:
            return QCoreApplication::translate("app::TableEdit", "удаление узла");
        case TableEdit::Kind::Link:
            return QCoreApplication::translate("app::TableEdit", "ввод веса связи");
    }
    return {};
}

}  // namespace

TableEdit::TableEdit(Kind kind, int count, Restorer restore, std::vector<CellWrite>& loose)
    : QUndoCommand(KindText(kind)),
      restore_(std::move(restore)),
      loose_(loose),
      kind_(kind),
      countBefore_(count),
      countAfter_(count) {}

void TableEdit::Record(TableId table, int column, int row, const std::string& before,
                       const std::string& after) {
    if (slots_.empty()) slots_.assign(kCells, 0);
    const std::uint32_t cell = CellNumber(table, column, row);
    const auto at = static_cast<std::uint32_t>(scratch_.size());
    if (slots_[cell] == 0) {
        scratch_ += before;
        scratch_ += after;
        pending_.push_back({cell, at, static_cast<std::uint32_t>(before.size()),
                            static_cast<std::uint32_t>(at + before.size()),
                            static_cast<std::uint32_t>(after.size())});
        slots_[cell] = static_cast<std::uint32_t>(pending_.size());
        return;
    }
    // The text it had before stays; the new one goes after the others.
    Pending& entry = pending_[slots_[cell] - 1];
    scratch_ += after;
    entry.after = at;
    entry.afterSize = static_cast<std::uint32_t>(after.size());
}

bool TableEdit::Settle() {
    for (const Pending& entry : pending_) {
        const std::string_view texts(scratch_);
        const std::string_view before = texts.substr(entry.before, entry.beforeSize);
        const std::string_view after = texts.substr(entry.after, entry.afterSize);
        if (before == after) continue;
        PutNumber(packed_, entry.cell);
        PutNumber(packed_, entry.beforeSize);
        packed_ += before;
        PutNumber(packed_, entry.afterSize);
        packed_ += after;
    }
    ForgetRecording();
    packed_.shrink_to_fit();
    return !packed_.empty() || countBefore_ != countAfter_;
}

void TableEdit::ForgetRecording() {
    // Assigning {} would keep the capacity, which a thousand edits cannot.
    pending_ = std::vector<Pending>();
    scratch_ = std::string();
    slots_ = std::vector<std::uint32_t>();
}

std::vector<TableEdit::Change> TableEdit::Unpacked() const {
    std::vector<Change> changes;
    for (std::size_t at = 0; at < packed_.size();) {
        const std::uint32_t cell = TakeNumber(packed_, at);
        std::string before = TakeText(packed_, at);
        changes.push_back({cell, std::move(before), TakeText(packed_, at)});
    }
    return changes;
}

void TableEdit::Reopen() {
    for (const Change& change : Unpacked()) {
        const CellText cell = CellOf(change.cell, {});
        Record(cell.table, cell.column, cell.row, change.before, change.after);
    }
    packed_.clear();
}

void TableEdit::Cancel() {
    std::vector<CellText> cells;
    for (auto entry = pending_.rbegin(); entry != pending_.rend(); ++entry) {
        cells.push_back(CellOf(entry->cell, scratch_.substr(entry->before, entry->beforeSize)));
    }
    ForgetRecording();
    restore_(countBefore_, cells, kind_);
    countAfter_ = countBefore_;
}

bool TableEdit::TakeIn(const std::vector<CellWrite>& writes) {
    if (writes.empty()) return true;
    Reopen();
    for (const CellWrite& write : writes) {
        Record(write.table, write.column, write.row, write.before, write.after);
    }
    return Settle();
}

bool TableEdit::UndoneByLooseWrites() const {
    if (countBefore_ != countAfter_) return false;
    // Each cell's first text before and last text after, the edit's own
    // writes first.
    std::map<std::uint32_t, std::pair<std::string, std::string>> texts;
    for (Change& change : Unpacked()) {
        texts.emplace(change.cell, std::pair(std::move(change.before), std::move(change.after)));
    }
    for (const CellWrite& write : loose_) {
        const auto entry = texts
                               .try_emplace(CellNumber(write.table, write.column, write.row),
                                            write.before, write.after)
                               .first;
        entry->second.second = write.after;
    }
    return std::all_of(texts.begin(), texts.end(),
                       [](const auto& entry) { return entry.second.first == entry.second.second; });
}

std::size_t TableEdit::Bytes() const { return sizeof *this + packed_.capacity(); }

void TableEdit::undo() {
    undone_ = true;
    const bool changes = TakeIn(std::exchange(loose_, {}));
    loose_ = std::move(looseBefore_);
    // Writing nothing, it leaves the history.
    if (!changes) {
        setObsolete(true);
        return;
    }
    Apply(false);
}

void TableEdit::redo() {
    looseBefore_ = std::exchange(loose_, {});
    if (pushed_) Apply(true);
    pushed_ = true;
}

void TableEdit::Apply(bool forward) {
    std::vector<CellText> cells;
    for (Change& change : Unpacked()) {
        cells.push_back(
            CellOf(change.cell, forward ? std::move(change.after) : std::move(change.before)));
    }
    // Taken back, the cells go back in the reverse order of their writing.
    if (!forward) std::reverse(cells.begin(), cells.end());
    restore_(forward ? countAfter_ : countBefore_, cells, kind_);
}

int TableEdit::id() const { return kind_ == Kind::Count ? 1 : -1; }

bool TableEdit::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const TableEdit*>(other);
    if (undone_) return false;
    Reopen();
    // The loose writes between the two come before the next edit's own.
    for (const CellWrite& write : next->looseBefore_) {
        Record(write.table, write.column, write.row, write.before, write.after);
    }
    for (const Change& change : next->Unpacked()) {
        const CellText cell = CellOf(change.cell, {});
        Record(cell.table, cell.column, cell.row, change.before, change.after);
    }
    countAfter_ = next->countAfter_;
    if (!Settle()) {
        // Gone, the history stands where it stood before this edit.
        setObsolete(true);
        loose_ = std::move(looseBefore_);
    }
    return true;
}

}  // namespace app
