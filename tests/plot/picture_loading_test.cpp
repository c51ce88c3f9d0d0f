// Loading the background and redrawing the axes: each kind of bad file with
// its exact message and the picture left as it was, the pictures that do
// load, and the pixels of the axes, ticks and labels.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QPainter>

#include <unistd.h>
#include <string>
#include <vector>

#include "plot/drawing_surface.h"
#include "plot/label_images.h"
#include "tests/plot/surface_pixels.h"

namespace {

using namespace plot_test;
using plot::DrawingSurface;
using plot::ImageLoadError;

const QRgb kBackground = qRgb(200, 220, 240);

// A surface with something drawn on it, so that "unchanged" is a real check.
DrawingSurface DrawnSurface() {
    DrawingSurface surface;
    const graph::NodePoints points = {{100, 100}, {300, 300}};
    surface.DrawNodes(points);
    surface.DrawLinks(points, {{-1, 5}, {5, -1}});
    surface.DrawWay(points, {0, 1});
    return surface;
}

QByteArray GoodBitmap() { return Encoded(Plain(qRgb(10, 20, 30), 4, 4), "BMP"); }

// `bytes` with the little-endian `value` written over `size` bytes at
// `offset`.
QByteArray Patched(QByteArray bytes, int offset, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

// The message LoadPicture throws, or "" when it does not throw.
std::string LoadMessage(DrawingSurface& surface, const std::string& name) {
    try {
        surface.LoadPicture(name);
    } catch (const ImageLoadError& error) {
        return error.what();
    }
    return "";
}

using PictureLoading = InTemporaryDirectory;

TEST_F(PictureLoading, MissingFileNamesTheFileAsPassed) {
    DrawingSurface surface = DrawnSurface();
    const QImage before = surface.Image();
    EXPECT_EQ(LoadMessage(surface, "1.bmp"), "Cannot open file 1.bmp");
    EXPECT_EQ(LoadMessage(surface, "sub/none.bmp"), "Cannot open file sub/none.bmp");
    EXPECT_THROW(surface.UpdatePict(), ImageLoadError);
    EXPECT_EQ(surface.Image(), before);
}

TEST_F(PictureLoading, FileThatCannotBeOpened) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("1.bmp")));
    DrawingSurface surface = DrawnSurface();
    const QImage before = surface.Image();
    EXPECT_EQ(LoadMessage(surface, "1.bmp"), "Cannot open file 1.bmp");
    EXPECT_EQ(surface.Image(), before);
}

TEST_F(PictureLoading, FileWithoutReadPermission) {
    WriteFile(QStringLiteral("1.bmp"), GoodBitmap());
    ASSERT_TRUE(QFile::setPermissions(QStringLiteral("1.bmp"), QFileDevice::WriteOwner));
    if (QFile file(QStringLiteral("1.bmp")); file.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "file permissions do not apply to this user";
    }
    DrawingSurface surface = DrawnSurface();
    const QImage before = surface.Image();
    EXPECT_EQ(LoadMessage(surface, "1.bmp"), "Cannot open file 1.bmp");
    EXPECT_EQ(surface.Image(), before);
}

// A folder named like the file cannot be read by anyone, root included.
TEST_F(PictureLoading, FolderInPlaceOfTheFile) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("1.bmp")));
    DrawingSurface surface = DrawnSurface();
    const QImage before = surface.Image();
    EXPECT_EQ(LoadMessage(surface, "1.bmp"), "Cannot open file 1.bmp");
    EXPECT_EQ(surface.Image(), before);
}

TEST_F(PictureLoading, BadFilesKeepThePicture) {
    const QByteArray good = GoodBitmap();
    struct Case {
        const char* what;
        QByteArray bytes;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"one byte", "B", "Stream read error"},
        {"13 bytes of a bitmap", good.left(13), "Stream read error"},
        {"file header only", good.left(14), "Bitmap image is not valid"},
        {"info header cut short", good.left(30), "Bitmap image is not valid"},
        {"wrong signature", "MB" + good.mid(2), "Bitmap image is not valid"},
        {"lower-case signature", "bm" + good.mid(2), "Bitmap image is not valid"},
        {"text", "this is not a picture at all", "Bitmap image is not valid"},
        {"PNG", Encoded(Plain(kBackground), "PNG"), "Bitmap image is not valid"},
        {"unknown info header size", Patched(good, 14, 7, 4), "Bitmap image is not valid"},
        {"zero bits per pixel", Patched(good, 28, 0, 2), "Bitmap image is not valid"},
        {"odd bits per pixel", Patched(good, 28, 13, 2), "Bitmap image is not valid"},
        {"zero width", Patched(good, 18, 0, 4), "Bitmap image is not valid"},
        {"absurd size", Patched(Patched(good, 18, 1000000, 4), 22, 1000000, 4),
         "Bitmap image is not valid"},
        {"unknown compression", Patched(good, 30, 77, 4), "Bitmap image is not valid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(QStringLiteral("1.bmp"), c.bytes);
        DrawingSurface surface = DrawnSurface();
        const QImage before = surface.Image();
        EXPECT_EQ(LoadMessage(surface, "1.bmp"), c.message);
        EXPECT_EQ(surface.Image(), before);
        EXPECT_THROW(surface.UpdatePict(), ImageLoadError);
        EXPECT_EQ(surface.Image(), before);
    }
}

TEST_F(PictureLoading, EmptyFileGivesAnEmptyPictureThatTakesDrawing) {
    WriteFile(QStringLiteral("1.bmp"), QByteArray());
    DrawingSurface surface = DrawnSurface();
    EXPECT_EQ(LoadMessage(surface, "1.bmp"), "");
    EXPECT_EQ(surface.Image().size(), QSize(0, 0));

    surface.UpdatePict();
    const graph::NodePoints points = {{0, 0}, {200, 200}};
    surface.DrawNodes(points);
    surface.DrawLinks(points, {{-1, 3}, {3, -1}});
    surface.DrawWay(points, {0, 1});
    EXPECT_EQ(surface.Image().size(), QSize(0, 0));

    // A good file afterwards brings the surface back.
    WriteBackground(Plain(kBackground));
    surface.UpdatePict();
    EXPECT_EQ(surface.Image().size(), QSize(400, 400));
}

TEST_F(PictureLoading, EveryBitmapDepthLoadsAs32BitColour) {
    const QImage colour = Plain(qRgb(12, 200, 99), 7, 5);
    const std::vector<QImage> sources = {
        colour,
        colour.convertToFormat(QImage::Format_RGB888),
        colour.convertToFormat(QImage::Format_Indexed8),
        colour.convertToFormat(QImage::Format_ARGB32),
    };
    for (const QImage& source : sources) {
        SCOPED_TRACE(source.format());
        WriteFile(QStringLiteral("pic.bmp"), Encoded(source, "BMP"));
        DrawingSurface surface;
        ASSERT_NO_THROW(surface.LoadPicture("pic.bmp"));
        EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
        EXPECT_EQ(surface.Image().size(), QSize(7, 5));
        EXPECT_EQ(At(surface.Image(), 6, 4), qRgb(12, 200, 99));
    }

    WriteFile(QStringLiteral("mono.bmp"),
              Encoded(Plain(kBlack, 9, 3).convertToFormat(QImage::Format_Mono), "BMP"));
    DrawingSurface surface;
    ASSERT_NO_THROW(surface.LoadPicture("mono.bmp"));
    EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(At(surface.Image(), 8, 2), kBlack);
}

TEST_F(PictureLoading, SmallPictureTakesDrawingClipped) {
    WriteBackground(Plain(kBackground, 10, 10));
    DrawingSurface surface;
    surface.UpdatePict();
    const graph::NodePoints points = {{5, 5}, {300, 300}};
    surface.DrawNodes(points);
    surface.DrawLinks(points, {{-1, 3}, {3, -1}});
    surface.DrawWay(points, {0, 1});
    EXPECT_EQ(surface.Image().size(), QSize(10, 10));
    EXPECT_EQ(At(surface.Image(), 9, 9), kRed);
}

class Axes : public InTemporaryDirectory {
protected:
    void SetUp() override {
        InTemporaryDirectory::SetUp();
        WriteBackground(Plain(kBackground));
        surface_.UpdatePict();
    }

    const QImage& Image() const { return surface_.Image(); }

    DrawingSurface surface_;
};

TEST_F(Axes, LinesRunEdgeToEdgeWhereNoLabelCoversThem) {
    // The labels "0" sit right of and below the origin and cover the axes
    // there; how far depends on the font, so only their neighbourhood is
    // left out.
    for (int i = 0; i < 400; ++i) {
        if (i >= 205 && i < 240) continue;
        EXPECT_EQ(At(Image(), i, 200), kBlack) << "X axis at x = " << i;
        EXPECT_EQ(At(Image(), 200, i), kBlack) << "Y axis at y = " << i;
        if (i % 100 != 0) {
            EXPECT_EQ(At(Image(), i, 199), kBackground) << "above the X axis at x = " << i;
            EXPECT_EQ(At(Image(), 199, i), kBackground) << "left of the Y axis at y = " << i;
            EXPECT_EQ(At(Image(), i, 201), kBackground) << "below the X axis at x = " << i;
            EXPECT_EQ(At(Image(), 201, i), kBackground) << "right of the Y axis at y = " << i;
        }
    }
}

TEST_F(Axes, TicksAndLabels) {
    const int positions[] = {0, 100, 200, 300};
    for (const int a : positions) {
        SCOPED_TRACE(a);
        // Ticks: five pixels from the axis, the sixth under the label box.
        for (int d = 0; d < 5; ++d) {
            EXPECT_EQ(At(Image(), a, 200 + d), kBlack);
            EXPECT_EQ(At(Image(), 200 + d, a), kBlack);
        }
        // Labels: an opaque white box from the point, with text ink in it.
        const int labelX = std::max(a - 5, 0);
        EXPECT_EQ(At(Image(), labelX, 205), kWhite);
        EXPECT_GT(InkPixels(Image(), QRect(labelX, 205, 30, 14)), 5);
        const int labelY = std::max(a - 5, 0);
        EXPECT_EQ(At(Image(), 205, labelY), kWhite);
        EXPECT_GT(InkPixels(Image(), QRect(205, labelY, 30, 14)), 5);
    }
    // Nothing but the background away from the axes.
    EXPECT_EQ(At(Image(), 350, 203), kBackground);
    EXPECT_EQ(At(Image(), 203, 350), kBackground);
    EXPECT_EQ(At(Image(), 60, 60), kBackground);
    EXPECT_EQ(At(Image(), 340, 340), kBackground);
}

TEST_F(Axes, LabelsAreTheAxisNumbers) {
    plot::LabelImages labels;
    for (int i = 0; i < 5; ++i) {
        const int a = 100 * i;
        SCOPED_TRACE(a);
        EXPECT_TRUE(ShowsAt(Image(), a - 5, 205, labels.Get(a - 200)));
        EXPECT_TRUE(ShowsAt(Image(), 205, a - 5, labels.Get(200 - a)));
    }
}

TEST_F(Axes, RedrawingForgetsEverythingDrawnBefore) {
    const QImage fresh = Image();
    const graph::NodePoints points = {{140, 160}, {240, 180}, {0, 0}};
    surface_.DrawNodes(points);
    surface_.DrawLinks(points, {{-1, 9, 4}, {9, -1, 2}, {4, 2, -1}});
    surface_.DrawWay(points, {0, 1, 2});
    ASSERT_NE(Image(), fresh);

    surface_.UpdatePict();
    EXPECT_EQ(Image(), fresh);
}

TEST_F(Axes, BackgroundIsReadAgainEachTime) {
    WriteBackground(Plain(qRgb(1, 2, 3)));
    surface_.UpdatePict();
    EXPECT_EQ(At(Image(), 60, 60), qRgb(1, 2, 3));
    EXPECT_EQ(At(Image(), 0, 200), kBlack);
}

}  // namespace
