// A main window started in a scratch folder that holds the default 1.bmp,
// with every message box and question recorded instead of shown (questions
// answered from a queue, file dialogs too), and the small steps a person
// takes: typing into a cell, clicking a button, reading a label.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <memory>
#include <ostream>
#include <vector>

#include "app/Unit1.h"
#include "app/files/file_dialogs.h"
#include "app/messages.h"
#include "app/picture/picture_view.h"
#include "app/tables/cell_grid.h"
#include "app/tables/cell_table_model.h"
#include "tests/gui_session.h"

// Texts in failure messages as text, not as arrays of code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class WindowTest : public ::testing::Test {
protected:
    static constexpr QRgb kWhite = 0xffffffff;
    static constexpr QRgb kBlack = 0xff000000;
    static constexpr QRgb kBlue = 0xff0000ff;
    static constexpr QRgb kGreen = 0xff008000;
    static constexpr QRgb kRed = 0xffff0000;

    void SetUp() override;
    void TearDown() override;

    // Closes the window and opens a new one, as a fresh start of the program.
    void RestartForm();

    template <typename T>
    T* Find(const char* name) const {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    app::CellGrid* Grid(const char* name) const { return Find<app::CellGrid>(name); }
    // The texts behind a grid, those beyond its size included.
    app::CellTableModel* Model(const char* grid) const {
        return qobject_cast<app::CellTableModel*>(Grid(grid)->model());
    }
    // The view's index of table cell (column, row).
    QModelIndex Index(const char* grid, int column, int row) const {
        return Grid(grid)->model()->index(row - 1, column - 1);
    }

    // Opens the cell editor of (column, row) with its text selected, as a
    // double click does.
    QLineEdit* OpenEditor(const char* grid, int column, int row);
    // Types `text` over the cell's text and presses Enter; the empty text
    // deletes what was there.
    void TypeIntoCell(const char* grid, int column, int row, const QString& text);
    // A link typed once into the matrix, as a person does it.
    void TypeLink(int from, int to, const QString& weight) {
        TypeIntoCell("StringGrid2", from, to, weight);
    }
    void Click(const char* button);
    // Selects the block of table cells from (left, top) to (right, bottom)
    // and gives the grid the focus, as a drag with the mouse does.
    void Select(const char* grid, int left, int top, int right, int bottom);
    // Puts `text` on the clipboard and presses Ctrl+V on the grid.
    void Paste(const char* grid, const QString& text);
    // Chooses `entry` from the tables' right-click menu.
    void ChooseFromTableMenu(const QString& entry);
    // A file of the scratch folder, written or read whole.
    QString Write(const QString& name, const QByteArray& bytes);
    QByteArray Read(const QString& path);
    // The node count and every text of both tables up to 12 nodes, shown
    // or kept beyond the count.
    std::vector<QString> All() const;
    QString LabelText(const char* name) const;
    QString Cell(const char* grid, int column, int row) const;
    int Rows(const char* grid) const;
    int Columns(const char* grid) const;

    const QImage& Picture() const { return Find<app::PictureView>("Image1")->Picture(); }
    // True when some pixel within `radius` of (x, y) has `colour`.
    bool ColourNear(int x, int y, QRgb colour, int radius = 1) const;
    // True when some pixel of `area` is dark, as the glyphs of a number are.
    bool TextIn(const QRect& area) const;

    std::vector<app::MessageBoxContent> shown;
    std::vector<app::QuestionContent> asked;
    // Answers to the questions, in turn; Cancel or No when none is left.
    std::deque<QMessageBox::StandardButton> answers;
    std::vector<app::FileRequest> requested;
    // Files the dialogs choose, in turn; cancelled when none is left.
    std::deque<app::FileChoice> choices;
    std::unique_ptr<TForm1> form;
    BackgroundFolder folder{QStringLiteral(GRAPHWAY_BACKGROUND)};

private:
    app::MessageBoxShower previousShower_;
    app::QuestionAsker previousAsker_;
    app::FileChooser previousChooser_;
};
