// The steps a person can take back and do again: each records the cells it
// changed (their texts before and after), the node count before and after,
// and for an opened file the file the window worked on before and after. The
// history is bounded both in steps and in the bytes its texts take, so that a
// long session of pastes cannot take the machine's memory.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graph_document.h"

namespace app {

enum class TableId { Nodes, Matrix };

struct CellChange {
    TableId table = TableId::Nodes;
    int column = 0;
    int row = 0;
    std::string before;
    std::string after;
};

// The file the tables belong to and the texts they were last opened or
// saved with; the tables are modified while their texts differ from those.
struct DocumentState {
    std::string fileName;
    document::GraphTexts saved;
};

struct EditStep {
    enum class Kind { Edit, Count, Paste, Clear, ClearAll, Layout, Open };

    Kind kind = Kind::Edit;
    int countBefore = 0;
    int countAfter = 0;
    std::vector<CellChange> changes;
    // Opening a file: the document before and after.
    std::optional<std::pair<DocumentState, DocumentState>> document;

    // An estimate of the memory the step holds.
    std::size_t Bytes() const;
};

class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 1000;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    // Adds `step` after the current position, forgetting the steps that
    // were undone, then forgets the oldest steps while there are more than
    // kMaxSteps or their bytes exceed kMaxBytes; the newest step always
    // stays.
    void Push(EditStep step);

    // The step that was pushed last, while nothing has been undone since;
    // a run of count changes grows it instead of pushing another.
    EditStep* Last();
    // Recounts the bytes after Last() has grown.
    void LastGrew();

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The step to take back or to do again, moving the position past it.
    const EditStep& Undo();
    const EditStep& Redo();

    std::size_t Size() const { return steps_.size(); }
    std::size_t Bytes() const { return bytes_; }

private:
    struct Entry {
        EditStep step;
        std::size_t bytes = 0;
    };

    void Trim();

    std::deque<Entry> steps_;
    std::size_t position_ = 0;
    std::size_t bytes_ = 0;
};

}  // namespace app
