// The window in the person's language: started under LANGUAGE=en it reads in
// English, Qt's own dialogs included; started with no locale it reads in
// Russian exactly as ever. CTest runs these cases once in each language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "app/classes/class_set_window.h"
#include "app/help/help_window.h"
#include "app/interface_language.h"
#include "app/picture/worksheet.h"
#include "app/steps/step_window.h"
#include "app/steps/table_check_window.h"
#include "tests/app/window_fixture.h"

namespace {

// A text in the language the test runs in.
QString Expected(const char* russian, const char* english) {
    return QString::fromUtf8(app::InterfaceLanguage() == graph::Language::Russian ? russian
                                                                                  : english);
}

TEST(LanguageChoiceTest, EnglishUnlessRussianOrNoLanguageComesFirst) {
    const struct {
        QStringList uiLanguages;
        graph::Language language;
    } cases[] = {
        {{}, graph::Language::Russian},        {{"C"}, graph::Language::Russian},
        {{"POSIX"}, graph::Language::Russian}, {{"ru-RU", "en-US"}, graph::Language::Russian},
        {{"ru"}, graph::Language::Russian},    {{"en-GB", "ru-RU"}, graph::Language::English},
        {{"de-DE"}, graph::Language::English}, {{"uk-UA", "ru-RU"}, graph::Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::LanguageFor(c.uiLanguages), c.language)
            << c.uiLanguages.join(',').toStdString();
    }
}

TEST(LanguageChoiceTest, FollowsTheEnvironment) {
    EXPECT_EQ(app::InterfaceLanguage(), qgetenv("LANGUAGE").startsWith("en")
                                            ? graph::Language::English
                                            : graph::Language::Russian);
}

class LanguageTest : public WindowTest {};

TEST_F(LanguageTest, TheWindowItsGuideAndQtsDialogsSpeakTheLanguage) {
    EXPECT_EQ(Find<QWidget>("Button1")->toolTip(),
              Expected("Найти кратчайший путь от узла 1 до последнего узла, нарисовать его "
                       "красным и записать вместе с длиной.",
                       "Find the shortest way from node 1 to the last node, draw it in red and "
                       "write it out with its length."));

    QTest::keyClick(form.get(), Qt::Key_F1);
    auto* guide = form->findChild<app::HelpWindow*>();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->windowTitle(), Expected("Справка", "Help"));
    auto* text = guide->findChild<QTextBrowser*>("HelpText");
    EXPECT_EQ(text->documentTitle(),
              Expected("Путь на графе: руководство", "Shortest way on a graph: user's guide"));
    // The window's pictures are in the program with the guide.
    EXPECT_FALSE(
        QImage::fromData(
            text->loadResource(QTextDocument::ImageResource, QUrl("startup.png")).toByteArray())
            .isNull());

    QPrintPreviewDialog preview;
    QStringList actions;
    for (const QAction* action : preview.findChildren<QAction*>()) actions << action->text();
    EXPECT_TRUE(actions.contains(Expected("Печать", "Print"))) << actions.join('|').toStdString();
}

TEST_F(LanguageTest, TheTableCheckSpeaksTheLanguage) {
    graph::AdjacencyMatrix adjacency(6, std::vector<std::int32_t>(6, -1));
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
        adjacency[u][v] = adjacency[v][u] = w;
    }
    app::TableCheckWindow check(adjacency, 4);
    EXPECT_EQ(check.windowTitle(), Expected("Проверка таблицы", "Check a table"));
    auto* grid = check.findChild<QTableWidget*>("CheckGrid");
    QApplication::clipboard()->setText(
        "0\tinf\tinf\tinf\tinf\tinf\t\n"
        "0*\t5\tinf\tinf\tinf\t20\t1\n"
        "—\t5*\tinf\tinf\tinf\t20\t2\n"
        "—\t—\tinf\tinf\tinf\t20*\t6\n");
    grid->setCurrentCell(0, 0);
    QTest::keyClick(&check, Qt::Key_V, Qt::ControlModifier);
    check.findChild<QPushButton*>("CheckButton")->click();
    EXPECT_EQ(check.findChild<QLabel*>("CheckSummary")->text(),
              Expected("Ошибок: 1 (шаг 2)", "Faults: 1 (step 2)"));
    EXPECT_EQ(grid->item(2, 5)->toolTip(),
              Expected("Шаг 2, узел 6: через узел 2 расстояние 5 + 5 = 10 меньше 20",
                       "step 2, node 6: via node 2 the distance 5 + 5 = 10 is less than 20"));
    EXPECT_EQ(grid->item(2, 5)->data(Qt::AccessibleTextRole).toString(),
              Expected("Шаг 2, узел 6: 20", "Step 2, node 6: 20"));
    EXPECT_EQ(grid->item(1, 6)->data(Qt::AccessibleTextRole).toString(),
              Expected("Шаг 1, Выбран: 1", "Step 1, Chosen: 1"));

    QApplication::clipboard()->setText(QString(2 << 20, u'1'));
    QTest::keyClick(&check, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Expected("Таблица не вставлена: её текст больше 1 МиБ.",
                                      "The table was not pasted: its text is larger than 1 MiB."));
}

// The texts of an open popup menu, read as it opens and then closed.
QStringList MenuTexts(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (const QAction* action : menu->actions()) texts << action->text();
        menu->close();
    });
    open();
    return texts;
}

TEST_F(LanguageTest, TheCommandsTheTableMenuAndMessagesSpeakTheLanguage) {
    for (const auto& [button, russian, english] : {std::tuple{"Button2", "Отобразить", "Show"},
                                                   {"Button3", "Связи", "Links"},
                                                   {"Button1", "Рассчитать", "Calculate"}}) {
        EXPECT_EQ(Find<QPushButton>(button)->text(), Expected(russian, english));
    }

    TypeIntoCell("StringGrid1", 1, 1, "7");
    const QStringList menu =
        MenuTexts([this] { emit Grid("StringGrid1")->customContextMenuRequested(QPoint(30, 30)); });
    for (const auto& [russian, english] :
         {std::pair{"Отменить ввод в ячейку", "Undo typing into a cell"},
          {"Копировать", "Copy"},
          {"Вставить", "Paste"},
          {"Новый граф", "New graph"},
          {"Очистить таблицы", "Clear the tables"},
          {"Расставить узлы по кругу", "Place the nodes on a circle"}}) {
        EXPECT_TRUE(menu.contains(Expected(russian, english))) << menu.join('|').toStdString();
    }

    Select("StringGrid1", 1, 1, 1, 1);
    Paste("StringGrid1", "1\t2\t3\n");
    TypeIntoCell("StringGrid1", 2, 2, "x");
    Click("Button2");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text,
              Expected("Блок не вставлен: в таблице узлов два столбца, X и Y, а блок шириной 3 "
                       "со столбца X заходит за них.",
                       "The block was not pasted: the node table has two columns, X and Y, and "
                       "a block 3 wide from column X goes past them."));
    // The conversion message is the same in both languages.
    EXPECT_EQ(shown[1].text, "'x' is not a valid integer value.");
}

TEST_F(LanguageTest, ThePictureSaysWhatItShows) {
    const struct {
        std::vector<std::tuple<int, int, const char*>> links;
        const char* button;  // none: an edit alone
        const char* russian;
        const char* english;
    } steps[] = {
        {{{1, 2, "5"}, {2, 6, "5"}, {1, 6, "20"}},
         "Button1",
         "Узлы от 1 до 6. Связи (в скобках — вес): 1–2 (5), 1–6 (20), 2–6 (5). Путь из узла 1 в "
         "узел 6: 1-2-6, длина 10.",
         "Nodes 1 to 6. Links (weight in brackets): 1–2 (5), 1–6 (20), 2–6 (5). The way from "
         "node 1 to node 6: 1-2-6, length 10."},
        // The graph stays drawn, but its way no longer answers the tables.
        {{{2, 6, ""}, {1, 6, ""}},
         nullptr,
         "Узлы от 1 до 6. Связи (в скобках — вес): 1–2 (5), 1–6 (20), 2–6 (5). Рисунок "
         "показывает граф таким, каким он был до последней правки таблиц.",
         "Nodes 1 to 6. Links (weight in brackets): 1–2 (5), 1–6 (20), 2–6 (5). The picture "
         "shows the graph as it was before the tables were last edited."},
        {{},
         "Button1",
         "Узлы от 1 до 6. Связи (в скобках — вес): 1–2 (5). Путь из узла 1 в узел 6: нет пути.",
         "Nodes 1 to 6. Links (weight in brackets): 1–2 (5). The way from node 1 to node 6: no "
         "way."},
        {{}, "Button2", "Узлы от 1 до 6. Связей нет.", "Nodes 1 to 6. No links."},
    };
    for (const auto& step : steps) {
        for (const auto& [from, to, weight] : step.links) TypeLink(from, to, weight);
        if (step.button != nullptr) Click(step.button);
        EXPECT_EQ(Find<QWidget>("Image1")->accessibleDescription(),
                  Expected(step.russian, step.english));
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Expected("нет пути", "no way"));
}

TEST_F(LanguageTest, TheStepWindowAndTheClassSetSpeakTheLanguage) {
    // The example's links, and the same graph without node 6's.
    graph::Graph way{graph::NodePoints(6),
                     graph::AdjacencyMatrix(6, std::vector<std::int32_t>(6, -1))};
    for (const auto& [u, v, w] : {std::tuple{0, 1, 5}, {1, 5, 5}, {0, 5, 20}}) {
        way.adjacency[u][v] = way.adjacency[v][u] = w;
    }
    graph::Graph noWay = way;
    noWay.adjacency[1][5] = noWay.adjacency[5][1] = noWay.adjacency[0][5] = noWay.adjacency[5][0] =
        -1;
    const auto lastStep = [](const graph::Graph& graph) {
        auto* window = new app::StepWindow([graph] { return std::optional(graph); });
        window->Restart();
        window->ShowStep(window->LastStep());
        return std::unique_ptr<app::StepWindow>(window);
    };
    const auto steps = lastStep(way);
    const auto stuck = lastStep(noWay);
    const auto* table = steps->findChild<QTableWidget*>("StepTable");
    const auto* stuckTable = stuck->findChild<QTableWidget*>("StepTable");
    graph::ClassSetParameters asked;
    asked.variants = 21;
    asked.minLinks = 1;
    asked.uniqueTable = true;
    app::ClassSetWindow set;

    const struct {
        QString shown;
        const char* russian;
        const char* english;
    } cases[] = {
        {steps->windowTitle(), "Алгоритм Дейкстры по шагам", "Dijkstra's algorithm step by step"},
        {steps->findChild<QPushButton*>("firstStepButton")->text(), "В начало", "To the start"},
        {steps->findChild<QCheckBox*>("allStepsBox")->text(), "Показать все шаги",
         "Show all steps"},
        {table->horizontalHeaderItem(6)->text(), "Выбран", "Chosen"},
        {table->item(1, 1)->data(Qt::AccessibleTextRole).toString(), "Шаг 1, узел 2: 5 (1)",
         "Step 1, node 2: 5 (1)"},
        {table->item(3, 6)->data(Qt::AccessibleTextRole).toString(), "Шаг 3, Выбран: 6",
         "Step 3, Chosen: 6"},
        {steps->findChild<QLabel*>("StepAnswer")->text(), "1-2-6, Длина: 10", "1-2-6, Length: 10"},
        {stuck->findChild<QLabel*>("StepAnswer")->text(), "нет пути", "no way"},
        {stuckTable->item(stuckTable->rowCount() - 1, 6)->text(), "нет пути", "no way"},
        {set.windowTitle(), "Варианты для класса", "Variants for a class"},
        {set.findChild<QPushButton*>("createButton")->text(), "Создать", "Make"},
        {set.findChild<QSpinBox*>("minLinksBox")->accessibleName(), "Связей в пути",
         "Links in the way"},
        {app::SetFaultText({graph::ClassSetFault::Kind::Unmet, 3}, asked),
         "Удалось создать только 3 из 21 варианта, не совпадающих друг с другом, с единственным "
         "кратчайшим путём не короче 1 связи и единственной таблицей Дейкстры: расширьте веса "
         "(«Веса от», «до»), увеличьте «Узлов», уменьшите «Связей в пути», снимите «Единственная "
         "таблица Дейкстры» или «Вариантов»",
         "Only 3 of 21 variants differing from each other could be made with a single shortest "
         "way of at least 1 link and a single Dijkstra table: widen the weights («Weights from», "
         "«to»), increase «Nodes», decrease «Links in the way», clear «A single Dijkstra table» "
         "or «Variants»"},
        {app::TaskText(6),
         "Найдите кратчайший путь из узла 1 в узел 6 и заполните таблицу алгоритма Дейкстры.",
         "Find the shortest way from node 1 to node 6 and fill in the table of Dijkstra's "
         "algorithm."},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, Expected(c.russian, c.english));
}

}  // namespace

int main(int argc, char* argv[]) {
    StartGuiApplication();
    app::LoadTranslations();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    StopGuiApplication();
    return result;
}
