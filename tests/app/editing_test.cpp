// Filling the tables as a person does: blocks pasted from spreadsheets and
// text files, copied back, cleared, the keys of an open cell editor, and
// steps taken back and done again.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "tests/app/window_fixture.h"

namespace {

// A symmetric n x n block with an empty diagonal: cell (c, r) holds c + r.
QString SymmetricBlock(int n, const QString& separator, const QString& lineEnd) {
    QStringList lines;
    for (int r = 1; r <= n; ++r) {
        QStringList cells;
        for (int c = 1; c <= n; ++c) cells << (c == r ? QString() : QString::number(c + r));
        lines << cells.join(separator);
    }
    return lines.join(lineEnd) + lineEnd;
}

}  // namespace

class EditingTest : public WindowTest {
protected:
    void Key(const char* grid, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Grid(grid), key, modifiers);
    }
};

TEST_F(EditingTest, PastedBlocksLandAsIfTypedAndMirror) {
    // Spreadsheet rows: an empty cell between tabs stays empty; CRLF ends.
    Select("StringGrid2", 2, 1, 2, 1);
    Paste("StringGrid2", "5\t\t6\r\n\t\t8\r\n");
    const std::tuple<int, int, const char*> tabbed[] = {
        {2, 1, "5"}, {1, 2, "5"}, {4, 1, "6"}, {1, 4, "6"}, {4, 2, "8"}, {2, 4, "8"}, {3, 1, ""},
    };
    for (const auto& [c, r, text] : tabbed) EXPECT_EQ(Cell("StringGrid2", c, r), text) << c << r;

    // A text file's rows: runs of spaces and ";" separate, the diagonal is
    // skipped.
    Select("StringGrid2", 1, 5, 1, 5);
    Paste("StringGrid2", " 1  2;3\r\n4 ;; 5 \r\n");
    const std::tuple<int, int, const char*> spaced[] = {
        {1, 5, "1"}, {5, 1, "1"}, {2, 5, "2"}, {3, 5, "3"}, {1, 6, "4"},
        {2, 6, ""},  {3, 6, "5"}, {6, 3, "5"}, {5, 5, ""},
    };
    for (const auto& [c, r, text] : spaced) EXPECT_EQ(Cell("StringGrid2", c, r), text) << c << r;
    EXPECT_TRUE(shown.empty());
}

TEST_F(EditingTest, RefusedBlocksLeaveTheTablesAlone) {
    const struct {
        const char* grid;
        int column;
        int row;
        QString text;
        const char* message;
    } cases[] = {
        {"StringGrid2", 1, 95, SymmetricBlock(10, "\t", "\n"),
         "Блок не вставлен: ему нужно 104 узлов, а в окне их может быть не больше 100."},
        {"StringGrid1", 2, 1, "1\t2",
         "Блок не вставлен: в таблице узлов два столбца, X и Y, а блок шириной 2 со столбца Y "
         "заходит за них."},
        {"StringGrid2", 1, 1, "\t3\n4\t",
         "Блок не вставлен: он несимметричен. В столбце 2, строке 1 стоит «3», а в столбце 1, "
         "строке 2 — «4»; при вставке одно из значений заменило бы другое."},
        {"StringGrid1", 1, 1, QString(101, u'1'),
         "Блок не вставлен: в нём есть ячейка длиннее 100 знаков, а в окне их может быть не "
         "больше 100."},
    };
    form->findChild<QSpinBox*>("UpDown1")->setValue(100);
    const std::vector<QString> before = All();
    for (const auto& c : cases) {
        shown.clear();
        Select(c.grid, c.column, c.row, c.column, c.row);
        Paste(c.grid, c.text);
        ASSERT_EQ(shown.size(), 1u) << c.message;
        EXPECT_EQ(shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(All(), before) << c.message;
    }
}

TEST_F(EditingTest, ZerosOffTheDiagonalMayMeanNoLink) {
    const QString textbook = "0 1 0\n1 0 0\n0 0 0\n";
    answers = {QMessageBox::Yes, QMessageBox::No};
    Select("StringGrid2", 1, 1, 1, 1);
    Paste("StringGrid2", textbook);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Считать нули вне диагонали отсутствием связи?");
    EXPECT_EQ(Cell("StringGrid2", 2, 1), "1");
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "");
    Paste("StringGrid2", textbook);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "0");
    EXPECT_EQ(Cell("StringGrid2", 1, 3), "0");
}

TEST_F(EditingTest, WholeGraphArrivesByPasteAndEveryStepGoesBackAndForth) {
    TypeLink(1, 2, "7");
    const std::vector<QString> typed = All();
    Select("StringGrid2", 1, 1, 1, 1);
    Paste("StringGrid2", SymmetricBlock(10, "\t", "\r\n"));
    EXPECT_EQ(form->NodeCount(), 10);
    EXPECT_EQ(Cell("StringGrid2", 10, 3), "13");
    EXPECT_EQ(Cell("StringGrid2", 3, 10), "13");
    const std::vector<QString> pasted = All();

    // The count run by two presses is one step.
    Key("StringGrid2", Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(form->NodeCount(), 8);
    const std::vector<QString> lowered = All();

    const std::vector<std::vector<QString>> states = {typed, pasted, lowered};
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(All(), states[k - 1]) << "undo to state " << k - 1;
    }
    for (std::size_t k = 1; k < states.size(); ++k) {
        QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(All(), states[k]) << "redo to state " << k;
    }

    // An opened file starts a new history.
    const QString file = folder.filePath("graph.json");
    QFile::copy(QStringLiteral(GRAPHWAY_SAMPLE), file);
    answers = {QMessageBox::Discard};
    choices = {{file, app::GraphFilter()}};
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    // The paste of a whole graph onto the sample places offered a layout.
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Расставить узлы?");
    ASSERT_EQ(form->NodeCount(), 6);
    EXPECT_EQ(Cell("StringGrid2", 6, 1), "20");
    const std::vector<QString> opened = All();
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(All(), opened);
    EXPECT_EQ(form->windowTitle(), "Путь на графе — graph.json[*]");
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_TRUE(shown.empty());
}

TEST_F(EditingTest, CopyThenPasteGivesASymmetricBlockBack) {
    Select("StringGrid2", 1, 1, 1, 1);
    Paste("StringGrid2", SymmetricBlock(3, ";", "\n"));
    Select("StringGrid2", 1, 1, 3, 3);
    Key("StringGrid2", Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), SymmetricBlock(3, "\t", "\n").chopped(1));
    const std::vector<QString> before = All();
    Key("StringGrid2", Qt::Key_Delete);
    EXPECT_EQ(Cell("StringGrid2", 3, 2), "");
    Select("StringGrid2", 1, 1, 1, 1);
    Key("StringGrid2", Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(All(), before);
}

TEST_F(EditingTest, EditorKeysCommitMoveOrTakeTheSessionBack) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Tab commits and leaves the grid for the next control.
    QLineEdit* editor = OpenEditor("StringGrid2", 2, 3);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "UpDown1");
    EXPECT_EQ(Cell("StringGrid2", 3, 2), "7");

    // Esc takes the cell and its mirror back to before the session.
    editor = OpenEditor("StringGrid2", 2, 3);
    editor->selectAll();
    QTest::keyClicks(editor, "99");
    EXPECT_EQ(Cell("StringGrid2", 3, 2), "99");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell("StringGrid2", 2, 3), "7");
    EXPECT_EQ(Cell("StringGrid2", 3, 2), "7");

    // Typed into a cell, an arrow moves on; opened with F2, it moves the
    // text cursor.
    Select("StringGrid2", 1, 3, 1, 3);
    Key("StringGrid2", Qt::Key_8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Cell("StringGrid2", 1, 3), "8");
    EXPECT_EQ(Cell("StringGrid2", 2, 3), "9");
    Select("StringGrid2", 1, 3, 1, 3);
    Key("StringGrid2", Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "58");
    EXPECT_NE(Grid("StringGrid2")->indexWidget(Index("StringGrid2", 1, 3)), nullptr);
}

TEST_F(EditingTest, CellThatFailsIsSelectedOnceItsReportCloses) {
    TypeIntoCell("StringGrid2", 3, 4, "x");
    TypeIntoCell("StringGrid1", 2, 5, "1,5");
    for (const auto& [button, grid, column, row] :
         {std::tuple{"Button2", "StringGrid1", 2, 5}, std::tuple{"Button3", "StringGrid1", 2, 5}}) {
        Click(button);
        EXPECT_EQ(Grid(grid)->currentIndex(), Index(grid, column, row)) << button;
        EXPECT_EQ(QApplication::focusWidget(), Grid(grid)) << button;
    }
    TypeIntoCell("StringGrid1", 2, 5, "10");
    Click("Button1");
    EXPECT_EQ(Grid("StringGrid2")->currentIndex(), Index("StringGrid2", 3, 4));
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(EditingTest, TableMenuClearsAndPlacesNodesOneStepEach) {
    TypeLink(1, 2, "5");
    const std::vector<QString> typed = All();
    ChooseFromTableMenu("Расставить узлы по кругу");
    const char* circle[][2] = {{"0", "150"},  {"130", "75"},   {"130", "-75"},
                               {"0", "-150"}, {"-130", "-75"}, {"-130", "75"}};
    for (int node = 1; node <= 6; ++node) {
        EXPECT_EQ(Cell("StringGrid1", 1, node), circle[node - 1][0]);
        EXPECT_EQ(Cell("StringGrid1", 2, node), circle[node - 1][1]);
    }
    const std::vector<QString> placed = All();
    ChooseFromTableMenu("Очистить таблицы");
    EXPECT_EQ(Cell("StringGrid1", 1, 1), "");
    EXPECT_EQ(Cell("StringGrid2", 2, 1), "");

    // Enter on a focused button presses it.
    Find<QPushButton>("Button1")->setFocus();
    QTest::keyClick(Find<QPushButton>("Button1"), Qt::Key_Return);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "'' is not a valid integer value.");

    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(All(), placed);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(All(), typed);
}

TEST_F(EditingTest, KeysAndClicksWorkAsInASpreadsheet) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->findChild<QSpinBox*>("UpDown1")->setValue(8);
    TypeLink(4, 5, "2");
    app::CellGrid* grid = Grid("StringGrid2");
    const auto click = [&](int column, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(Index("StringGrid2", column, row)).center());
    };
    // Keys go where the focus is, an editor once typing opened one.
    const auto type = [](const QString& text) {
        for (const QChar key : text) QTest::keyClicks(QApplication::focusWidget(), key);
    };
    // A second click on the selected cell only selects it; typing at once
    // goes into it, and no late editor opens after.
    click(4, 7);
    click(4, 7);
    type("20");
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Cell("StringGrid2", 4, 7), "20");
    EXPECT_EQ(Cell("StringGrid2", 7, 4), "20");
    EXPECT_EQ(Cell("StringGrid2", 4, 5), "2");
    // Enter moved one row down; typing replaces the text, an arrow moves on.
    EXPECT_EQ(grid->currentIndex(), Index("StringGrid2", 4, 8));
    click(4, 5);
    click(4, 5);
    type("-11");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    type("22");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Cell("StringGrid2", 4, 5), "-11");
    EXPECT_EQ(Cell("StringGrid2", 5, 5), "22");
    EXPECT_EQ(grid->currentIndex(), Index("StringGrid2", 5, 4));

    // Ctrl+V in an open editor keeps its text and pastes the block at the
    // cell.
    QApplication::clipboard()->setText("7\t8");
    QLineEdit* editor = OpenEditor("StringGrid2", 1, 3);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "6");
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    for (const auto& [column, row, text] : {std::tuple{1, 3, "7"}, std::tuple{2, 3, "8"},
                                            std::tuple{3, 1, "7"}, std::tuple{3, 2, "8"}}) {
        EXPECT_EQ(Cell("StringGrid2", column, row), text) << column << row;
    }
}

TEST_F(EditingTest, ColumnsShowTheirWholeTexts) {
    form->findChild<QSpinBox*>("UpDown1")->setValue(100);
    TypeIntoCell("StringGrid1", 1, 1, "-150");
    TypeLink(3, 1, "120000");
    for (const auto& [grid, column, text] :
         {std::tuple{"StringGrid1", 1, "-150"}, std::tuple{"StringGrid2", 3, "120000"}}) {
        const int width = Grid(grid)->fontMetrics().horizontalAdvance(text);
        EXPECT_GT(Grid(grid)->columnWidth(column - 1), width) << text;
    }
    EXPECT_GT(Grid("StringGrid2")->verticalHeader()->width(),
              Grid("StringGrid2")->fontMetrics().horizontalAdvance("100"));
    TypeLink(3, 1, "");
    EXPECT_EQ(Grid("StringGrid2")->columnWidth(2), app::CellGrid::kCellSize);
    EXPECT_EQ(Grid("StringGrid2")->columnWidth(5), app::CellGrid::kCellSize);
}

TEST_F(EditingTest, BlocksCopiedWithTheirHeadersLeaveThemOut) {
    const struct {
        const char* grid;
        QString block;
        int column;
        int row;
        const char* text;
    } cases[] = {
        {"StringGrid2", "\t1\t2\t3\n1\t\t5\t\n2\t5\t\t7\n3\t\t7\t", 3, 2, "7"},
        {"StringGrid2", "\t1\t2\t3\n1\t\t5\t\n2\t5\t\t7\n3\t\t7\t", 1, 2, "5"},
        {"StringGrid1", "\tX\tY\n1\t10\t20\n2\t30\t40", 2, 2, "40"},
        {"StringGrid1", "\tX\tY\n1\t10\t20\n2\t30\t40", 1, 1, "10"},
    };
    for (const auto& c : cases) {
        Select(c.grid, 1, 1, 1, 1);
        Paste(c.grid, c.block);
        EXPECT_EQ(Cell(c.grid, c.column, c.row), c.text) << c.grid << c.column << c.row;
    }
    EXPECT_EQ(form->NodeCount(), 6);
    EXPECT_TRUE(shown.empty());
}
