// The stretch of the 400 x 400 picture over a view of another size, the
// aspect ratio not kept: each picture pixel's centre goes to the view pixel
// under it, and back. Drawing replayed through it and the mouse read
// through it agree, whatever the view's size.
#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>

namespace plot {

class Stretch {
public:
    // From a picture of `from` pixels to a view of `to` pixels; both sizes
    // must be positive.
    Stretch(QSize from, QSize to) : from_(from), to_(to) {}

    // The view pixel of picture pixel (x, y); the same pixel when the sizes
    // are equal.
    std::int64_t X(std::int64_t x) const { return Scale(x, from_.width(), to_.width()); }
    std::int64_t Y(std::int64_t y) const { return Scale(y, from_.height(), to_.height()); }

    // The picture pixel under view pixel `at`.
    QPoint ToPicture(QPoint at) const {
        return {static_cast<int>(Scale(at.x(), to_.width(), from_.width())),
                static_cast<int>(Scale(at.y(), to_.height(), from_.height()))};
    }

private:
    // floor((x + 1/2) * to / from), exact in 64 bits for 32-bit x.
    static std::int64_t Scale(std::int64_t x, std::int64_t from, std::int64_t to) {
        const std::int64_t numerator = (2 * x + 1) * to;
        const std::int64_t denominator = 2 * from;
        const std::int64_t quotient = numerator / denominator;
        return numerator % denominator < 0 ? quotient - 1 : quotient;
    }

    QSize from_;
    QSize to_;
};

}  // namespace plot
