// Helpers shared by the surface tests; see surface_pixels.h.
#include "tests/plot/surface_pixels.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace plot_test {

void InTemporaryDirectory::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
}

void InTemporaryDirectory::TearDown() { QDir::setCurrent(previous_); }

void InTemporaryDirectory::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void InTemporaryDirectory::WriteBackground(const QImage& image) const {
    WriteFile(QStringLiteral("1.bmp"), Encoded(image, "BMP"));
}

QImage Plain(QRgb colour, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

bool ShowsAt(const QImage& image, int x, int y, const QImage& label) {
    const QRect overlap = QRect(x, y, label.width(), label.height()).intersected(image.rect());
    if (overlap.isEmpty()) return false;
    for (int py = overlap.top(); py <= overlap.bottom(); ++py) {
        for (int px = overlap.left(); px <= overlap.right(); ++px) {
            if (At(image, px, py) != At(label, px - x, py - y)) return false;
        }
    }
    return true;
}

int InkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 96) ++count;
        }
    }
    return count;
}

}  // namespace plot_test
