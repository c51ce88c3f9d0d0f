// The three commands end to end: cells typed into the grids, buttons
// clicked, then the labels, the messages and the pixels of the picture.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <new>
#include <utility>

#include "app/messages.h"
#include "app/tables/cell_table_model.h"
#include "tests/app/window_fixture.h"

namespace {

// Places of the sample nodes in surface pixels.
constexpr QPoint kNode1(140, 160);
constexpr QPoint kNode2(240, 180);
constexpr QPoint kNode3(220, 240);
constexpr QPoint kNode6(280, 160);

}  // namespace

class CommandsTest : public WindowTest {
protected:
    // Links 1-2 = 5, 2-6 = 5 and 1-6 as given.
    void TypeExample(const QString& direct) {
        TypeLink(1, 2, "5");
        TypeLink(2, 6, "5");
        TypeLink(1, 6, direct);
    }
    // Red all along 1 -> 2 -> 6: the way is drawn over nodes, links and
    // weights alike.
    bool WayShownRed() const {
        for (const auto& [from, to] : {std::pair{kNode1, kNode2}, std::pair{kNode2, kNode6}}) {
            for (int step = 1; step < 10; ++step) {
                const QPoint point = from + (to - from) * step / 10;
                if (!ColourNear(point.x(), point.y(), kRed)) return false;
            }
        }
        return true;
    }
};

TEST_F(CommandsTest, CalculatingWithoutLinksSaysThereIsNoWay) {
    Click("Button1");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              (app::MessageBoxContent{QMessageBox::NoIcon, app::ApplicationTitle(), "нет пути"}));
    EXPECT_EQ(LabelText("Label1"), "Длина:");
    EXPECT_EQ(LabelText("Label2"), "");
    for (QPoint node : {kNode1, kNode2, kNode3, kNode6}) {
        EXPECT_TRUE(ColourNear(node.x(), node.y(), kBlue, 0)) << node.x() << "," << node.y();
    }
    EXPECT_EQ(Picture().pixel(10, 200), kBlack);
}

TEST_F(CommandsTest, ExampleGraphGivesWayOneTwoSix) {
    TypeExample("20");
    EXPECT_EQ(Cell("StringGrid2", 2, 1), "5");  // mirrored while typed
    Click("Button1");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(LabelText("Label2"), "1-2-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 10");

    // Weights written at the rounded middles of their links.
    EXPECT_TRUE(TextIn(QRect(190, 170, 8, 12)));
    EXPECT_TRUE(TextIn(QRect(260, 170, 8, 12)));
    EXPECT_TRUE(TextIn(QRect(210, 160, 14, 12)));
    EXPECT_TRUE(WayShownRed());
    // The direct link stays green; the way's nodes are under the red line.
    EXPECT_TRUE(ColourNear(170, 160, kGreen, 0));
    EXPECT_TRUE(ColourNear(kNode1.x(), kNode1.y(), kRed, 0));
    EXPECT_TRUE(ColourNear(kNode3.x(), kNode3.y(), kBlue, 0));
}

TEST_F(CommandsTest, TieGoesToTheLexicographicallyFirstWay) {
    TypeExample("10");
    Click("Button1");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(LabelText("Label2"), "1-2-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 10");
}

TEST_F(CommandsTest, LinksWithTheSameResultAsTheEnumeration) {
    // Zero-weight links are usable, negative ones are not.
    TypeLink(1, 3, "0");
    TypeLink(3, 6, "0");
    TypeLink(1, 6, "-1");
    Click("Button1");
    EXPECT_EQ(LabelText("Label2"), "1-3-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 0");
    // A heavy way is measured exactly.
    TypeLink(1, 3, "2147483647");
    TypeLink(3, 6, "2147483647");
    Click("Button1");
    EXPECT_EQ(LabelText("Label1"), "Длина: 4294967294");
    EXPECT_TRUE(shown.empty());
}

TEST_F(CommandsTest, NoWayAfterAResultKeepsTheLabelsButNotTheWay) {
    TypeExample("20");
    Click("Button1");
    ASSERT_TRUE(WayShownRed());
    TypeLink(1, 2, "");
    TypeLink(6, 2, "");  // removed from the mirror side
    TypeLink(1, 6, "");
    Click("Button1");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "нет пути");
    EXPECT_EQ(LabelText("Label2"), "1-2-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 10");
    EXPECT_FALSE(ColourNear(165, 165, kRed));
    EXPECT_FALSE(ColourNear(250, 175, kRed));
    EXPECT_FALSE(ColourNear(170, 160, kGreen));
    EXPECT_TRUE(ColourNear(kNode1.x(), kNode1.y(), kBlue, 0));
}

TEST_F(CommandsTest, LinksStopAtTheFirstCellThatIsNotANumber) {
    TypeLink(1, 2, "5");
    TypeIntoCell("StringGrid2", 3, 4, "x");
    Click("Button3");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[0].caption, app::ApplicationTitle());
    EXPECT_EQ(shown[0].text, "'x' is not a valid integer value.");
    // Axes and nodes were drawn, no link was.
    EXPECT_EQ(Picture().pixel(10, 200), kBlack);
    EXPECT_TRUE(ColourNear(kNode1.x(), kNode1.y(), kBlue, 0));
    EXPECT_FALSE(ColourNear(190, 170, kGreen, 3));
    // Diagonal cells of the columns read before the bad one were emptied.
    TypeIntoCell("StringGrid2", 2, 2, "7");
    TypeIntoCell("StringGrid2", 4, 4, "7");
    shown.clear();
    Click("Button3");
    EXPECT_EQ(Cell("StringGrid2", 2, 2), "");
    EXPECT_EQ(Cell("StringGrid2", 4, 4), "7");

    // Calculating fails the same way and leaves the labels alone.
    Click("Button1");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].text, "'x' is not a valid integer value.");
    EXPECT_EQ(LabelText("Label1"), "Длина:");
}

TEST_F(CommandsTest, DisplayStopsAtANodeThatIsNotANumber) {
    TypeLink(1, 2, "5");
    Click("Button3");
    ASSERT_TRUE(ColourNear(190, 170, kGreen, 3));
    TypeIntoCell("StringGrid1", 2, 2, "1,5");
    Click("Button2");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "'1,5' is not a valid integer value.");
    EXPECT_EQ(Picture().pixel(10, 200), kBlack);
    EXPECT_FALSE(ColourNear(kNode1.x(), kNode1.y(), kBlue, 3));
    EXPECT_FALSE(ColourNear(190, 170, kGreen, 3));
}

TEST_F(CommandsTest, MissingBackgroundBetweenCommandsLeavesThePicture) {
    TypeExample("20");
    Click("Button1");
    ASSERT_TRUE(shown.empty());
    const QImage before = Picture();
    ASSERT_TRUE(QFile::remove("1.bmp"));
    TypeLink(1, 6, "1");
    for (const char* button : {"Button1", "Button2", "Button3"}) {
        shown.clear();
        Click(button);
        ASSERT_EQ(shown.size(), 1u) << button;
        EXPECT_EQ(shown[0].text, "Cannot open file 1.bmp.") << button;
        EXPECT_EQ(Picture(), before) << button;
    }
    EXPECT_EQ(LabelText("Label2"), "1-2-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 10");

    // With the file back, the program goes on where it was.
    ASSERT_TRUE(QFile::copy(QStringLiteral(GRAPHWAY_BACKGROUND), "1.bmp"));
    shown.clear();
    Click("Button1");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(LabelText("Label2"), "1-6");
    EXPECT_EQ(LabelText("Label1"), "Длина: 1");
}

TEST_F(CommandsTest, ReportErrorAddsAFullStopOnlyAfterCodesAboveThePoint) {
    const std::pair<const char*, const char*> cases[] = {
        {"Cannot open file 1.bmp", "Cannot open file 1.bmp."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"Weight 12", "Weight 12."},
        {"dash -", "dash -"},
    };
    for (const auto& [message, expected] : cases) {
        shown.clear();
        form->ReportError(std::runtime_error(message));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, QString::fromUtf8(expected));
        EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
        EXPECT_EQ(shown[0].caption, app::ApplicationTitle());
    }
    shown.clear();
    form->ReportError(std::bad_alloc());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Не хватило памяти: команда прервана.");
}

TEST_F(CommandsTest, RealMessageBoxHasOneOkButtonForEnterAndEscape) {
    app::SetMessageBoxShower({});
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString caption;
    QString text;
    int buttons = 0;
    bool okIsDefaultAndEscape = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        caption = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        okIsDefaultAndEscape = box->defaultButton() == box->button(QMessageBox::Ok) &&
                               box->escapeButton() == box->button(QMessageBox::Ok);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    Click("Button1");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(caption, app::ApplicationTitle());
    EXPECT_EQ(text, "нет пути");
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(okIsDefaultAndEscape);
    EXPECT_EQ(LabelText("Label1"), "Длина:");
}
