// The window without its commands: controls and start-up, the node count
// and the grids that follow it, the mirrored matrix, splitters and Tab.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "app/messages.h"
#include "app/tables/cell_table_model.h"
#include "graph/node_layout.h"
#include "tests/app/window_fixture.h"

TEST_F(WindowTest, StartsWithSampleNodesEmptyMatrixAndAxes) {
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "Путь на графе");
    EXPECT_EQ(form->size(), QSize(768, 392));
    for (const char* name : {"Image1", "Splitter1", "Splitter2", "StringGrid1", "StringGrid2"}) {
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
    }
    const std::pair<const char*, const char*> captions[] = {
        {"GroupBox1", "Матрица смежности"},
        {"GroupBox2", ""},
        {"GroupBox3", ""},
        {"GroupBox4", "Узлы"},
        {"GroupBox5", ""},
    };
    for (const auto& [name, caption] : captions) EXPECT_EQ(Find<QGroupBox>(name)->title(), caption);
    EXPECT_EQ(Find<QPushButton>("Button1")->text(), "Рассчитать");
    EXPECT_EQ(Find<QPushButton>("Button2")->text(), "Отобразить");
    EXPECT_EQ(Find<QPushButton>("Button3")->text(), "Связи");
    EXPECT_EQ(LabelText("Label1"), "Длина:");
    EXPECT_EQ(LabelText("Label2"), "");
    EXPECT_EQ(LabelText("LabeledEdit1Label"), "Количество узлов");
    EXPECT_EQ(Find<QLineEdit>("LabeledEdit1")->text(), "6");
    EXPECT_EQ(Find<QSpinBox>("UpDown1")->value(), 6);
    EXPECT_EQ(form->NodeCount(), 6);

    // Widths of the blocks, left to right.
    EXPECT_EQ(Find<QWidget>("Image1")->geometry(), QRect(0, 0, 384, 392));
    EXPECT_EQ(Find<QWidget>("Splitter2")->width(), 2);
    EXPECT_EQ(Find<QWidget>("GroupBox4")->geometry().left(), 386);
    EXPECT_EQ(Find<QWidget>("GroupBox4")->width(), 185);
    EXPECT_EQ(Find<QWidget>("GroupBox1")->geometry(), QRect(573, 0, 195, 392));

    ASSERT_EQ(Columns("StringGrid1"), 3);
    ASSERT_EQ(Rows("StringGrid1"), 7);
    EXPECT_EQ(Cell("StringGrid1", 1, 0), "X");
    EXPECT_EQ(Cell("StringGrid1", 2, 0), "Y");
    for (int row = 1; row <= 6; ++row) {
        const auto [x, y] = graph::kSampleNodes[row - 1];
        EXPECT_EQ(Cell("StringGrid1", 0, row), QString::number(row));
        EXPECT_EQ(Cell("StringGrid1", 1, row), QString::number(x));
        EXPECT_EQ(Cell("StringGrid1", 2, row), QString::number(y));
    }
    ASSERT_EQ(Columns("StringGrid2"), 7);
    ASSERT_EQ(Rows("StringGrid2"), 7);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(Cell("StringGrid2", 0, k), QString::number(k));
        EXPECT_EQ(Cell("StringGrid2", k, 0), QString::number(k));
        for (int r = 1; r <= 6; ++r) EXPECT_EQ(Cell("StringGrid2", k, r), "");
    }

    // Axes only: no node is drawn at start-up.
    EXPECT_EQ(Picture().pixel(10, 200), kBlack);
    EXPECT_EQ(Picture().pixel(200, 10), kBlack);
    EXPECT_EQ(Picture().pixel(140, 160), kWhite);
    EXPECT_EQ(Picture().pixel(280, 160), kWhite);
}

TEST_F(WindowTest, HeaderCellsCannotBeEditedAndGridCellsAre20Pixels) {
    app::CellGrid* grid = Grid("StringGrid2");
    // The header row and column are the view's header sections, not cells.
    EXPECT_EQ(grid->model()->rowCount(), 6);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "1");
    EXPECT_EQ(grid->model()->headerData(5, Qt::Vertical).toString(), "6");
    EXPECT_EQ(grid->columnWidth(0), 20);
    EXPECT_EQ(grid->rowHeight(0), 20);
    EXPECT_EQ(grid->horizontalHeader()->height(), 20);
    EXPECT_EQ(grid->verticalHeader()->width(), 20);
    EXPECT_TRUE(grid->model()->flags(Index("StringGrid2", 1, 1)) & Qt::ItemIsEditable);
}

TEST_F(WindowTest, ImageShowsTheSurfaceStretchedOverItsWholeArea) {
    form->resize(984, 592);  // Image1 becomes 600 x 592.
    QCoreApplication::processEvents();
    auto* image = Find<QWidget>("Image1");
    ASSERT_EQ(image->size(), QSize(600, 592));
    const QImage shot = image->grab().toImage();
    // The X axis at surface row 200 lands near row 296, the Y axis near
    // column 300; a corner of the white background stays white.
    auto darkRowNear = [&](int y) {
        for (int dy = -2; dy <= 2; ++dy) {
            if (qGray(shot.pixel(20, y + dy)) < 64) return true;
        }
        return false;
    };
    auto darkColumnNear = [&](int x) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (qGray(shot.pixel(x + dx, 20)) < 64) return true;
        }
        return false;
    };
    EXPECT_TRUE(darkRowNear(296));
    EXPECT_TRUE(darkColumnNear(300));
    EXPECT_EQ(qGray(shot.pixel(20, 20)), 255);
    EXPECT_EQ(qGray(shot.pixel(590, 580)), 255);
}

TEST_F(WindowTest, RightBlocksKeepTheirWidthsAndSplittersResizeTheBlockToTheirRight) {
    auto* image = Find<QWidget>("Image1");
    auto* nodes = Find<QWidget>("GroupBox4");
    auto* matrix = Find<QWidget>("GroupBox1");

    form->resize(900, 392);
    QCoreApplication::processEvents();
    EXPECT_EQ(image->width(), 900 - 2 - 185 - 2 - 195);
    EXPECT_EQ(nodes->width(), 185);
    EXPECT_EQ(matrix->width(), 195);

    auto drag = [](QWidget* splitter, int dx) {
        const QPoint start(1, 50);
        QTest::mousePress(splitter, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(splitter, start + QPoint(dx, 0));
        QTest::mouseRelease(splitter, Qt::LeftButton, Qt::NoModifier, start + QPoint(dx, 0));
        QCoreApplication::processEvents();
    };
    // Splitter1 widens the matrix block only; the node block keeps its width.
    drag(Find<QWidget>("Splitter1"), -40);
    EXPECT_EQ(matrix->width(), 235);
    EXPECT_EQ(nodes->width(), 185);
    EXPECT_EQ(image->width(), 900 - 2 - 185 - 2 - 235);
    // Splitter2 narrows the node block; the picture takes the difference.
    drag(Find<QWidget>("Splitter2"), 25);
    EXPECT_EQ(nodes->width(), 160);
    EXPECT_EQ(matrix->width(), 235);
    EXPECT_EQ(image->width(), 900 - 2 - 160 - 2 - 235);
    // No block goes below 30 pixels.
    drag(Find<QWidget>("Splitter2"), 500);
    EXPECT_EQ(nodes->width(), 30);
    drag(Find<QWidget>("Splitter1"), -2000);
    EXPECT_EQ(image->width(), 30);
}

TEST_F(WindowTest, TabVisitsTheControlsInOrder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* count = Find<QSpinBox>("UpDown1");
    const std::vector<QWidget*> order = {
        Find<QWidget>("Button1"),     Find<QWidget>("Button3"), Find<QWidget>("StringGrid2"), count,
        Find<QWidget>("StringGrid1"), Find<QWidget>("Button2"), Find<QWidget>("Button1"),
    };
    order.front()->setFocus();
    for (std::size_t k = 1; k < order.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        const bool inCount = order[k] == count && focused == count->findChild<QLineEdit*>();
        EXPECT_TRUE(focused == order[k] || inCount)
            << "step " << k << ": " << (focused ? focused->objectName().toStdString() : "none");
    }
}

TEST_F(WindowTest, LoweringAndRaisingTheCountBringsOldTextsBack) {
    TypeLink(5, 6, "7");
    TypeLink(1, 5, "3");
    TypeIntoCell("StringGrid2", 6, 6, "9");
    auto* count = Find<QSpinBox>("UpDown1");
    QTest::keyClick(count, Qt::Key_Down);
    QTest::keyClick(count, Qt::Key_Down);
    EXPECT_EQ(form->NodeCount(), 4);
    EXPECT_EQ(Find<QLineEdit>("LabeledEdit1")->text(), "4");
    EXPECT_EQ(Rows("StringGrid1"), 5);
    EXPECT_EQ(Rows("StringGrid2"), 5);
    EXPECT_EQ(Columns("StringGrid2"), 5);
    EXPECT_EQ(Grid("StringGrid2")->model()->columnCount(), 4);

    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(form->NodeCount(), 6);
    EXPECT_EQ(Rows("StringGrid1"), 7);
    EXPECT_EQ(Columns("StringGrid2"), 7);
    EXPECT_EQ(Cell("StringGrid1", 1, 5), "-20");
    EXPECT_EQ(Cell("StringGrid1", 2, 6), "40");
    EXPECT_EQ(Cell("StringGrid2", 5, 6), "7");
    EXPECT_EQ(Cell("StringGrid2", 6, 5), "7");
    EXPECT_EQ(Cell("StringGrid2", 1, 5), "3");
    EXPECT_EQ(Cell("StringGrid2", 5, 1), "3");
    // The diagonal is emptied whenever the count changes.
    EXPECT_EQ(Cell("StringGrid2", 6, 6), "");
    EXPECT_EQ(Cell("StringGrid2", 0, 6), "6");
}

TEST_F(WindowTest, RaisingTheCountAddsAnEmptyNodeThatCannotBeDisplayed) {
    QTest::keyClick(Find<QSpinBox>("UpDown1"), Qt::Key_Up);
    ASSERT_EQ(form->NodeCount(), 7);
    EXPECT_EQ(Rows("StringGrid1"), 8);
    EXPECT_EQ(Cell("StringGrid1", 0, 7), "7");
    EXPECT_EQ(Cell("StringGrid1", 1, 7), "");
    EXPECT_EQ(Cell("StringGrid1", 2, 7), "");
    EXPECT_EQ(Cell("StringGrid2", 7, 0), "7");

    Click("Button2");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "'' is not a valid integer value.");
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);

    TypeIntoCell("StringGrid1", 1, 7, "10");
    TypeIntoCell("StringGrid1", 2, 7, "-10");
    Click("Button2");
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(ColourNear(210, 210, kBlue));
}

TEST_F(WindowTest, CountStaysWithinTwoAndAHundredWhateverIsDone) {
    auto* count = Find<QSpinBox>("UpDown1");
    auto gridsFollow = [&] {
        const int n = form->NodeCount();
        EXPECT_GE(n, 2);
        EXPECT_LE(n, 100);
        EXPECT_EQ(Rows("StringGrid1"), n + 1);
        EXPECT_EQ(Rows("StringGrid2"), n + 1);
        EXPECT_EQ(Columns("StringGrid2"), n + 1);
    };
    for (int k = 0; k < 10; ++k) QTest::keyClick(count, Qt::Key_Down);
    EXPECT_EQ(form->NodeCount(), 2);
    gridsFollow();
    // The arrow buttons: the lower half of the box's right end steps down.
    const QPoint upArrow(count->width() - 5, 4);
    const QPoint downArrow(count->width() - 5, count->height() - 4);
    QTest::mouseClick(count, Qt::LeftButton, Qt::NoModifier, downArrow);
    EXPECT_EQ(form->NodeCount(), 2);
    QTest::mouseClick(count, Qt::LeftButton, Qt::NoModifier, upArrow);
    EXPECT_EQ(form->NodeCount(), 3);
    gridsFollow();
    QTest::mouseClick(count, Qt::LeftButton, Qt::NoModifier, downArrow);
    EXPECT_EQ(form->NodeCount(), 2);
    for (int k = 0; k < 120; ++k) count->stepUp();
    EXPECT_EQ(form->NodeCount(), 100);
    EXPECT_EQ(Find<QLineEdit>("LabeledEdit1")->text(), "100");
    gridsFollow();
    QTest::keyClick(count, Qt::Key_Up);
    EXPECT_EQ(form->NodeCount(), 100);
    QTest::keyClick(count, Qt::Key_PageDown);
    EXPECT_EQ(form->NodeCount(), 100);

    // Typed text: each keystroke counts, junk never does.
    const std::pair<const char*, int> typed[] = {
        {"abc", 100}, {"1", 100}, {"0", 100}, {"-5", 5}, {"12", 12},
        {"999", 99},  {"7x", 7},  {"", 7},    {" ", 7},  {"+", 7},
    };
    for (const auto& [text, expected] : typed) {
        Find<QLineEdit>("LabeledEdit1")->selectAll();
        QTest::keyClick(count, Qt::Key_Delete);
        QTest::keyClicks(count, QString::fromUtf8(text));
        EXPECT_EQ(form->NodeCount(), expected) << "typed '" << text << "'";
        gridsFollow();
    }
}

TEST_F(WindowTest, MatrixEditsAreMirroredWhileTyping) {
    QLineEdit* editor = OpenEditor("StringGrid2", 1, 4);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "3");
    EXPECT_EQ(Cell("StringGrid2", 1, 4), "3");
    EXPECT_EQ(Cell("StringGrid2", 4, 1), "3");
    QTest::keyClicks(editor, "5");
    EXPECT_EQ(Cell("StringGrid2", 4, 1), "35");
    // Typing in the middle: the cursor stays where it was.
    editor->setCursorPosition(1);
    QTest::keyClicks(editor, "0");
    EXPECT_EQ(editor->text(), "305");
    EXPECT_EQ(editor->cursorPosition(), 2);
    EXPECT_EQ(Cell("StringGrid2", 4, 1), "305");
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(Cell("StringGrid2", 4, 1), "35");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell("StringGrid2", 1, 4), "35");
    EXPECT_EQ(Cell("StringGrid2", 4, 1), "35");

    // Deleting in the mirror empties both.
    TypeIntoCell("StringGrid2", 4, 1, "");
    EXPECT_EQ(Cell("StringGrid2", 1, 4), "");
    EXPECT_EQ(Cell("StringGrid2", 4, 1), "");

    // Cut and paste are edits too; Ctrl+V in an editor pastes at its cell.
    QApplication::clipboard()->setText("42");
    editor = OpenEditor("StringGrid2", 3, 5);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell("StringGrid2", 5, 3), "42");
    EXPECT_EQ(Cell("StringGrid2", 3, 5), "42");
    editor = OpenEditor("StringGrid2", 3, 5);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Cell("StringGrid2", 5, 3), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "42");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();

    // The node table has no mirror.
    TypeIntoCell("StringGrid1", 1, 2, "15");
    EXPECT_EQ(Cell("StringGrid1", 1, 2), "15");
    EXPECT_EQ(Cell("StringGrid1", 2, 1), "40");
}

TEST_F(WindowTest, EditorClosingByFocusMovingToAButtonMirrorsTheFinalText) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QLineEdit* editor = OpenEditor("StringGrid2", 2, 3);
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, "8");
    QTest::mouseClick(Find<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_EQ(Grid("StringGrid2")->indexWidget(Index("StringGrid2", 2, 3)), nullptr);
    EXPECT_EQ(Cell("StringGrid2", 3, 2), "8");
    EXPECT_TRUE(shown.empty());
    // The link typed just before the click is drawn by that very click.
    EXPECT_TRUE(ColourNear(230, 210, kGreen));
}

TEST_F(WindowTest, DiagonalMirrorsOntoItselfAndIsEmptiedWhenLinksAreRead) {
    QLineEdit* editor = OpenEditor("StringGrid2", 2, 2);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "71");
    EXPECT_EQ(editor->text(), "71");
    EXPECT_EQ(Cell("StringGrid2", 2, 2), "71");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell("StringGrid2", 2, 2), "71");
    Click("Button3");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Cell("StringGrid2", 2, 2), "");
}

TEST_F(WindowTest, StartUpWithoutBackgroundReportsAndLeavesGridsAsDesigned) {
    ASSERT_TRUE(QFile::remove("1.bmp"));
    shown.clear();
    RestartForm();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[0].caption, app::ApplicationTitle());
    EXPECT_EQ(shown[0].text, "Cannot open file 1.bmp.");

    EXPECT_EQ(Columns("StringGrid1"), 3);
    EXPECT_EQ(Rows("StringGrid1"), 5);
    EXPECT_EQ(Columns("StringGrid2"), 5);
    EXPECT_EQ(Rows("StringGrid2"), 5);
    for (int c = 0; c < 5; ++c) {
        for (int r = 0; r < 5; ++r) {
            EXPECT_EQ(Cell("StringGrid2", c, r), "");
            if (c < 3) {
                EXPECT_EQ(Cell("StringGrid1", c, r), "");
            }
        }
    }
    EXPECT_EQ(Find<QLineEdit>("LabeledEdit1")->text(), "6");
    QImage blank(400, 400, Picture().format());
    blank.fill(Qt::white);
    EXPECT_EQ(Picture(), blank);

    // The window still works: the count fills the grids.
    QTest::keyClick(Find<QSpinBox>("UpDown1"), Qt::Key_Down);
    EXPECT_EQ(Rows("StringGrid1"), 6);
    EXPECT_EQ(Cell("StringGrid1", 1, 0), "X");
}

TEST_F(WindowTest, MirrorRunsOnEveryEditAndOnCloseButNeverOnProgramWrites) {
    app::CellTableModel* matrix = Model("StringGrid2");
    QSignalSpy edits(matrix, &app::CellTableModel::TextEdited);
    auto edit = [&](int k) { return edits.at(k).at(0).toInt() * 1000 + edits.at(k).at(1).toInt(); };

    QLineEdit* editor = OpenEditor("StringGrid2", 3, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "12");
    ASSERT_EQ(edits.size(), 2);
    EXPECT_EQ(edits.at(1).at(2).toString(), "12");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    // Closing reports the final text once more although it did not change.
    ASSERT_EQ(edits.size(), 3);
    EXPECT_EQ(edit(2), 3001);
    EXPECT_EQ(edits.at(2).at(2).toString(), "12");
    EXPECT_EQ(Cell("StringGrid2", 1, 3), "12");

    // Neither the mirror's own write, nor the grids' upkeep, nor a command
    // emptying the diagonal counts as an edit.
    edits.clear();
    TypeIntoCell("StringGrid2", 4, 4, "5");
    const qsizetype byTyping = edits.size();
    QTest::keyClick(Find<QSpinBox>("UpDown1"), Qt::Key_Up);
    QTest::keyClick(Find<QSpinBox>("UpDown1"), Qt::Key_Down);
    Click("Button3");
    EXPECT_EQ(edits.size(), byTyping);
    EXPECT_TRUE(shown.empty());
}
