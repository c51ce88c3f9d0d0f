// The rules of a readable layout and their terms; see layout_rules.h.
// Everything is counted in integers, so that a search weighing moves by the
// strain makes the same choices on every machine.
#include "graph/layout_rules.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace graph {

namespace {

constexpr std::int64_t kPlotCentre = 200;
constexpr std::int64_t kFar = std::int64_t{1} << 20;
constexpr std::int64_t kPixelLimit = kPlotCentre - kLayoutLimit;

// -200..200 on both axes.
constexpr std::size_t kAxisNumbers = 10;
// A node's mark: the step window's ring of radius 6, drawn 2 pixels wide.
constexpr std::int64_t kMarkReach = 7;
// Where the step window writes a node's distance: above its number.
constexpr std::int64_t kDistanceOffset = -14;
constexpr std::int64_t kLongestDistance = 999;

// The strain's terms: a node or a link nearer than comfortable (for nodes,
// kComfortableNodeDistance, or more when fewer nodes can spread wider),
// costing so much for each unit its squared distance falls short; a line
// through a number; a node's dot, number or distance over an axis number;
// a weight under a distance; a weight less than kLabelGap from what it must
// not cover, where the texts would read as one; node 1 or the last node
// away from the middle height, each pixel costing kEndOffMiddle; and,
// without the numbers, the square of each link's length over
// kLengthDivisor, which keeps linked nodes near while the shape is sought
// and leaves them where they are once it is stretched.
constexpr std::int64_t kComfortableNodeDistance = 60;
// n nodes spread over the plot are some sqrt(kSpreadNodes2 / n) apart.
constexpr std::int64_t kSpreadNodes2 = 320 * 320;
constexpr std::int64_t kComfortableClearance = 20;
constexpr std::int64_t kNodeCrowding = 1;
constexpr std::int64_t kLinkCrowding = 4;
constexpr std::int64_t kLineThroughWeight = 2500;
constexpr std::int64_t kLineThroughNumber = 1500;
constexpr std::int64_t kNumberOnAxis = 60000;
constexpr std::int64_t kWeightUnderDistance = 1000;
constexpr std::int64_t kLabelGap = 3;
constexpr std::int64_t kLabelsTouching = 3000;
constexpr std::int64_t kLengthDivisor = 64;
constexpr std::int64_t kEndOffMiddle = 200;

// Right and bottom exclusive.
struct Box {
    std::int64_t left, top, right, bottom;
};

Box BoxAt(const Pixel& corner, const TextBox& size) {
    return {corner.x, corner.y, corner.x + size.width, corner.y + size.height};
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::int64_t Square(std::int64_t v) { return v * v; }

std::int64_t Distance2(const Pixel& a, const Pixel& b) {
    return Square(a.x - b.x) + Square(a.y - b.y);
}

// (a + b) / 2 rounded to the nearest integer, a half to the even one, as the
// plot places weights.
std::int64_t Midpoint(std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    const std::int64_t low = sum >> 1;
    return (sum & 1) == 0 || (low & 1) == 0 ? low : low + 1;
}

int Orientation(const Pixel& o, const Pixel& a, const Pixel& b) {
    const std::int64_t cross = (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    return (cross > 0) - (cross < 0);
}

// Whether p, on the line through a and b, lies between them.
bool Within(const Pixel& a, const Pixel& b, const Pixel& p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether segments ab and cd have a point in common.
bool SegmentsMeet(const Pixel& a, const Pixel& b, const Pixel& c, const Pixel& d) {
    const int d1 = Orientation(c, d, a), d2 = Orientation(c, d, b);
    const int d3 = Orientation(a, b, c), d4 = Orientation(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    return (d1 == 0 && Within(c, d, a)) || (d2 == 0 && Within(c, d, b)) ||
           (d3 == 0 && Within(a, b, c)) || (d4 == 0 && Within(a, b, d));
}

// The square of p's distance from segment ab, rounded down, or `cap` when it
// is at least that.
std::int64_t SegmentDistance2(const Pixel& a, const Pixel& b, const Pixel& p, std::int64_t cap) {
    const Pixel d{b.x - a.x, b.y - a.y};
    const std::int64_t length2 = d.x * d.x + d.y * d.y;
    const std::int64_t along = (p.x - a.x) * d.x + (p.y - a.y) * d.y;
    if (length2 == 0 || along <= 0) return std::min(Distance2(a, p), cap);
    if (along >= length2) return std::min(Distance2(b, p), cap);
    const std::int64_t cross = std::abs(d.x * (p.y - a.y) - d.y * (p.x - a.x));
    // Coordinates within 2^20 keep length2 * cap far below 2^62.
    if (cross > (std::int64_t{1} << 31) || Square(cross) >= cap * length2) return cap;
    return Square(cross) / length2;
}

// Whether the line drawn from pixel a to pixel b passes over `box`, the
// line taken through the pixels' centres: in doubled coordinates, exact.
bool LineOverBox(const Pixel& a, const Pixel& b, const Box& box) {
    if (std::max(a.x, b.x) < box.left || std::min(a.x, b.x) >= box.right ||
        std::max(a.y, b.y) < box.top || std::min(a.y, b.y) >= box.bottom) {
        return false;
    }
    const Pixel a2{2 * a.x + 1, 2 * a.y + 1}, b2{2 * b.x + 1, 2 * b.y + 1};
    const Box doubled{2 * box.left, 2 * box.top, 2 * box.right, 2 * box.bottom};
    const auto inside = [&](const Pixel& p) {
        return doubled.left <= p.x && p.x <= doubled.right && doubled.top <= p.y &&
               p.y <= doubled.bottom;
    };
    if (inside(a2) || inside(b2)) return true;
    const Pixel corners[] = {{doubled.left, doubled.top},
                             {doubled.right, doubled.top},
                             {doubled.right, doubled.bottom},
                             {doubled.left, doubled.bottom}};
    for (int k = 0; k < 4; ++k) {
        if (SegmentsMeet(a2, b2, corners[k], corners[(k + 1) % 4])) return true;
    }
    return false;
}

bool Outside(const Pixel& p) {
    return p.x < kPixelLimit || p.x > 2 * kPlotCentre - kPixelLimit || p.y < kPixelLimit ||
           p.y > 2 * kPlotCentre - kPixelLimit;
}

}  // namespace

TextBox FixedTextBox(std::int64_t number) {
    const std::string text = std::to_string(number);
    const auto minus = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '-'));
    const auto digits = static_cast<std::int32_t>(text.size()) - minus;
    return {8 * digits + 5 * minus, 14};
}

LayoutScene::LayoutScene(const AdjacencyMatrix& adjacency, const TextMeasure& measure)
    : labelsOf_(adjacency.size()),
      comfort2_(std::max(
          Square(kComfortableNodeDistance),
          kSpreadNodes2 / std::max<std::int64_t>(1, static_cast<std::int64_t>(adjacency.size())))) {
    const std::size_t n = adjacency.size();
    const auto weight = [&](std::size_t u, std::size_t v) {
        return v < adjacency[u].size() ? adjacency[u][v] : kNoLink;
    };
    for (std::size_t i = 0; i < kAxisNumbers / 2; ++i) {
        const auto a = static_cast<std::int64_t>(100 * i);
        labels_.push_back({Kind::Axis, 0, measure(a - 200), {a - 5, 205}});
        labels_.push_back({Kind::Axis, 0, measure(200 - a), {205, a - 5}});
    }
    // Grouped by kind, so that a count passes over the groups that matter.
    for (const Kind kind : {Kind::Number, Kind::Mark, Kind::Distance}) {
        for (std::size_t u = 0; u < n; ++u) {
            const TextBox box = kind == Kind::Number ? measure(static_cast<std::int64_t>(u) + 1)
                                : kind == Kind::Mark
                                    ? TextBox{2 * kMarkReach + 1, 2 * kMarkReach + 1}
                                    : measure(kLongestDistance);
            labelsOf_[u].push_back(labels_.size());
            labels_.push_back({kind, u, box, {}});
        }
    }
    firstWeight_ = labels_.size();
    for (std::size_t u = 0; u < n; ++u) {
        for (std::size_t v = u + 1; v < n; ++v) {
            const std::int32_t forth = weight(u, v), back = weight(v, u);
            if (forth < 1 && back < 1) continue;
            const std::size_t link = links_.size();
            links_.push_back({u, v});
            // Equal weights from both ends are drawn one over the other.
            for (const std::int32_t w : {forth, back == forth ? kNoLink : back}) {
                if (w < 1) continue;
                labelsOf_[u].push_back(labels_.size());
                labelsOf_[v].push_back(labels_.size());
                labels_.push_back({Kind::Weight, link, measure(w), {}});
            }
        }
    }
}

Pixel LayoutScene::Corner(const Label& label, const std::vector<Pixel>& at) const {
    switch (label.kind) {
        case Kind::Axis:
            return label.axisCorner;
        case Kind::Weight: {
            const Pixel& a = at[links_[label.owner].a];
            const Pixel& b = at[links_[label.owner].b];
            return {Midpoint(a.x, b.x), Midpoint(a.y, b.y)};
        }
        case Kind::Number:
            return {at[label.owner].x + 3, at[label.owner].y + 3};
        case Kind::Mark:
            return {at[label.owner].x - kMarkReach, at[label.owner].y - kMarkReach};
        case Kind::Distance:
            return {at[label.owner].x + 3, at[label.owner].y + kDistanceOffset};
    }
    return {};
}

std::size_t LayoutScene::FullCountWork() const {
    const std::size_t n = NodeCount(), m = LinkCount(), l = labels_.size();
    return n * n + 2 * m * n + m * m + l * l + 2 * m * l;
}

LayoutScene::Tally LayoutScene::Count(const std::vector<Pixel>& at,
                                      const std::vector<std::size_t>& moved,
                                      const std::vector<char>& isMoved, std::size_t& work,
                                      bool withLabels) const {
    Tally tally;
    LayoutVerdict& verdict = tally.verdict;
    const std::size_t n = NodeCount();
    const std::int64_t least2 = Square(kLeastNodeDistance);
    for (const std::size_t a : moved) {
        verdict.nodesOutside += Outside(at[a]);
        if (a == 0 || a + 1 == n) tally.strain += kEndOffMiddle * std::abs(at[a].y - kPlotCentre);
        for (std::size_t b = 0; b < n; ++b) {
            if (b == a || (isMoved[b] && b < a)) continue;
            const std::int64_t d2 = Distance2(at[a], at[b]);
            verdict.closeNodes += d2 < least2;
            if (d2 < comfort2_) tally.strain += kNodeCrowding * (comfort2_ - d2);
        }
        work += n;
    }
    // Node 1 and the last node against every other: a handful of terms.
    if (n >= 2) {
        for (std::size_t u = 1; u < n; ++u) verdict.misplacedEnds += at[u].x <= at[0].x;
        for (std::size_t u = 0; u + 1 < n; ++u) verdict.misplacedEnds += at[u].x >= at[n - 1].x;
        verdict.misplacedEnds -= at[n - 1].x <= at[0].x;  // counted twice
        work += n;
    }

    // Each link's extent, inclusive, so that most pairs are passed by at once.
    std::vector<Box> spans(links_.size());
    for (std::size_t e = 0; e < links_.size(); ++e) {
        const Pixel& a = at[links_[e].a];
        const Pixel& b = at[links_[e].b];
        spans[e] = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }
    const std::int64_t clearance2 = Square(kLinkClearance);
    const std::int64_t comfortClearance2 = Square(kComfortableClearance);
    const auto near = [&](std::size_t e, std::size_t u) {
        const DrawnLink& link = links_[e];
        const Box& span = spans[e];
        const Pixel& p = at[u];
        if (u == link.a || u == link.b || p.x < span.left - kComfortableClearance ||
            p.x > span.right + kComfortableClearance || p.y < span.top - kComfortableClearance ||
            p.y > span.bottom + kComfortableClearance) {
            return;
        }
        const std::int64_t d2 = SegmentDistance2(at[link.a], at[link.b], p, comfortClearance2);
        verdict.linksNearNodes += d2 <= clearance2;
        tally.strain += kLinkCrowding * (comfortClearance2 - d2);
    };
    for (std::size_t e = 0; e < links_.size(); ++e) {
        const DrawnLink& link = links_[e];
        if (!isMoved[link.a] && !isMoved[link.b]) {
            for (const std::size_t u : moved) near(e, u);
            work += moved.size();
            continue;
        }
        if (!withLabels) tally.strain += Distance2(at[link.a], at[link.b]) / kLengthDivisor;
        for (std::size_t u = 0; u < n; ++u) near(e, u);
        const Box& span = spans[e];
        for (std::size_t f = 0; f < links_.size(); ++f) {
            const DrawnLink& other = links_[f];
            const Box& otherSpan = spans[f];
            if (otherSpan.left > span.right || span.left > otherSpan.right ||
                otherSpan.top > span.bottom || span.top > otherSpan.bottom ||
                (f < e && (isMoved[other.a] || isMoved[other.b])) || other.a == link.a ||
                other.a == link.b || other.b == link.a || other.b == link.b) {
                continue;
            }
            verdict.crossings += SegmentsMeet(at[link.a], at[link.b], at[other.a], at[other.b]);
        }
        work += n + links_.size();
    }

    // Labels that move, each once, against the labels they may cover and
    // every line; without the weights, a node's marks against the axis
    // numbers alone.
    std::vector<std::size_t> movedLabels;
    std::vector<char> listed(labels_.size(), 0);
    for (const std::size_t u : moved) {
        for (const std::size_t k : labelsOf_[u]) {
            if (listed[k] || (!withLabels && labels_[k].kind == Kind::Weight)) continue;
            movedLabels.push_back(k);
            listed[k] = 1;
        }
    }
    // The axis numbers come first.
    const std::size_t axisEnd = kAxisNumbers;
    if (!withLabels) {
        for (const std::size_t k : movedLabels) {
            const Box box = BoxAt(Corner(labels_[k], at), labels_[k].box);
            for (std::size_t j = 0; j < axisEnd; ++j) {
                tally.strain +=
                    kNumberOnAxis * Overlap(box, BoxAt(labels_[j].axisCorner, labels_[j].box));
            }
            work += axisEnd;
        }
        return tally;
    }
    std::vector<Box> boxes(labels_.size());
    for (std::size_t k = 0; k < labels_.size(); ++k) {
        boxes[k] = BoxAt(Corner(labels_[k], at), labels_[k].box);
    }
    const auto lineOver = [&](std::size_t e, std::size_t k) {
        const Label& label = labels_[k];
        if (label.kind == Kind::Weight && label.owner != e) {
            tally.strain +=
                kLineThroughWeight * LineOverBox(at[links_[e].a], at[links_[e].b], boxes[k]);
        } else if (label.kind == Kind::Number || label.kind == Kind::Axis) {
            tally.strain +=
                kLineThroughNumber * LineOverBox(at[links_[e].a], at[links_[e].b], boxes[k]);
        }
    };
    for (const std::size_t k : movedLabels) {
        const Kind kind = labels_[k].kind;
        // A node's marks meet only axis numbers and weights.
        const std::size_t skipFrom = kind == Kind::Weight ? firstWeight_ : axisEnd;
        const Box around{boxes[k].left - kLabelGap, boxes[k].top - kLabelGap,
                         boxes[k].right + kLabelGap, boxes[k].bottom + kLabelGap};
        for (std::size_t j = 0; j < labels_.size(); ++j) {
            if (j == skipFrom) j = firstWeight_;
            if (j >= labels_.size()) break;
            if (j == k || (listed[j] && j < k) || !Overlap(around, boxes[j])) continue;
            const Kind other = labels_[j].kind;
            if (!Overlap(boxes[k], boxes[j])) {
                tally.strain += kLabelsTouching;
                continue;
            }
            if (kind == Kind::Weight || other == Kind::Weight) {
                if (kind == Kind::Distance || other == Kind::Distance) {
                    tally.strain += kWeightUnderDistance;
                } else {
                    ++verdict.coveredMarks;
                }
            } else {
                tally.strain += kNumberOnAxis;
            }
        }
        if (kind == Kind::Weight || kind == Kind::Number) {
            for (std::size_t e = 0; e < links_.size(); ++e) {
                if (!isMoved[links_[e].a] && !isMoved[links_[e].b]) lineOver(e, k);
            }
        }
        work += labels_.size() + links_.size();
    }
    for (std::size_t e = 0; e < links_.size(); ++e) {
        if (!isMoved[links_[e].a] && !isMoved[links_[e].b]) continue;
        for (std::size_t k = 0; k < labels_.size(); ++k) lineOver(e, k);
        work += labels_.size();
    }
    return tally;
}

LayoutVerdict CheckLayout(const AdjacencyMatrix& adjacency, const NodePlaces& places,
                          const TextMeasure& measure) {
    const LayoutScene scene(adjacency, measure);
    const std::size_t n = scene.NodeCount();
    std::vector<Pixel> at(n);
    for (std::size_t u = 0; u < n && u < places.size(); ++u) {
        at[u] = {std::clamp(places[u].first + kPlotCentre, -kFar, kFar),
                 std::clamp(kPlotCentre - places[u].second, -kFar, kFar)};
    }
    std::vector<std::size_t> every(n);
    for (std::size_t u = 0; u < n; ++u) every[u] = u;
    std::size_t work = 0;
    return scene.Count(at, every, std::vector<char>(n, 1), work).verdict;
}

}  // namespace graph
