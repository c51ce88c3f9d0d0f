// The numbers written on the plot (axis labels, node numbers, weights), each
// rendered once as a small opaque picture: black text on its white box.
// Laying text out afresh for every one of ten thousand weights costs more
// than the lines themselves, so each distinct number is prepared once and
// then only copied.
#pragma once

#include <QFont>
#include <QImage>
#include <cstdint>
#include <unordered_map>

namespace plot {

class LabelImages {
public:
    // The picture of the decimal text of `number`: as wide as the text's
    // advance and as high as the font's line, text top-left aligned in it.
    // Needs a QGuiApplication (fonts). The reference stays valid until the
    // next call.
    const QImage& Get(std::int32_t number);

    // The font every number is written in: the platform's sans-serif face
    // at 11 pixels, whatever the screen's resolution, and without
    // antialiasing so that the picture does not depend on the screen either.
    static QFont Font();

private:
    // Weights are free integers, so the cache is bounded; past this many
    // distinct numbers it starts again.
    static constexpr std::size_t kMaxEntries = 20000;

    std::unordered_map<std::int32_t, QImage> images_;
};

}  // namespace plot
