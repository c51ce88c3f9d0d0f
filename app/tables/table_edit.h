// One edit of the tables' history: the cells it changed, with their texts
// before and after, and the node count before and after. A done edit keeps
// its cells in one byte string (cell number, then each text with its
// length), so that a thousand edits that each paste a whole 100 x 100
// matrix take about a hundred megabytes.
//
// The tables may take writes outside any edit, as a command empties the
// diagonal: no change of the person's, they belong to the state the history
// stands at. The edit done after them keeps them for the edit before it,
// and that edit takes them in when it is taken back, so that doing it again
// gives the texts as they were left. An edit changes only in the history's
// own calls, redo, undo and mergeWith.
#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace app {

enum class TableId { Nodes, Matrix };

// A cell's text as an edit puts it back.
struct CellText {
    TableId table;
    int column;
    int row;
    std::string text;
};

// A cell's text changed from `before` to `after`.
struct CellWrite {
    TableId table;
    int column;
    int row;
    std::string before;
    std::string after;
};

class TableEdit : public QUndoCommand {
public:
    enum class Kind {
        Typing,
        Count,
        Paste,
        Clear,
        ClearAll,
        Layout,
        ReadableLayout,
        Zeros,
        MoveNode,
        AddNode,
        DeleteNode,
        Link
    };

    // Puts the node count and the cells back as an edit of `kind` left or
    // found them.
    using Restorer = std::function<void(int count, const std::vector<CellText>& cells, Kind kind)>;

    // `count` is the node count before the edit; `loose` holds the writes
    // the tables took outside any edit at the state the history stands at,
    // which the edit takes and gives back as it is done and taken back.
    TableEdit(Kind kind, int count, Restorer restore, std::vector<CellWrite>& loose);

    Kind EditKind() const { return kind_; }
    // Records a write of cell (column, row), both below 128; a cell written
    // again keeps its first text before and takes the new one after.
    void Record(TableId table, int column, int row, const std::string& before,
                const std::string& after);
    void SetCountAfter(int count) { countAfter_ = count; }
    // Puts back the texts the recording changed, and forgets them.
    void Cancel();
    // Ends the recording: forgets the cells whose text came back to what it
    // was and packs the rest. True when the edit changes anything.
    bool Settle();
    // True for the done edit the history stands at when the loose writes
    // have put back every text it wrote and the count is as it found it:
    // taken back, it then writes nothing and leaves the history.
    bool UndoneByLooseWrites() const;
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
    // Makes `writes`, done after the edit, part of it. True when the edit
    // still changes anything.
    bool TakeIn(const std::vector<CellWrite>& writes);
    void Apply(bool forward);

    Restorer restore_;
    std::vector<CellWrite>& loose_;
    // The loose writes of the state before this edit, kept while it is done.
    std::vector<CellWrite> looseBefore_;
    Kind kind_;
    int countBefore_;
    int countAfter_;
    std::string packed_;
    // While recording: the cells in the order first written, their texts,
    // and where each cell number's entry is (0 for none, else index + 1).
    std::vector<Pending> pending_;
    std::string scratch_;
    std::vector<std::uint32_t> slots_;
    // Pushing does the edit, which is already in the tables.
    bool pushed_ = false;
    // A count run that was taken back is not joined again.
    bool undone_ = false;
};

}  // namespace app
