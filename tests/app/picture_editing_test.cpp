// The graph built on the picture with the mouse and keys: nodes dragged,
// moved, added and deleted, links drawn, each one step of the history; the
// view drawn again at its size and faded while it is stale.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <tuple>

#include "app/picture/answer_label.h"
#include "app/picture/picture_editor.h"
#include "graph/layout_rules.h"
#include "tests/app/window_fixture.h"

class PictureEditingTest : public WindowTest {
protected:
    app::PictureView* View() const { return Find<app::PictureView>("Image1"); }
    // The widget pixel that shows plot point (x, y): the centre of its
    // surface pixel stretched over the view.
    QPoint At(int x, int y) const {
        const auto stretch = [](int pixel, int size) { return (2 * pixel + 1) * size / 800; };
        return {stretch(x + 200, View()->width()), stretch(200 - y, View()->height())};
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mousePress(View(), Qt::LeftButton, keys, from);
        QTest::mouseMove(View(), (from + to) / 2);
        QTest::mouseMove(View(), to);
        QTest::mouseRelease(View(), Qt::LeftButton, keys, to);
    }
    void Undo() { Find<QAction>("undoAction")->trigger(); }
    std::pair<QString, QString> Node(int node) const {
        return {Cell("StringGrid1", 1, node), Cell("StringGrid1", 2, node)};
    }
};

TEST_F(PictureEditingTest, DragFollowsTheStretchAtEverySizeAndIsOneStep) {
    for (const auto& [width, height] : {std::pair{768, 392}, {1280, 1024}, {560, 700}}) {
        form->resize(width, height);
        QCoreApplication::processEvents();
        Click("Button3");
        const std::vector<QString> before = All();
        // Node 2 stands at (40, 20); beyond the plot the cells stop at 200.
        for (const auto& [x, y, cellX, cellY] :
             {std::tuple{-120, 150, "-120", "150"}, std::tuple{400, -300, "200", "-200"}}) {
            Drag(At(40, 20), At(x, y));
            EXPECT_EQ(Node(2), std::pair(QString(cellX), QString(cellY))) << width;
            // The dot is drawn where the cells say, at the picture's edge
            // for the corner.
            EXPECT_TRUE(ColourNear(std::min(std::stoi(cellX) + 200, 399),
                                   std::min(200 - std::stoi(cellY), 399), kBlue, 0));
            Undo();
            EXPECT_EQ(All(), before) << width;
        }
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(PictureEditingTest, DraggedWayStaysRedAndTheAnswerFresh) {
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    Click("Button1");
    Drag(At(40, 20), At(40, -100));
    EXPECT_EQ(Node(2), std::pair(QString("40"), QString("-100")));
    // The way from node 1 at (140, 160) to node 2 now runs down to (240, 300).
    EXPECT_TRUE(ColourNear(190, 230, kRed, 2));
    EXPECT_FALSE(Find<app::AnswerLabel>("Label2")->IsStale());
    EXPECT_FALSE(View()->IsFaded());
    // Taking the drag back puts the node and its picture back.
    Undo();
    EXPECT_EQ(Node(2), std::pair(QString("40"), QString("20")));
    EXPECT_TRUE(ColourNear(190, 170, kRed, 1));
    EXPECT_EQ(Find<QAction>("undoAction")->text(), "Отменить ввод в ячейку");
}

TEST_F(PictureEditingTest, DraggedNodeKeepsTheDistancesAndTheTiedLink) {
    constexpr QRgb kOrange = 0xffffa000;
    constexpr QRgb kMagenta = 0xffc000c0;
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    TypeLink(1, 6, "10");
    Find<QAction>("distancesAction")->trigger();
    Click("Button1");
    Drag(At(40, 20), At(40, -100));
    // The way runs down to node 2 at (240, 300), its distance 5 over it; the
    // direct link from (140, 160) to node 6 at (280, 160) ties and stays.
    EXPECT_TRUE(ColourNear(190, 230, kRed, 2));
    EXPECT_TRUE(ColourNear(250, 291, kMagenta, 6));
    EXPECT_TRUE(ColourNear(170, 160, kOrange, 2));
    EXPECT_FALSE(ColourNear(190, 170, kRed, 3));
}

TEST_F(PictureEditingTest, ArrowKeysMoveTheClickedNodeOneStepPerRun) {
    Click("Button2");
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, At(20, -40));
    for (int i = 0; i < 3; ++i) QTest::keyClick(View(), Qt::Key_Right);
    QTest::keyClick(View(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Node(3), std::pair(QString("23"), QString("-30")));
    QTest::keyClick(View(), Qt::Key_Escape);
    EXPECT_EQ(Find<QAction>("undoAction")->text(), "Отменить перемещение узла");
    Undo();
    EXPECT_EQ(Node(3), std::pair(QString("20"), QString("-40")));
}

TEST_F(PictureEditingTest, DoubleClickAddsANodeAndDrawsItUpToTheLimit) {
    // Before any command the new node and the others are drawn as
    // «Отобразить» draws them.
    QTest::mouseDClick(View(), Qt::LeftButton, Qt::NoModifier, At(150, -150));
    EXPECT_EQ(Rows("StringGrid1"), 8);
    EXPECT_EQ(Node(7), std::pair(QString("150"), QString("-150")));
    EXPECT_TRUE(ColourNear(350, 350, kBlue, 0));
    EXPECT_TRUE(ColourNear(140, 160, kBlue, 0));
    Undo();
    EXPECT_EQ(Rows("StringGrid1"), 7);
    EXPECT_TRUE(shown.empty());

    // Nodes 7 to 100 have no places yet: the first of them takes one.
    Find<QSpinBox>("UpDown1")->setValue(100);
    QTest::mouseDClick(View(), Qt::LeftButton, Qt::NoModifier, At(-150, -150));
    EXPECT_EQ(Node(7), std::pair(QString("-150"), QString("-150")));
    EXPECT_TRUE(shown.empty());
    Select("StringGrid1", 1, 8, 1, 8);
    Paste("StringGrid1", QString("1\t1\n").repeated(93));
    // A node emptied among placed ones is the one placed next.
    Select("StringGrid1", 1, 3, 2, 3);
    QTest::keyClick(Grid("StringGrid1"), Qt::Key_Delete);
    QTest::mouseDClick(View(), Qt::LeftButton, Qt::NoModifier, At(60, 60));
    EXPECT_EQ(Node(3), std::pair(QString("60"), QString("60")));
    EXPECT_TRUE(shown.empty());
    QTest::mouseDClick(View(), Qt::LeftButton, Qt::NoModifier, At(-150, 150));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.contains("100")) << shown[0].text.toStdString();
    EXPECT_EQ(Rows("StringGrid1"), 101);
}

TEST_F(PictureEditingTest, NewGraphIsBuiltWithTheMouseAlone) {
    TypeLink(1, 2, "5");
    answers = {QMessageBox::Discard};
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Сохранить изменения?");
    EXPECT_EQ(form->NodeCount(), 2);
    EXPECT_EQ(Node(1), std::pair(QString(), QString()));
    EXPECT_EQ(Cell("StringGrid2", 2, 1), "");
    // Nodes 1 and 2 take the first two places, node 3 the third.
    const std::pair<int, int> places[] = {{-100, 50}, {0, 120}, {100, -50}};
    for (const auto& [x, y] : places) {
        QTest::mouseDClick(View(), Qt::LeftButton, Qt::NoModifier, At(x, y));
    }
    EXPECT_EQ(form->NodeCount(), 3);
    for (int node = 1; node <= 3; ++node) {
        const auto& [x, y] = places[node - 1];
        EXPECT_EQ(Node(node), std::pair(QString::number(x), QString::number(y)));
        EXPECT_TRUE(ColourNear(x + 200, 200 - y, kBlue, 0)) << node;
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(PictureEditingTest, ShiftDragTypesTheWeightOnThePictureAndDrawsTheLink) {
    Click("Button2");
    for (const bool typed : {false, true}) {
        const std::vector<QString> before = All();
        Drag(At(-60, 40), At(80, 40), Qt::ShiftModifier);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->objectName(), "linkWeightEditor");
        // Over the middle of the link from node 1 to node 6.
        EXPECT_TRUE(editor->geometry().contains(At(10, 40)));
        if (!typed) {
            QTest::keyClicks(editor, "7");
            QTest::keyClick(editor, Qt::Key_Escape);
            EXPECT_FALSE(editor->isVisible());
            EXPECT_EQ(All(), before);
            continue;
        }
        QTest::keyClicks(editor, "12");
        QTest::keyClick(editor, Qt::Key_Return);
    }
    EXPECT_EQ(Cell("StringGrid2", 1, 6), "12");
    EXPECT_EQ(Cell("StringGrid2", 6, 1), "12");
    // Drawn at once: the line from (140, 160) to (280, 160), 12 at its middle.
    EXPECT_TRUE(ColourNear(170, 160, kGreen, 0));
    EXPECT_TRUE(TextIn(QRect(211, 162, 12, 10)));
    EXPECT_FALSE(View()->IsFaded());
    EXPECT_EQ(Find<QAction>("undoAction")->text(), "Отменить ввод веса связи");
    // A drag ending on its start node or on empty space does nothing.
    const std::vector<QString> drawn = All();
    for (const QPoint end : {At(-60, 40) + QPoint(2, 0), At(-150, -150)}) {
        Drag(At(-60, 40), end, Qt::ShiftModifier);
        EXPECT_FALSE(Find<QLineEdit>("linkWeightEditor")->isVisible());
    }
    EXPECT_EQ(All(), drawn);
    EXPECT_TRUE(shown.empty());
}

TEST_F(PictureEditingTest, PastedTextbookMatrixIsLaidOutToBeRead) {
    // Seven nodes of a textbook, 0 for no link, over the six sample places.
    const QString textbook =
        "0 4 2 0 0 0 0\n4 0 1 5 0 0 0\n2 1 0 8 10 0 0\n0 5 8 0 2 6 0\n"
        "0 0 10 2 0 2 9\n0 0 0 6 2 0 3\n0 0 0 0 9 3 0\n";
    const std::vector<QString> before = All();
    answers = {QMessageBox::Yes, QMessageBox::Yes};
    Select("StringGrid2", 1, 1, 1, 1);
    Paste("StringGrid2", textbook);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text, "Расставить узлы?");
    graph::AdjacencyMatrix links(7, std::vector<std::int32_t>(7));
    graph::NodePlaces places(7);
    for (int u = 0; u < 7; ++u) {
        places[u] = {Node(u + 1).first.toInt(), Node(u + 1).second.toInt()};
        for (int v = 0; v < 7; ++v) {
            links[u][v] = graph::LinkWeight(u, v, Cell("StringGrid2", u + 1, v + 1).toStdString());
        }
    }
    EXPECT_TRUE(graph::CheckLayout(links, places).Holds());
    // Drawn at once, with its links: node 1 on the left.
    EXPECT_FALSE(View()->IsFaded());
    EXPECT_TRUE(ColourNear(places[0].first + 200, 200 - places[0].second, kBlue, 2));
    EXPECT_TRUE(shown.empty());
    // The paste and its layout are one edit; the menu lays it out alike.
    const std::vector<QString> laidOut = All();
    Undo();
    EXPECT_EQ(All(), before);
    Select("StringGrid2", 1, 1, 1, 1);
    answers = {QMessageBox::Yes, QMessageBox::No};
    Paste("StringGrid2", textbook);
    ChooseFromTableMenu("Расставить узлы");
    EXPECT_EQ(All(), laidOut);
    EXPECT_EQ(Find<QAction>("undoAction")->text(), "Отменить расстановку узлов");
}

TEST_F(PictureEditingTest, DeletingANodeMovesTheLaterOnesUpInOneStep) {
    TypeLink(1, 3, "4");
    TypeLink(3, 6, "9");
    Click("Button3");
    const std::vector<QString> before = All();
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions().front()->text(), "Удалить узел 2");
        menu->setActiveAction(menu->actions().front());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    emit View()->customContextMenuRequested(At(40, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(Rows("StringGrid1"), 6);
    EXPECT_EQ(Node(2), std::pair(QString("20"), QString("-40")));
    EXPECT_EQ(Node(5), std::pair(QString("80"), QString("40")));
    EXPECT_EQ(Cell("StringGrid2", 1, 2), "4");
    EXPECT_EQ(Cell("StringGrid2", 5, 2), "9");
    EXPECT_EQ(Cell("StringGrid2", 2, 5), "9");
    EXPECT_EQ(Cell("StringGrid2", 1, 5), "");
    // The links are drawn again between the nodes that are left.
    EXPECT_TRUE(ColourNear(160, 180, kGreen, 1));
    Undo();
    EXPECT_EQ(All(), before);
}

TEST_F(PictureEditingTest, OnlyNodesInTheTablesMoveAndOnlyPastTheDragDistance) {
    // Node 5 stays on the faded picture beyond the count; node 2 wobbles.
    Click("Button2");
    Find<QSpinBox>("UpDown1")->setValue(3);
    const std::vector<QString> before = All();
    EXPECT_EQ(form->findChild<app::PictureEditor*>()->DeleteActionAt(At(-20, -10)), nullptr);
    Drag(At(-20, -10), At(100, 100));
    Drag(At(40, 20), At(41, 20));
    EXPECT_EQ(All(), before);
    EXPECT_EQ(Find<QAction>("undoAction")->text(), "Отменить изменение числа узлов");
    Drag(At(40, 20), At(40, 20) + QPoint(QApplication::startDragDistance(), 0));
    EXPECT_NE(All(), before);
}

TEST_F(PictureEditingTest, StalePictureIsFadedUntilTheNextCommand) {
    Click("Button1");
    EXPECT_FALSE(View()->IsFaded());
    const QImage fresh = View()->grab().toImage();
    TypeLink(1, 2, "5");
    EXPECT_TRUE(View()->IsFaded());
    const QImage faded = View()->grab().toImage();
    const QPoint axis = At(0, 100);
    EXPECT_EQ(qGray(fresh.pixel(axis)), 0);
    EXPECT_GT(qGray(faded.pixel(axis)), 100);
    Click("Button2");
    EXPECT_FALSE(View()->IsFaded());
}

TEST_F(PictureEditingTest, LargeViewKeepsDotsAndNumbersAtTheirSizeWithATooltip) {
    form->resize(1280, 1024);
    QCoreApplication::processEvents();
    Click("Button2");
    const QImage shot = View()->grab().toImage();
    const QPoint node = At(40, 20);
    // A round 5-pixel dot, not an ellipse stretched to three times that.
    EXPECT_EQ(shot.pixel(node), kBlue);
    EXPECT_EQ(shot.pixel(node + QPoint(2, 0)), kBlue);
    EXPECT_NE(shot.pixel(node + QPoint(4, 0)), kBlue);
    EXPECT_NE(shot.pixel(node + QPoint(0, 4)), kBlue);
    // The number "2" within the usual 11 pixels right below its dot.
    bool dark = false;
    for (int y = node.y() + 3; y < node.y() + 14; ++y) {
        for (int x = node.x() + 3; x < node.x() + 10; ++x) dark |= qGray(shot.pixel(x, y)) < 80;
    }
    EXPECT_TRUE(dark);

    QHelpEvent help(QEvent::ToolTip, At(20, -40) + QPoint(3, -2), View()->mapToGlobal(At(20, -40)));
    QApplication::sendEvent(View(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Узел 3 (20; \u221240)"));
}
