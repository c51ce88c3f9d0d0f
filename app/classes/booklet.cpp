// The booklet of a class set; see booklet.h.
#include "app/classes/booklet.h"

#include <QStringList>
#include <string>

#include "app/interface_language.h"
#include "app/picture/page_grid.h"
#include "app/picture/printed_page.h"
#include "app/picture/worksheet.h"
#include "document/class_set_files.h"
#include "graph/dijkstra_steps.h"
#include "graph/ways.h"

namespace app {

namespace {

constexpr double kKeyTitleSize = 16;
constexpr double kKeyLineSize = 10;

// Tab-separated lines as the rows of a grid.
std::vector<QStringList> Rows(const std::string& text) {
    std::vector<QStringList> rows;
    for (const QString& line :
         QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        rows.push_back(line.split(QLatin1Char('\t')));
    }
    return rows;
}

QString WayLine(int number, const graph::ShortestWay& way) {
    return Booklet::tr("Вариант %1: путь %2, длина %3")
        .arg(number)
        .arg(QString::fromStdString(graph::WayText(way.way)))
        .arg(way.length);
}

}  // namespace

graph::Graph VariantGraph(const graph::ClassVariant& variant) {
    graph::Graph graph{{}, variant.adjacency};
    for (const auto& [x, y] : variant.nodes) graph.points.push_back(graph::PlotToSurface(x, y));
    return graph;
}

Booklet::Booklet(const std::vector<graph::ClassVariant>& set,
                 const graph::ClassSetParameters& parameters, plot::DrawingSurface::Scene axes)
    : set_(set),
      parameters_(parameters),
      axes_(std::move(axes)),
      buffer_(&bytes_),
      writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setPageLayout(A4Layout());
    writer_.setCreator(tr("Путь на графе"));
    writer_.setTitle(tr("Варианты для класса"));
    painter_.begin(&writer_);
    page_ = std::make_unique<PageInPoints>(writer_, painter_);
}

Booklet::~Booklet() = default;

int Booklet::Slices() const {
    const int variants = static_cast<int>(set_.size());
    return variants + (parameters_.uniqueTable ? variants : 1);
}

bool Booklet::PaintNext() {
    if (next_ >= Slices()) return false;
    const int variants = static_cast<int>(set_.size());
    // Each worksheet, and the key, begins a page.
    if (next_ > 0 && next_ <= variants) writer_.newPage();
    if (next_ < variants) {
        const graph::ClassVariant& variant = set_[static_cast<std::size_t>(next_)];
        PaintWorksheet(*page_,
                       MakeWorksheet(tr("Вариант %1").arg(next_ + 1), axes_, VariantGraph(variant),
                                     document::VariantTexts(variant)));
    } else {
        if (next_ == variants) PaintKeyTitle();
        if (parameters_.uniqueTable) {
            PaintSteps(static_cast<std::size_t>(next_ - variants));
        } else {
            PaintWays();
        }
    }
    return ++next_ < Slices();
}

void Booklet::PaintKeyTitle() {
    const QSizeF size = page_->Size();
    painter_.setPen(Qt::black);
    painter_.setFont(PageFont(writer_, kKeyTitleSize, true));
    const QRectF title(0, 0, size.width(), kKeyTitleSize * 1.6);
    painter_.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, tr("Ответы"));
    painter_.setFont(PageFont(writer_, kKeyLineSize));
    const QString made =
        tr("Номер набора %1; узлов %2, веса %3–%4, связей в пути не меньше %5%6")
            .arg(parameters_.seed)
            .arg(parameters_.nodes)
            .arg(parameters_.lightest)
            .arg(parameters_.heaviest)
            .arg(parameters_.minLinks)
            .arg(parameters_.uniqueTable ? tr(", единственная таблица Дейкстры") : QString());
    // Wrapped: the line is wider than the page with the unique-table option.
    const QRectF line = painter_.boundingRect(
        QRectF(0, title.bottom(), size.width(), size.height()), Qt::TextWordWrap, made);
    painter_.drawText(line, Qt::TextWordWrap, made);
    keyY_ = line.bottom() + kPageGap / 2;
}

void Booklet::PaintWays() {
    Grid key{QString(), {{tr("Вариант"), tr("Путь"), tr("Длина")}}};
    for (std::size_t k = 0; k < set_.size(); ++k) {
        key.rows.push_back({QString::number(k + 1),
                            QString::fromStdString(graph::WayText(set_[k].way.way)),
                            QString::number(set_[k].way.length)});
    }
    const PageInPoints::Shape shape = page_->Measure(key, kKeyLineSize);
    keyY_ = page_->DrawFlowing(key, keyY_, shape, kKeyLineSize);
}

void Booklet::PaintSteps(std::size_t variant) {
    const QSizeF size = page_->Size();
    const Grid steps{WayLine(static_cast<int>(variant) + 1, set_[variant].way),
                     Rows(graph::DijkstraStepsText(
                         graph::FindDijkstraSteps(set_[variant].adjacency), InterfaceLanguage()))};
    const double points = page_->Fit({steps}, size);
    const PageInPoints::Shape shape = page_->Measure(steps, points);
    // A variant's table is kept on one page.
    if (keyY_ + shape.Height(steps) > size.height()) {
        writer_.newPage();
        keyY_ = 0;
    }
    keyY_ = page_->DrawFlowing(steps, keyY_, shape, points) + kPageGap;
}

QByteArray Booklet::Finish() {
    while (PaintNext()) {
    }
    painter_.end();
    buffer_.close();
    return bytes_;
}

}  // namespace app
