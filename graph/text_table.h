// The plain table of texts that the graph is typed into. The model readers
// work on this interface only, so they run the same over the window's grids,
// over a test's table or over a file's contents.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace graph {

// A table of texts addressed by (column, row), both from 0. A cell that was
// never written reads as the empty text.
class TextTable {
public:
    virtual ~TextTable() = default;

    virtual std::string CellText(int column, int row) const = 0;
    virtual void SetCellText(int column, int row, const std::string& text) = 0;
};

// Texts kept by cell address with no size of their own: a table that shows
// fewer rows or columns still holds the texts beyond them, so growing it
// again brings them back.
class CellStore : public TextTable {
public:
    std::string CellText(int column, int row) const override;
    void SetCellText(int column, int row, const std::string& text) override;

    // The (column, row) of every cell that holds a text, wherever it lies.
    std::vector<std::pair<int, int>> FilledCells() const;

private:
    std::map<std::pair<int, int>, std::string> texts_;
};

}  // namespace graph
