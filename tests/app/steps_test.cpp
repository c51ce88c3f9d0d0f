// The step window as a student uses it: opened from the picture's menu key
// on the example graph, stepped through with its buttons and keys, copied,
// greyed when the tables change, and the main picture following it.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "app/picture/answer_label.h"
#include "app/steps/step_window.h"
#include "tests/app/window_fixture.h"

class StepsTest : public WindowTest {
protected:
    app::StepWindow* Open() {
        QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
        auto* window = form->findChild<app::StepWindow*>();
        EXPECT_NE(window, nullptr);
        return window;
    }
    static QString Row(const QTableWidget* table, int row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        }
        return cells.join(u'|');
    }
};

TEST_F(StepsTest, ExampleRunsToTheAnswerOfTheCalculation) {
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    TypeLink(1, 6, "20");
    // What «Рассчитать» shows with the distances on.
    Find<QAction>("distancesAction")->setChecked(true);
    Click("Button1");
    const QImage calculated = Picture();
    Click("Button3");
    const QImage links = Picture();

    // Maximised, the window leaves no room beside it: the steps go over
    // its right part, on its screen, above it.
    form->showMaximized();
    QCoreApplication::processEvents();
    app::StepWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Алгоритм Дейкстры по шагам");
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_EQ(window->parentWidget(), form.get());
    EXPECT_TRUE(form->screen()->availableGeometry().contains(window->frameGeometry()));
    const auto* table = window->findChild<QTableWidget*>("StepTable");
    const auto* answer = window->findChild<QLabel*>("StepAnswer");
    ASSERT_EQ(table->rowCount(), 4);
    const char* rows[] = {
        "0|∞|∞|∞|∞|∞|",
        "0*|5 (1)|∞|∞|∞|20 (1)|1",
        "|5 (1)*|∞|∞|∞|10 (2)|2",
        "||∞|∞|∞|10 (2)*|6",
    };
    // In a lesson the rows come one step at a time, the answer at the end.
    for (int step = 0; step < 4; ++step) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(Row(table, row), row <= step ? rows[row] : "||||||") << step << row;
        }
        EXPECT_EQ(answer->text(), step == 3 ? "1-2-6, Длина: 10" : "") << step;
        if (step == 1) {
            // Step 1 draws over the links, and its legend names its colours.
            EXPECT_NE(Picture(), links);
            const QString legend = window->findChild<QLabel*>("StepLegend")->text();
            EXPECT_TRUE(legend.contains("#00a0ff") && legend.contains("пересчитаны"));
            EXPECT_FALSE(legend.contains("кратчайший"));
        }
        QTest::keyClick(window, Qt::Key_Right);
    }
    EXPECT_TRUE(table->item(2, 1)->font().bold());
    EXPECT_EQ(window->CurrentStep(), 3);
    EXPECT_EQ(table->selectedItems().front()->row(), 3);
    EXPECT_TRUE(window->findChild<QLabel*>("StepLegend")->text().contains("кратчайший&nbsp;путь"));
    EXPECT_EQ(Picture(), calculated);
    EXPECT_EQ(LabelText("Label2"), "1-2-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 10");
    // A worksheet's key shows every row from the start.
    QTest::keyClick(window, Qt::Key_Home);
    window->findChild<QCheckBox*>("allStepsBox")->setChecked(true);
    EXPECT_EQ(Row(table, 3), rows[3]);
    EXPECT_EQ(answer->text(), "1-2-6, Длина: 10");
    QTest::keyClick(window, Qt::Key_End);
    QTest::keyClick(window, Qt::Key_Left);
    EXPECT_EQ(window->CurrentStep(), 2);

    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QApplication::clipboard()->text().split(u'\n');
    EXPECT_EQ(copied.front(), "Шаг\t1\t2\t3\t4\t5\t6\tВыбран");
    EXPECT_EQ(copied[4], "3\t\t\t∞\t∞\t∞\t10 (2)*\t6");

    // A change of the tables greys the table until «В начало» reads them.
    TypeLink(1, 6, "7");
    EXPECT_FALSE(table->isEnabled());
    QTest::keyClick(window, Qt::Key_End);
    EXPECT_EQ(window->CurrentStep(), 2);
    EXPECT_FALSE(window->findChild<QPushButton*>("checkTableButton")->isEnabled());
    EXPECT_FALSE(window->findChild<QLabel*>("StepAnswer")->isEnabled());
    EXPECT_TRUE(Find<app::AnswerLabel>("Label2")->IsStale());
    QTest::keyClick(window, Qt::Key_Home);
    EXPECT_TRUE(table->isEnabled());
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(Row(table, 1), "0*|5 (1)|∞|∞|∞|7 (1)|1");
    QTest::keyClick(window, Qt::Key_End);
    EXPECT_EQ(LabelText("Label2"), "1-6");

    // Closing brings back the picture of the last command.
    window->close();
    EXPECT_EQ(Picture(), links);
    EXPECT_TRUE(Find<app::AnswerLabel>("Label2")->IsStale());
    EXPECT_TRUE(Find<app::PictureView>("Image1")->IsFaded());
    EXPECT_FALSE(Find<QAction>("copyAnswerAction")->isEnabled());
    Find<QAction>("tikzAction")->trigger();
    EXPECT_FALSE(QApplication::clipboard()->text().contains("[red"));
    EXPECT_TRUE(shown.empty());
}

TEST(StepWindowPlace, BesideTheMainWindowWhereThereIsRoomAndAlwaysOnTheScreen) {
    const QRect screen(0, 0, 1366, 768);
    const QSize size(640, 380);
    const struct {
        QRect main;
        QPoint place;
    } cases[] = {
        {{4, 113, 560, 420}, {572, 113}},    // room on the right
        {{700, 500, 600, 260}, {52, 388}},   // room on the left only, raised
        {{0, 0, 1366, 768}, {726, 0}},       // maximised: over its right part
        {{-300, -50, 1000, 500}, {708, 0}},  // its top above the screen
    };
    for (const auto& c : cases) EXPECT_EQ(app::PlaceBeside(c.main, size, screen), c.place);
}

TEST_F(StepsTest, TablesThatCannotBeReadAreReportedAsTheCalculationReportsThem) {
    TypeLink(2, 3, "x");
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(form->findChild<app::StepWindow*>(), nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "'x' is not a valid integer value.");
    EXPECT_EQ(Grid("StringGrid2")->currentIndex(), Index("StringGrid2", 2, 3));
}

TEST_F(StepsTest, HandWorkedTableIsCheckedCellByCell) {
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    TypeLink(1, 6, "20");
    app::StepWindow* window = Open();
    ASSERT_NE(window, nullptr);
    window->findChild<QPushButton*>("checkTableButton")->click();
    auto* check = window->findChild<QWidget*>("TableCheckWindow");
    ASSERT_NE(check, nullptr);
    auto* grid = check->findChild<QTableWidget*>("CheckGrid");
    EXPECT_EQ(grid->rowCount(), 4);
    // Copied with its headers, in a spreadsheet's notation, with slips: 20
    // kept at node 6 in step 2, node 3 given a distance, and so node 6
    // chosen too early.
    QApplication::clipboard()->setText(
        "Шаг\t1\t2\t3\t4\t5\t6\tВыбран\n"
        "0\t0\tinf\tinf\tinf\tinf\tinf\t\n"
        "1\t0*\t5(1)\tinf\tinf\tinf\t20 (1)\t1\n"
        "2\t—\t5 (1)*\t7\tinf\tinf\t20 (1)\t2\n"
        "3\t—\t—\t7\tinf\tinf\t20*\t6\n");
    grid->setCurrentCell(0, 0);
    QTest::keyClick(check, Qt::Key_V, Qt::ControlModifier);
    check->findChild<QPushButton*>("CheckButton")->click();
    EXPECT_EQ(check->findChild<QLabel*>("CheckSummary")->text(), "Ошибок: 2 (шаг 2)");
    EXPECT_EQ(grid->verticalHeaderItem(2)->text(), "2");
    EXPECT_EQ(grid->item(2, 5)->toolTip(),
              "Шаг 2, узел 6: через узел 2 расстояние 5 + 5 = 10 меньше 20");
    EXPECT_EQ(grid->item(2, 2)->toolTip(), "Шаг 2, узел 3: расстояние остаётся ∞, а не 7");
    EXPECT_EQ(grid->item(2, 5)->background().color(), QColor(255, 190, 190));
    EXPECT_TRUE(grid->item(1, 5)->toolTip().isEmpty());
    // Node 6 is the least once the slips before are put right: no more faults.
    EXPECT_TRUE(grid->item(3, 6)->toolTip().isEmpty());
    EXPECT_EQ(check->findChild<QLabel*>("CheckWay")->text(),
              "Путь по таблице: 1-6, длина 20 — не кратчайший: кратчайший путь имеет длину 10");

    // Without the start row, the rows are the steps from 1 on; an empty grid
    // is no answer.
    for (int column = 0; column < 7; ++column) grid->setItem(0, column, nullptr);
    grid->removeRow(0);
    check->findChild<QPushButton*>("CheckButton")->click();
    EXPECT_EQ(grid->verticalHeaderItem(1)->text(), "2");
    grid->clearContents();
    check->findChild<QPushButton*>("CheckButton")->click();
    EXPECT_EQ(check->findChild<QLabel*>("CheckSummary")->text(),
              "Ошибок: 1 (шаг 1)\nТаблица обрывается: узел 6 ещё не выбран");

    // Another graph in the tables: no check until the step window reads it,
    // then a grid of its size with what was typed kept.
    grid->setItem(0, 6, new QTableWidgetItem("1"));
    Find<QSpinBox>("UpDown1")->setValue(7);
    TypeIntoCell("StringGrid1", 1, 7, "0");
    TypeIntoCell("StringGrid1", 2, 7, "0");
    EXPECT_FALSE(check->findChild<QPushButton*>("CheckButton")->isEnabled());
    window->findChild<QPushButton*>("firstStepButton")->click();
    EXPECT_TRUE(check->findChild<QPushButton*>("CheckButton")->isEnabled());
    EXPECT_EQ(grid->columnCount(), 8);
    EXPECT_EQ(grid->item(0, 7)->text(), "1");
}
