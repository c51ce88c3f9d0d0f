// One step of the tables' history: the cells it changed, with their texts
// before and after, and the node count before and after. The texts of a step
// are kept in one buffer and the cells as small fixed records, so that a
// thousand steps that each paste a whole 100 x 100 matrix fit in a few
// hundred megabytes.
#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace app {

enum class TableId { Nodes, Matrix };

class GraphTables;

class TableStep : public QUndoCommand {
public:
    enum class Kind { Edit, Count, Paste, Clear, ClearAll, Layout, Zeros };

    TableStep(GraphTables& tables, Kind kind, int count);

    Kind StepKind() const { return kind_; }
    // Records a write of cell (column, row); a cell written again keeps its
    // first text before and takes the new one after.
    void Record(TableId table, int column, int row, const std::string& before,
                const std::string& after);
    void SetCountAfter(int count) { countAfter_ = count; }
    // Puts back the texts the recording changed, and forgets them.
    void Cancel();
    // A write after the step was done, by a command emptying the diagonal,
    // becomes part of it, so that doing the step again gives the texts as
    // they stand now.
    void Amend(TableId table, int column, int row, const std::string& before,
               const std::string& after);
    // Ends the recording: forgets the cells whose text came back to what it
    // was and packs the rest. True when the step changes anything.
    bool Settle();
    // The bytes the step holds.
    std::size_t Bytes() const;

    void undo() override;
    void redo() override;
    int id() const override;
    // A run of count changes is one step, until the run is taken back.
    bool mergeWith(const QUndoCommand* other) override;

private:
    struct Change {
        std::uint32_t cell;
        // Where the text before ends and the text after begins and ends in
        // texts_; the text before begins where the previous change ends.
        std::uint32_t beforeEnd;
        std::uint32_t afterEnd;
    };

    // A cell's texts while the step is being recorded.
    struct Texts {
        std::string before;
        std::string after;
    };

    std::string Before(std::size_t k) const;
    std::string After(std::size_t k) const;
    void Unpack();
    void Apply(bool forward);

    GraphTables& tables_;
    Kind kind_;
    int countBefore_;
    int countAfter_;
    std::vector<Change> changes_;
    std::string texts_;
    // While recording: the cells in the order first written.
    std::vector<std::uint32_t> order_;
    std::unordered_map<std::uint32_t, Texts> recorded_;
    // A count run that was taken back is not joined again.
    bool undone_ = false;
};

}  // namespace app
