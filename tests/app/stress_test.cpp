// Stress through the window: a hundred nodes with junk or extreme numbers in
// every matrix cell, the node count run between its ends by typing, by held
// keys and by the mouse, and a full random graph calculated, all through the
// widgets, with every text checked afterwards. Nothing waits on the clock.

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/window_fixture.h"

namespace {

constexpr int kMost = 100;

// Texts a person may type that are not integers: every one fails to convert.
const QStringList kJunk = {
    "abc",
    "1,5",
    " ",
    "   ",
    "2147483648",
    "-2147483649",
    "99999999999999999999",
    "абв",
    "$",
    "0x",
    "-",
    "+",
    "x",
    "12 ",
    " 1 2",
    "1e3",
    "1.0",
    "0x1G",
    "$100000000",
    "+$10",
    "--1",
    "\u22125",          // a minus sign that is not the hyphen
    "\uff15",           // a full-width digit five
    "it's \U0001F600",  // a character outside the basic plane
    "ёЁ 7",
    "\u00a07",  // a no-break space, which is not skipped as a space is
    // As long as a cell may be.
    "1" + QString(99, u'0'),
};

// Texts of a table by (column, row), both from 0, for every cell of the
// largest grid.
using TextGrid = std::vector<std::vector<QString>>;

QString Message(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value.").arg(text);
}

// "1-2-...-n".
QString ChainText(int nodes) {
    QStringList numbers;
    for (int k = 1; k <= nodes; ++k) numbers << QString::number(k);
    return numbers.join(u'-');
}

// Nodes spread over the plot, no two in the same place.
QString SpreadCoordinate(int column, int row) {
    return QString::number(row * (column == 1 ? 37 : 53) % 381 - 190);
}

// The first off-diagonal cell that holds junk, column by column and row by
// row within a column, as the links are read.
std::optional<std::pair<int, int>> FirstJunkCell(const TextGrid& matrix) {
    for (int column = 1; column <= kMost; ++column) {
        for (int row = 1; row <= kMost; ++row) {
            if (column != row && kJunk.contains(matrix[column][row])) return {{column, row}};
        }
    }
    return std::nullopt;
}

// Shortest way lengths from node index 0 over integer weights, negative
// meaning no link; written apart from the program's search to check it.
std::int64_t ShortestLength(const std::vector<std::vector<std::int64_t>>& weight) {
    const std::size_t n = weight.size();
    constexpr std::int64_t kFar = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int64_t> distance(n, kFar);
    std::vector<bool> done(n, false);
    distance[0] = 0;
    for (std::size_t round = 0; round < n; ++round) {
        std::size_t next = n;
        for (std::size_t v = 0; v < n; ++v) {
            if (!done[v] && distance[v] != kFar && (next == n || distance[v] < distance[next])) {
                next = v;
            }
        }
        if (next == n) break;
        done[next] = true;
        for (std::size_t v = 0; v < n; ++v) {
            if (weight[next][v] >= 0) {
                distance[v] = std::min(distance[v], distance[next] + weight[next][v]);
            }
        }
    }
    return distance[n - 1];
}

}  // namespace

// The window at its largest, with what each cell of both tables should hold.
class StressTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        count_ = Find<QSpinBox>("UpDown1");
        countEdit_ = Find<QLineEdit>("LabeledEdit1");
        SetCountTo(kMost);
    }

    // One key press per character with that character as its text, as a
    // keyboard sends it; QTest::keyClicks drops characters outside Latin-1.
    static void TypeText(QWidget* widget, const QString& text) {
        for (const char32_t code : text.toUcs4()) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&code, 1),
                                Qt::NoModifier);
        }
    }

    // Types `text` over a cell's text and presses Enter, or deletes the text
    // when `text` is empty.
    void Type(const char* grid, int column, int row, const QString& text) {
        QLineEdit* editor = OpenEditor(grid, column, row);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(editor, Qt::Key_Delete);
        } else {
            TypeText(editor, text);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        Expect(grid, column, row, text);
    }

    // Hands the matrix's model `text` for a cell as the cell editor does when
    // it commits, mirror included, without a key press per character.
    void Commit(int column, int row, const QString& text) {
        app::CellGrid* view = Grid("StringGrid2");
        ASSERT_TRUE(view->model()->setData(Index("StringGrid2", column, row), text));
        Expect("StringGrid2", column, row, text);
    }

    void Expect(const char* grid, int column, int row, const QString& text) {
        if (QByteArray(grid) == "StringGrid1") {
            nodes_[column][row] = text;
        } else {
            matrix_[column][row] = matrix_[row][column] = text;
        }
    }

    // Types every node's X and Y.
    void TypeNodes(const std::function<QString(int, int)>& coordinate) {
        for (int row = 1; row <= kMost; ++row) {
            for (int column = 1; column <= 2; ++column) {
                Type("StringGrid1", column, row, coordinate(column, row));
            }
        }
    }

    // Puts `weight(column, row)` into each cell above the diagonal, where the
    // mirror copies it below. The first `typedColumns` columns are typed key
    // by key, the others committed whole: typing all 4950 cells would take
    // most of a minute.
    void FillMatrix(const std::function<QString(int, int)>& weight, int typedColumns = 1) {
        for (int column = 1; column <= kMost; ++column) {
            for (int row = column + 1; row <= kMost; ++row) {
                if (column <= typedColumns) {
                    Type("StringGrid2", column, row, weight(column, row));
                } else {
                    Commit(column, row, weight(column, row));
                }
            }
        }
    }

    // Reading the links as far as (column, row) empties the diagonal cells
    // passed on the way.
    void ReadUpTo(int column, int row) {
        for (int k = 1; k < column || (k == column && k < row); ++k) matrix_[k][k].clear();
    }
    void ReadAll() { ReadUpTo(kMost + 1, 0); }

    // Selects the count box's text and types over it, keystroke by
    // keystroke, calling `afterEach` after each key.
    void TypeCount(const QString& text, const std::function<void()>& afterEach = {}) {
        countEdit_->selectAll();
        for (const char32_t code : text.toUcs4()) {
            TypeText(count_, QString::fromUcs4(&code, 1));
            CountChanged();
            if (afterEach) afterEach();
        }
    }

    void SetCountTo(int n) {
        TypeCount(QString::number(n));
        ASSERT_EQ(form->NodeCount(), n);
    }

    // Every change of the count empties the diagonal up to the new count.
    void CountChanged() {
        for (int k = 1; k <= form->NodeCount(); ++k) matrix_[k][k].clear();
    }

    // The grids are as large as the count, which stays within 2..100.
    void ExpectGridsFollowCount(const std::string& when) {
        const int n = form->NodeCount();
        EXPECT_GE(n, 2) << when;
        EXPECT_LE(n, kMost) << when;
        EXPECT_EQ(Rows("StringGrid1"), n + 1) << when;
        EXPECT_EQ(Columns("StringGrid1"), 3) << when;
        EXPECT_EQ(Rows("StringGrid2"), n + 1) << when;
        EXPECT_EQ(Columns("StringGrid2"), n + 1) << when;
        EXPECT_EQ(Grid("StringGrid1")->model()->rowCount(), n) << when;
        EXPECT_EQ(Grid("StringGrid2")->model()->rowCount(), n) << when;
        EXPECT_EQ(Grid("StringGrid2")->model()->columnCount(), n) << when;
    }

    // Holds `key` down in the count box for `presses` presses, all but the
    // first auto-repeated as a held key sends them, then lets it go. The
    // count passes through every number on its way and stops at the end;
    // Qt's spin box may take two steps on the first repeat.
    void HoldKey(Qt::Key key, int presses) {
        const int step = key == Qt::Key_Up ? 1 : -1;
        int last = form->NodeCount();
        const QMetaObject::Connection watch =
            QObject::connect(count_, &QSpinBox::valueChanged, [&](int value) {
                EXPECT_EQ(value, last + step) << "after " << last;
                last = value;
            });
        for (int k = 0; k < presses; ++k) {
            const int before = form->NodeCount();
            QTest::simulateEvent(count_, true, key, Qt::NoModifier, QString(), k > 0);
            CountChanged();
            if (before != (step > 0 ? kMost : 2)) {
                EXPECT_NE(form->NodeCount(), before) << "press " << k;
            }
            ExpectGridsFollowCount("press " + std::to_string(k));
        }
        QTest::simulateEvent(count_, false, key, Qt::NoModifier, QString(), false);
        QObject::disconnect(watch);
        EXPECT_EQ(form->NodeCount(), last);
    }

    // Describes the cells of both tables, shown or not, whose texts differ
    // from what they should hold: empty when none does.
    std::string Differences() const {
        return Differences("StringGrid1", nodes_, 2) + Differences("StringGrid2", matrix_, kMost);
    }

    std::string Differences(const char* grid, const TextGrid& expected, int columns) const {
        const app::CellTableModel* cells = Model(grid);
        int differing = 0;
        std::string first;
        for (int column = 1; column <= columns; ++column) {
            for (int row = 1; row <= kMost; ++row) {
                const QString text = cells->Text(column, row);
                if (text == expected[column][row]) continue;
                if (differing++ == 0) {
                    first = " first (" + std::to_string(column) + ", " + std::to_string(row) +
                            "): '" + text.toStdString() + "' instead of '" +
                            expected[column][row].toStdString() + "'";
                }
            }
        }
        if (differing == 0) return {};
        return std::string(grid) + ": " + std::to_string(differing) + " cells differ," + first +
               "; ";
    }

    // Clicks `button` and expects exactly the message about the first junk
    // in reading order, which should be at (column, row).
    void ExpectJunkReportedAt(const char* button, int column, int row) {
        EXPECT_EQ(FirstJunkCell(matrix_), std::make_optional(std::pair{column, row}));
        shown.clear();
        Click(button);
        ReadUpTo(column, row);
        ASSERT_EQ(shown.size(), 1u) << button << " at (" << column << ", " << row << ")";
        EXPECT_EQ(shown[0], (app::MessageBoxContent{QMessageBox::Critical, app::ApplicationTitle(),
                                                    Message(matrix_[column][row])}))
            << button << " at (" << column << ", " << row << ")";
    }

    void ExpectWay(const QString& way, const QString& length) {
        shown.clear();
        Click("Button1");
        EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
        EXPECT_EQ(LabelText("Label2"), way);
        EXPECT_EQ(LabelText("Label1"), "Длина: " + length);
        ReadAll();
    }

    QSpinBox* count_ = nullptr;
    QLineEdit* countEdit_ = nullptr;
    TextGrid nodes_ = TextGrid(3, std::vector<QString>(kMost + 1));
    TextGrid matrix_ = TextGrid(kMost + 1, std::vector<QString>(kMost + 1));
};

TEST_F(StressTest, JunkInEveryCellIsReportedCellByCellAndKeptAsTyped) {
    TypeNodes(SpreadCoordinate);
    FillMatrix(
        [](int column, int row) { return kJunk[(column * row + column + row) % kJunk.size()]; });
    // The junk typed on the diagonal mirrors onto the cell itself.
    for (int k = 1; k <= kMost; ++k) Type("StringGrid2", k, k, kJunk[k % kJunk.size()]);
    ASSERT_EQ(Differences(), "");

    // Nodes are read first, node by node, X before Y.
    const struct {
        int column;
        int row;
        QString text;
    } nodeJunk[] = {{2, 7, "1,5"}, {1, 40, "абв"}, {2, 40, " "}, {1, 100, "99999999999999999999"}};
    for (const auto& cell : nodeJunk) Type("StringGrid1", cell.column, cell.row, cell.text);
    const char* const commands[] = {"Button2", "Button3", "Button1"};
    int clicks = 0;
    for (const auto& cell : nodeJunk) {
        const char* button = commands[clicks++ % 3];
        shown.clear();
        Click(button);
        ASSERT_EQ(shown.size(), 1u) << button;
        EXPECT_EQ(shown[0], (app::MessageBoxContent{QMessageBox::Critical, app::ApplicationTitle(),
                                                    Message(cell.text)}))
            << button;
        Type("StringGrid1", cell.column, cell.row, "0");
    }
    EXPECT_EQ(Differences(), "");

    // Then the links. Column by column, the link to the next node is made a
    // valid 7 after its report and the rest of the column emptied after
    // the report of the cell below it; the mirror clears the row too.
    shown.clear();
    Click("Button2");
    EXPECT_TRUE(shown.empty());
    const QStringList sevens = {" 7", "+7", "$7", "0x7", "X7", "007", "x07", "0X7", "  +0007"};
    for (int column = 1; column < kMost; ++column) {
        for (int row = column + 1; row <= std::min(column + 2, kMost); ++row) {
            ExpectJunkReportedAt(clicks++ % 2 == 0 ? "Button3" : "Button1", column, row);
            if (row == column + 1) {
                Type("StringGrid2", column, row, sevens[column % sevens.size()]);
            }
        }
        for (int row = column + 2; row <= kMost; ++row) Commit(column, row, QString());
        EXPECT_EQ(LabelText("Label1"), "Длина:");
        EXPECT_EQ(LabelText("Label2"), "");
        if (column <= 3 || column % 10 == 0) {
            EXPECT_EQ(Differences(), "") << "after column " << column;
        }
        if (HasFailure()) return;
    }

    ExpectWay(ChainText(kMost), "693");
    EXPECT_EQ(Differences(), "");
}

TEST_F(StressTest, PastedControlCharactersAreKeptAndQuotedWhole) {
    TypeNodes(SpreadCoordinate);
    // Keys never type control characters, but a paste carries them all,
    // NUL included, into the cell and its mirror.
    const QString pasted = QStringLiteral("a") + QChar(0) + QStringLiteral("b\tc\nd\re") +
                           QChar(0x2028) + QChar(1) + QStringLiteral("f");
    QApplication::clipboard()->setText(pasted);
    QLineEdit* editor = OpenEditor("StringGrid2", 7, 3);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->paste();
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    Expect("StringGrid2", 7, 3, pasted);
    ASSERT_EQ(Differences(), "");

    for (const char* button : {"Button3", "Button1"}) {
        shown.clear();
        Click(button);
        ASSERT_EQ(shown.size(), 1u) << button;
        EXPECT_EQ(shown[0].text, Message(pasted)) << button;
    }
    ReadUpTo(3, 7);
    EXPECT_EQ(Differences(), "");
}

TEST_F(StressTest, ExtremeWeightsAddUpExactly) {
    TypeNodes(SpreadCoordinate);
    // Nodes far outside the plot.
    Type("StringGrid1", 1, 50, "2147483647");
    Type("StringGrid1", 2, 50, "-2147483648");
    Type("StringGrid1", 1, 51, "-2147483648");
    Type("StringGrid1", 2, 51, "$7FFFFFFF");

    FillMatrix([](int, int) { return QStringLiteral("2147483647"); });
    ExpectWay("1-100", "2147483647");
    Type("StringGrid2", 100, 1, QString());  // the direct link, from the mirror side
    ExpectWay("1-2-100", "4294967294");
    for (int row = 2; row <= 98; ++row) Commit(100, row, QString());
    ExpectWay("1-99-100", "4294967294");
    EXPECT_EQ(Differences(), "");

    // Only the chain 1-2-...-100 in the largest weight, spelt every way; the
    // other cells hold no link, spelt every way too.
    const QStringList largest = {"2147483647", "$7FFFFFFF", " +2147483647",        "0x7fffffff",
                                 "X7FFFFFFF",  "x7fffFFFF", "0X00000000007FFFFFFF"};
    const QStringList none = {"-2147483648", "$80000000", "$FFFFFFFF",       "0xFFFFFFFF",
                              "-1",          "",          "  -0002147483648"};
    FillMatrix([&](int column, int row) {
        return std::abs(column - row) == 1 ? largest[std::min(column, row) % largest.size()]
                                           : none[column * row % none.size()];
    });
    ExpectWay(ChainText(kMost), "212600881053");  // 99 * 2147483647
    EXPECT_EQ(Differences(), "");

    // Every link free: the lexicographically first way of length 0 passes
    // every node.
    FillMatrix([](int, int) { return QStringLiteral("0"); });
    ExpectWay(ChainText(kMost), "0");

    FillMatrix([](int, int) { return QStringLiteral("-2147483648"); });
    shown.clear();
    Click("Button1");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "нет пути");
    EXPECT_EQ(LabelText("Label2"), ChainText(kMost));
    EXPECT_EQ(LabelText("Label1"), "Длина: 0");
    ReadAll();
    EXPECT_EQ(Differences(), "");
}

TEST_F(StressTest, CountRunBetweenItsEndsKeepsEveryText) {
    TypeNodes([](int column, int row) {
        return QStringLiteral("%1%2").arg(column == 1 ? u'x' : u'у').arg(row);
    });
    FillMatrix([](int column, int row) {
        return QStringLiteral("%1·%2").arg(std::min(column, row)).arg(std::max(column, row));
    });
    for (int k = 1; k <= kMost; ++k) Type("StringGrid2", k, k, "д");

    // An editor left open in a cell that the count then takes away.
    QPointer<QLineEdit> editor = OpenEditor("StringGrid2", 90, 95);
    ASSERT_FALSE(editor.isNull());
    editor->selectAll();
    TypeText(editor, "42");
    Expect("StringGrid2", 90, 95, "42");

    // Typed, junk in between; every keystroke counts.
    const std::pair<QString, int> typed[] = {
        {"2", 2}, {"x1я0!0", 100}, {"-2", 2}, {"+1e0 0", 100}, {"1", 100}, {"0x2", 2},
    };
    for (const auto& [text, expected] : typed) {
        const std::string when = "typing '" + text.toStdString() + "'";
        TypeCount(text, [&] { ExpectGridsFollowCount(when); });
        EXPECT_EQ(form->NodeCount(), expected) << when;
        EXPECT_EQ(Differences(), "") << when;
    }
    // The editor went with its cell.
    EXPECT_TRUE(editor.isNull() || !editor->isVisible());

    // Held down, then pressed again and again.
    HoldKey(Qt::Key_Up, 40);
    const int held = form->NodeCount();
    EXPECT_GE(held, 42);

    // A click on the up arrow steps once; held down, the arrow repeats by
    // the clock, which bench/app/count_repeat_bench.cpp times.
    const QPoint upArrow(count_->width() - 5, 4);
    QTest::mouseClick(count_, Qt::LeftButton, Qt::NoModifier, upArrow);
    CountChanged();
    EXPECT_EQ(form->NodeCount(), held + 1);
    ExpectGridsFollowCount("after the mouse");
    HoldKey(Qt::Key_Up, 70);
    EXPECT_EQ(form->NodeCount(), kMost);
    HoldKey(Qt::Key_Down, 120);
    EXPECT_EQ(form->NodeCount(), 2);
    for (int k = 0; k < 110; ++k) {
        const int expected = std::min(form->NodeCount() + 1, kMost);
        QTest::keyClick(count_, Qt::Key_Up);
        CountChanged();
        ASSERT_EQ(form->NodeCount(), expected) << "click " << k;
    }
    EXPECT_EQ(countEdit_->text(), "100");
    ExpectGridsFollowCount("after the keys");
    EXPECT_EQ(Differences(), "");
    EXPECT_TRUE(shown.empty());
}

TEST_F(StressTest, HundredNodesGiveTheWayAnIndependentSearchFinds) {
    TypeNodes(SpreadCoordinate);
    std::vector<std::vector<std::int64_t>> weight(kMost, std::vector<std::int64_t>(kMost, -1));
    std::uint32_t random = 12345;
    FillMatrix([&](int column, int row) {
        random = random * 1664525u + 1013904223u;
        const int value = static_cast<int>(random >> 16) % 1000 + 1;
        weight[column - 1][row - 1] = weight[row - 1][column - 1] = value;
        return QString::number(value);
    });
    const std::int64_t length = ShortestLength(weight);

    shown.clear();
    Click("Button1");
    ASSERT_TRUE(shown.empty());
    ReadAll();
    EXPECT_EQ(LabelText("Label1"), "Длина: " + QString::number(length));
    const QStringList way = LabelText("Label2").split(u'-');
    ASSERT_GE(way.size(), 2);
    EXPECT_EQ(way.front(), "1");
    EXPECT_EQ(way.back(), "100");
    std::int64_t sum = 0;
    for (qsizetype k = 1; k < way.size(); ++k) {
        sum += weight[way[k - 1].toInt() - 1][way[k].toInt() - 1];
    }
    EXPECT_EQ(sum, length);
    EXPECT_EQ(Differences(), "");
}
