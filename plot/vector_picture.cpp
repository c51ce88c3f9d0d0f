// Writing the scene as SVG and PDF; see vector_picture.h.
#include "plot/vector_picture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace plot {

namespace {

const QString kTitle = QStringLiteral("Путь на графе");

}  // namespace

QByteArray SvgPicture(const DrawingSurface::Scene& scene) {
    if (scene.background.isNull()) return {};
    QByteArray bytes;
    bytes.reserve(8 << 20);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(kTitle);
    svg.setSize(scene.background.size());
    svg.setViewBox(QRect(QPoint(0, 0), scene.background.size()));
    // Fonts are sized in pixels, which are the document's units here.
    svg.setResolution(72);
    QPainter painter(&svg);
    DrawingSurface::Paint(scene, painter);
    painter.end();
    return bytes;
}

QByteArray PdfPicture(const DrawingSurface::Scene& scene) {
    if (scene.background.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(kTitle);
    pdf.setCreator(kTitle);
    // One device pixel a point: the painter draws in surface pixels.
    pdf.setResolution(72);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(scene.background.size()), QPageSize::Point),
                                  QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&pdf);
    DrawingSurface::Paint(scene, painter);
    painter.end();
    return bytes;
}

}  // namespace plot
