// One edit of the tables' history: the cells it changed, with their texts
// before and after, and the node count before and after. A done edit keeps
// its cells in one byte string (cell number, then each text with its
// length), so that a thousand edits that each paste a whole 100 x 100
// matrix take about a hundred megabytes.
#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <string>
#include <vector>

namespace app {

enum class TableId { Nodes, Matrix };

class GraphTables;

class TableEdit : public QUndoCommand {
public:
    enum class Kind {
        Typing,
        Count,
        Paste,
        Clear,
        ClearAll,
        Layout,
        Zeros,
        MoveNode,
        AddNode,
        DeleteNode
    };

    TableEdit(GraphTables& tables, Kind kind, int count);

    Kind EditKind() const { return kind_; }
    // Records a write of cell (column, row), both below 128; a cell written
    // again keeps its first text before and takes the new one after.
    void Record(TableId table, int column, int row, const std::string& before,
                const std::string& after);
    void SetCountAfter(int count) { countAfter_ = count; }
    // Puts back the texts the recording changed, and forgets them.
    void Cancel();
    // A write after the edit was done, by a command emptying the diagonal,
    // becomes part of it, so that doing the edit again gives the texts as
    // they stand now. False when the edit then changes nothing.
    bool Amend(TableId table, int column, int row, const std::string& before,
               const std::string& after);
    // Ends the recording: forgets the cells whose text came back to what it
    // was and packs the rest. True when the edit changes anything.
    bool Settle();
    // The bytes the edit holds.
    std::size_t Bytes() const;

    void undo() override;
    void redo() override;
    int id() const override;
    // A run of count changes is one edit, until the run is taken back.
    bool mergeWith(const QUndoCommand* other) override;

private:
    // A cell being recorded: where its texts stand in scratch_.
    struct Pending {
        std::uint32_t cell;
        std::uint32_t before;
        std::uint32_t beforeSize;
        std::uint32_t after;
        std::uint32_t afterSize;
    };
    struct Change {
        std::uint32_t cell;
        std::string before;
        std::string after;
    };

    std::vector<Change> Unpacked() const;
    // Takes the packed cells back into the recording.
    void Reopen();
    void ForgetRecording();
    void Apply(bool forward);

    GraphTables& tables_;
    Kind kind_;
    int countBefore_;
    int countAfter_;
    std::string packed_;
    // While recording: the cells in the order first written, their texts,
    // and where each cell number's entry is (0 for none, else index + 1).
    std::vector<Pending> pending_;
    std::string scratch_;
    std::vector<std::uint32_t> slots_;
    // A count run that was taken back is not joined again.
    bool undone_ = false;
};

}  // namespace app
