// The picture and the answer taken out of the window: the picture saved and
// used again as the background, the distances shown and hidden, and the
// answer labels cut, copied and greyed.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>

#include "app/picture/answer_label.h"
#include "tests/app/window_fixture.h"

class PictureTest : public WindowTest {
protected:
    static constexpr QRgb kOrange = 0xffffa000;
    static constexpr QRgb kMagenta = 0xffc000c0;

    void TypeExample(const QString& direct) {
        TypeLink(1, 2, "5");
        TypeLink(2, 6, "5");
        TypeLink(1, 6, direct);
    }
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    bool Shows(const QRect& area, QRgb colour) const {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (Picture().pixel(x, y) == colour) return true;
            }
        }
        return false;
    }
    // The darkest grey level of a label's painted text.
    int Darkest(const char* label) const {
        const QImage shot = Find<QWidget>(label)->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                darkest = std::min(darkest, qGray(shot.pixel(x, y)));
        }
        return darkest;
    }
};

TEST_F(PictureTest, SavedPictureIsTheSurfaceAndServesAsABackground) {
    TypeExample("20");
    Click("Button1");
    const QImage drawn = Picture();
    // No extension: the chosen filter's is added.
    choices = {{folder.filePath("way"), app::PngFilter()},
               {folder.filePath("way"), app::BmpFilter()}};
    Trigger("savePictureAction");
    Trigger("savePictureAction");
    EXPECT_EQ(QImage(folder.filePath("way.png")).convertToFormat(QImage::Format_RGB32), drawn);

    // The BMP goes through the window's own background loader, and the same
    // commands draw the same picture over it.
    ASSERT_TRUE(QFile::remove("1.bmp"));
    ASSERT_TRUE(QFile::copy(folder.filePath("way.bmp"), "1.bmp"));
    Click("Button1");
    EXPECT_EQ(Picture(), drawn);
    Trigger("copyPictureAction");
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), drawn);
    EXPECT_TRUE(shown.empty());

    // `way` names way.png, asked about; `a.jpg` is refused, not a.jpg.png.
    const QByteArray png = Read(folder.filePath("way.png"));
    choices = {{folder.filePath("way"), app::PngFilter()}, {folder.filePath("a.jpg"), {}}};
    Trigger("savePictureAction");
    Trigger("savePictureAction");
    EXPECT_EQ(asked.at(0).text, "Файл «way.png» уже есть. Заменить его?");
    EXPECT_EQ(Read(folder.filePath("way.png")), png);
    EXPECT_EQ(shown.at(0).text,
              "Рисунок «a.jpg» не сохранён: формат «.jpg» не поддерживается. "
              "Можно сохранить как PNG, BMP, SVG или PDF.");
    EXPECT_EQ(QDir(folder.path()).entryList({"a.*"}), QStringList());
}

TEST_F(PictureTest, DistancesAndTiesShowOnlyWhileAskedFor) {
    TypeExample("10");
    Click("Button1");
    const QImage plain = Picture();
    Trigger("distancesAction");
    // 10, 5 and 0 above nodes 1, 2 and 6, the infinity sign at node 3; the
    // direct link ties with the way found.
    EXPECT_TRUE(Shows(QRect(143, 146, 14, 11), kMagenta));
    EXPECT_TRUE(Shows(QRect(223, 226, 10, 11), kMagenta));
    EXPECT_TRUE(Shows(QRect(165, 158, 10, 4), kOrange));
    EXPECT_TRUE(Shows(QRect(0, 0, 400, 400), kRed));

    // Switching redraws the last calculation from what it read, not from
    // the tables as they are now.
    TypeLink(1, 6, "");
    Trigger("distancesAction");
    EXPECT_EQ(Picture(), plain);
    Trigger("distancesAction");
    Click("Button1");
    EXPECT_FALSE(Shows(QRect(0, 0, 400, 400), kOrange));
    EXPECT_TRUE(Shows(QRect(143, 146, 14, 11), kMagenta));
    EXPECT_TRUE(shown.empty());
}

TEST_F(PictureTest, AnswerIsCutShownWholeCopiedAndGreyedWhenStale) {
    EXPECT_FALSE(Find<QAction>("copyAnswerAction")->isEnabled());
    // A chain through 30 nodes, pasted in.
    QStringList nodes;
    QStringList rows;
    for (int r = 1; r <= 30; ++r) {
        nodes << QStringLiteral("%1 %2").arg(r * 12 - 180).arg(r % 2 * 40);
        QStringList cells;
        for (int c = 1; c <= 30; ++c) cells << (std::abs(c - r) == 1 ? "1" : "");
        rows << cells.join('\t');
    }
    Select("StringGrid2", 1, 1, 1, 1);
    Paste("StringGrid2", rows.join('\n'));
    Select("StringGrid1", 1, 1, 1, 1);
    Paste("StringGrid1", nodes.join('\n'));
    Click("Button1");
    QStringList chain;
    for (int k = 1; k <= 30; ++k) chain << QString::number(k);
    ASSERT_EQ(LabelText("Label2"), chain.join('-'));
    auto* way = Find<app::AnswerLabel>("Label2");
    EXPECT_TRUE(way->IsCut());
    EXPECT_LE(way->geometry().right(), Find<QWidget>("GroupBox2")->width());
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), way->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(way, &help);
    EXPECT_EQ(QToolTip::text(), chain.join('-'));
    Trigger("copyAnswerAction");
    EXPECT_EQ(QApplication::clipboard()->text(), chain.join('-') + "\nДлина: 29");

    // Grey once the tables change, black again after the next answer.
    EXPECT_LT(Darkest("Label1"), 80);
    TypeLink(1, 3, "-1");
    EXPECT_GT(Darkest("Label1"), 100);
    EXPECT_GT(Darkest("Label2"), 100);
    Click("Button1");
    EXPECT_LT(Darkest("Label1"), 80);
    TypeLink(1, 2, "");
    Click("Button1");
    EXPECT_EQ(LabelText("Label1"), "Длина: 29");
    EXPECT_GT(Darkest("Label1"), 100);
    Trigger("copyAnswerAction");
    EXPECT_EQ(QApplication::clipboard()->text(), "нет пути");
}

TEST_F(PictureTest, TikzCarriesTheWayOnlyWhileTheAnswerIsCurrent) {
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    TypeLink(1, 6, "20");
    Click("Button1");
    const QString red = "\\draw[red, very thick] (n1) -- (n2) -- (n6);";
    Trigger("tikzAction");
    const QString picture = QApplication::clipboard()->text();
    EXPECT_TRUE(picture.startsWith("% 1 cm = 40 units"));
    EXPECT_TRUE(picture.contains("(n2) at (1.00, 0.50)"));
    EXPECT_TRUE(picture.contains(red));
    TypeLink(1, 3, "4");
    Trigger("tikzAction");
    EXPECT_TRUE(QApplication::clipboard()->text().contains("{4} (n3)"));
    EXPECT_FALSE(QApplication::clipboard()->text().contains(red));
}
