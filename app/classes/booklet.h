// The booklet of a class set, an A4 PDF: a worksheet per variant, «Вариант
// 7» over it, then the key: each variant's way and length and, when the set
// was made with one form of the table, its step table. Laid out a slice at
// a time, a variant's worksheet or its part of the key, so that the window
// stays alive and the person can stop it between two slices.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstddef>
#include <memory>
#include <vector>

#include "graph/class_set.h"
#include "graph/graph_model.h"
#include "plot/drawing_surface.h"

namespace app {

class PageInPoints;

// The variant as the window draws a graph: its nodes in surface pixels.
graph::Graph VariantGraph(const graph::ClassVariant& variant);

class Booklet {
    Q_DECLARE_TR_FUNCTIONS(app::Booklet)

public:
    // The variants' pictures are drawn over `axes`, a scene as
    // DrawingSurface::UpdatePict leaves it; `parameters` made `set`.
    Booklet(const std::vector<graph::ClassVariant>& set,
            const graph::ClassSetParameters& parameters, plot::DrawingSurface::Scene axes);
    ~Booklet();

    // A slice per variant, then the key: one slice for the table of ways,
    // or a slice per variant's step table.
    int Slices() const;
    // Lays out the next slice; true while slices are left.
    bool PaintNext();
    // The PDF, once every slice is laid out.
    QByteArray Finish();

private:
    // The key's title and the parameters the set was made with.
    void PaintKeyTitle();
    void PaintWays();
    void PaintSteps(std::size_t variant);

    const std::vector<graph::ClassVariant>& set_;
    graph::ClassSetParameters parameters_;
    plot::DrawingSurface::Scene axes_;
    int next_ = 0;
    // Where the key goes on down its page, in points.
    double keyY_ = 0;
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
    QPainter painter_;
    std::unique_ptr<PageInPoints> page_;
};

}  // namespace app
