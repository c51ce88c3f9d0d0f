// The history of edits: the tables' model with its undo stack on its own,
// the faults a person met in taking steps back (a file name brought back,
// a diagonal lost, a question asked for nothing, keys taken by the count
// box, textbook zeros), and random sessions taken back and done again whole.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <random>

#include "app/tables/graph_tables.h"
#include "app/tables/table_commands.h"
#include "tests/app/window_fixture.h"

namespace {

// Every text of both tables up to 8 nodes, with the count.
std::vector<std::string> Texts(const app::GraphTables& tables) {
    std::vector<std::string> texts{std::to_string(tables.Count())};
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) texts.push_back(tables.MatrixTable()->CellText(c, r));
        texts.push_back(tables.NodeTable()->CellText(1, r) + ',' +
                        tables.NodeTable()->CellText(2, r));
    }
    return texts;
}

}  // namespace

TEST(GraphTablesHistory, EachStepGoesBackAndAgainExactly) {
    using Step = std::function<void(app::GraphTables&)>;
    const QRect block(2, 1, 2, 2);
    const struct {
        const char* name;
        Step step;
    } cases[] = {
        {"paste growing the count",
         [](app::GraphTables& t) {
             app::PasteCells(t, app::TableId::Matrix, 5, 1, {{"1", "2", "3"}, {"4", "5", "6"}});
         }},
        {"clear", [&](app::GraphTables& t) { app::ClearCells(t, app::TableId::Matrix, block); }},
        {"clear all", [](app::GraphTables& t) { t.ClearAll(); }},
        {"circle", [](app::GraphTables& t) { app::PlaceNodesOnCircle(t); }},
        {"textbook zeros", [](app::GraphTables& t) { app::EmptyZerosForNoLink(t); }},
        {"count down",
         [](app::GraphTables& t) {
             const app::GraphTables::Edit step(t, app::GraphTables::Kind::Count);
             t.Resize(3);
         }},
        {"a cell's editing",
         [](app::GraphTables& t) {
             t.BeginCellEdit();
             t.MatrixTable()->SetCellText(3, 1, "7");
             t.MatrixTable()->SetCellText(3, 1, "77");
             t.EndCellEdit();
         }},
    };
    for (const auto& c : cases) {
        app::GraphTables tables(4);
        tables.Resize(4);
        app::PasteCells(tables, app::TableId::Matrix, 1, 1,
                        {{"0", "5", "0"}, {"5", "0", "0"}, {"0", "0", "0"}});
        app::PasteCells(tables, app::TableId::Nodes, 1, 1, {{"1", "2"}, {"3", "4"}});
        // Texts on the diagonal and beyond the count belong to the tables too.
        tables.MatrixTable()->SetCellText(4, 4, "d");
        tables.MatrixTable()->SetCellText(6, 2, "far");
        tables.MarkClean();
        const std::vector<std::string> before = Texts(tables);
        c.step(tables);
        const std::vector<std::string> after = Texts(tables);
        EXPECT_NE(after, before) << c.name;
        ASSERT_EQ(tables.History()->count(), 3) << c.name;
        EXPECT_TRUE(tables.IsModified()) << c.name;
        tables.History()->undo();
        EXPECT_EQ(Texts(tables), before) << c.name;
        EXPECT_FALSE(tables.IsModified()) << c.name;
        tables.History()->redo();
        EXPECT_EQ(Texts(tables), after) << c.name;
    }
}

TEST(GraphTablesHistory, CountRunIsOneStepUntilTakenBack) {
    app::GraphTables tables(6);
    tables.Resize(6);
    for (const int n : {7, 8, 9}) {
        const app::GraphTables::Edit step(tables, app::GraphTables::Kind::Count);
        tables.Resize(n);
    }
    EXPECT_EQ(tables.History()->count(), 1);
    tables.History()->undo();
    EXPECT_EQ(tables.Count(), 6);
    tables.History()->redo();
    {
        const app::GraphTables::Edit step(tables, app::GraphTables::Kind::Count);
        tables.Resize(10);
    }
    EXPECT_EQ(tables.History()->count(), 2);
}

class HistoryTest : public WindowTest {
protected:
    void Open(const QString& path) {
        choices = {{path, app::GraphFilter()}};
        Keys(Qt::Key_O, Qt::ControlModifier);
    }
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), key,
                        modifiers);
    }
    QUndoStack* Stack() const { return form->findChild<QUndoStack*>(); }
    QSpinBox* Count() const { return Find<QSpinBox>("UpDown1"); }
};

TEST_F(HistoryTest, UndoNeverChangesTheFileSaveWritesTo) {
    const QString templ = Write("template.json", R"({"matrix": [["", "4"], ["4", ""]]})");
    const QByteArray original = Read(templ);
    Open(templ);
    TypeLink(1, 2, "9");
    const QString mine = folder.filePath("mine.json");
    choices = {{mine, app::GraphFilter()}};
    Keys(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    Keys(Qt::Key_Z);
    Keys(Qt::Key_Z);
    EXPECT_EQ(form->windowTitle(), "Путь на графе — mine.json[*]");
    EXPECT_TRUE(form->isWindowModified());
    Keys(Qt::Key_Y);
    Keys(Qt::Key_Y);
    EXPECT_FALSE(form->isWindowModified());
    TypeLink(1, 2, "11");
    Keys(Qt::Key_S);
    EXPECT_EQ(Read(templ), original);
    EXPECT_TRUE(Read(mine).contains("\"11\""));
    EXPECT_TRUE(shown.empty());
}

TEST_F(HistoryTest, DiagonalTextsComeBackAndCommandsEmptyingThemChangeNothing) {
    // Undoing a lower count brings the diagonal back whole.
    Open(Write("four.json", R"({"matrix":[[0,5,0,1],[5,0,3,0],[0,3,0,2],[1,0,2,0]]})"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Считать нули вне диагонали отсутствием связи?");
    Count()->setValue(3);
    Keys(Qt::Key_Z);
    EXPECT_EQ(form->NodeCount(), 4);
    EXPECT_EQ(Cell("StringGrid2", 4, 4), "0");
    EXPECT_FALSE(form->isWindowModified());

    // A command empties the diagonal: no change of the person's.
    Open(Write("three.json", R"({"matrix":[[0,5,0],[5,0,3],[0,3,0]]})"));
    Click("Button1");
    EXPECT_EQ(Cell("StringGrid2", 2, 2), "");
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_FALSE(Find<QAction>("undoAction")->isEnabled());
    // Nor when the text was typed after the opening.
    TypeIntoCell("StringGrid2", 2, 2, "5");
    Click("Button1");
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_FALSE(Find<QAction>("undoAction")->isEnabled());
    asked.clear();
    form->close();
    EXPECT_TRUE(asked.empty());
}

TEST_F(HistoryTest, TextbookZerosInAFileMayMeanNoLink) {
    answers = {QMessageBox::Yes};
    Open(Write("textbook.json", R"({"matrix":[[0,5,0],[5,0,0],[0,0,0]]})"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "");
    EXPECT_EQ(Cell("StringGrid2", 2, 1), "5");
    EXPECT_TRUE(form->isWindowModified());
    Click("Button1");
    EXPECT_EQ(shown.back().text, "нет пути");
    Keys(Qt::Key_Z);
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "0");
    EXPECT_FALSE(form->isWindowModified());
}

TEST_F(HistoryTest, UndoAndRedoActFromTheCountBox) {
    TypeLink(1, 2, "5");
    Count()->setFocus();
    Count()->selectAll();
    QTest::keyClicks(Count(), "8");
    ASSERT_EQ(form->NodeCount(), 8);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int count;
        const char* link;
    } presses[] = {{Qt::Key_Z, Qt::ControlModifier, 6, "5"},
                   {Qt::Key_Z, Qt::ControlModifier, 6, ""},
                   {Qt::Key_Y, Qt::ControlModifier, 6, "5"},
                   {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 8, "5"}};
    for (const auto& [key, modifiers, count, link] : presses) {
        QTest::keyClick(Count(), key, modifiers);
        EXPECT_EQ(form->NodeCount(), count);
        EXPECT_EQ(Cell("StringGrid2", 2, 1), link);
    }
}

// Random sessions of a person's steps, then every step taken back and done
// again: each time the tables show exactly the texts they had at that
// point, and they are clean exactly where the session started.
TEST_F(HistoryTest, RandomSessionsGoBackAndAgainExactly) {
    const QStringList texts = {"", "0", "5", "-3", "x", "12", "$1F"};
    for (int seed = 1; seed <= 40; ++seed) {
        RestartForm();
        std::mt19937 random(seed);
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const auto text = [&] { return texts[pick(0, static_cast<int>(texts.size()) - 1)]; };
        const auto cell = [&](const char*& grid, int& column, int& row) {
            grid = pick(0, 2) == 0 ? "StringGrid1" : "StringGrid2";
            column = pick(1, grid[10] == '1' ? 2 : form->NodeCount());
            row = pick(1, form->NodeCount());
        };
        std::map<int, std::vector<QString>> states{{0, All()}};
        for (int op = 0; op < 150; ++op) {
            const char* grid = nullptr;
            int column = 0;
            int row = 0;
            cell(grid, column, row);
            switch (pick(0, 9)) {
                case 0:
                case 1:
                    TypeIntoCell(grid, column, row, text());
                    break;
                case 2:
                    if (QLineEdit* editor = OpenEditor(grid, column, row)) {
                        QTest::keyClicks(editor, text() + "9");
                        QTest::keyClick(editor, Qt::Key_Escape);
                    }
                    break;
                case 3: {
                    const int height = pick(1, 3);
                    QStringList lines;
                    for (int k = 0; k < height; ++k) lines << text() + "\t" + text();
                    Select(grid, std::min(column, grid[10] == '1' ? 1 : 10), row, column, row);
                    if (form->NodeCount() + height <= 11) Paste(grid, lines.join("\n"));
                    break;
                }
                case 4:
                    Select(grid, 1, 1, column, row);
                    QTest::keyClick(Grid(grid), Qt::Key_Delete);
                    break;
                case 5:
                    Count()->setFocus();
                    for (int k = pick(1, 3); k > 0; --k) {
                        QTest::keyClick(Count(), form->NodeCount() < 9 && pick(0, 1)
                                                     ? Qt::Key_Up
                                                     : Qt::Key_Down);
                    }
                    break;
                case 6:
                    ChooseFromTableMenu(pick(0, 3) == 0 ? "Очистить таблицы"
                                                        : "Расставить узлы по кругу");
                    break;
                default:
                    Click(pick(0, 2) == 0 ? "Button2" : (pick(0, 1) ? "Button3" : "Button1"));
                    break;
            }
            states[Stack()->index()] = All();
        }
        const int done = Stack()->index();
        for (int k = done; k > 0; --k) {
            Stack()->undo();
            ASSERT_EQ(All(), states[k - 1]) << "seed " << seed << ", back to step " << k - 1;
            ASSERT_EQ(Stack()->isClean(), k == 1) << "seed " << seed;
        }
        for (int k = 1; k <= done; ++k) {
            Stack()->redo();
            ASSERT_EQ(All(), states[k]) << "seed " << seed << ", again to step " << k;
        }
    }
}
