// Helpers shared by the surface tests: the working directory a test runs
// in, bitmap files written into it, and pixel checks that do not depend on
// the exact glyphs of the platform's font.
#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace plot_test {

inline const QRgb kWhite = qRgb(255, 255, 255);
inline const QRgb kBlack = qRgb(0, 0, 0);
inline const QRgb kBlue = qRgb(0, 0, 255);
inline const QRgb kGreen = qRgb(0, 128, 0);
inline const QRgb kRed = qRgb(255, 0, 0);

// Runs each test in a fresh temporary directory and restores the old
// working directory afterwards.
class InTemporaryDirectory : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `bytes` to `name` in the test's directory.
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    // Writes `image` as a BMP file "1.bmp".
    void WriteBackground(const QImage& image) const;

private:
    QString previous_;
    QTemporaryDir dir_;
};

// A 400 x 400 picture of one colour.
QImage Plain(QRgb colour, int width = 400, int height = 400);

// The bytes of `image` encoded as `format` ("BMP", "PNG").
QByteArray Encoded(const QImage& image, const char* format);

// The pixel colour at (x, y), opaque.
QRgb At(const QImage& image, int x, int y);

// True when `label` appears with its top-left corner at (x, y) of `image`,
// compared over the part of it that lies on the image (at least one pixel).
bool ShowsAt(const QImage& image, int x, int y, const QImage& label);

// Number of pixels inside `area` that are near black (text ink).
int InkPixels(const QImage& image, const QRect& area);

}  // namespace plot_test
