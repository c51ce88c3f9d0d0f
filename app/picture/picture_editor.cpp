// Editing the graph with the mouse and keys on the picture; see
// picture_editor.h.
#include "app/picture/picture_editor.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <string>

#include "app/picture/picture_view.h"
#include "app/tables/graph_tables.h"
#include "app/tables/table_commands.h"
#include "document/graph_document.h"
#include "graph/graph_model.h"

namespace app {

namespace {

// How near a dot the mouse must be to take its node, in widget pixels.
constexpr int kReach = 6;
constexpr int kPlotLimit = 200;

QPoint PlotOf(const graph::NodePoint& point) {
    return {point.X - kPlotLimit, kPlotLimit - point.Y};
}

QPoint Clamped(QPoint at) {
    return {std::clamp(at.x(), -kPlotLimit, kPlotLimit),
            std::clamp(at.y(), -kPlotLimit, kPlotLimit)};
}

// Plot coordinates as the node's tooltip writes them, with a true minus.
QString Coordinate(int value) {
    return value < 0 ? QStringLiteral("\u2212") + QString::number(-value) : QString::number(value);
}

}  // namespace

PictureEditor::PictureEditor(GraphTables* tables, PictureView* picture, QObject* parent)
    : WindowPart(parent),
      tables_(tables),
      picture_(picture),
      delete_(new QAction(this)),
      weight_(new QLineEdit(picture)) {
    delete_->setObjectName(QStringLiteral("deleteNodeAction"));
    connect(delete_, &QAction::triggered, this, [this] { DeleteNode(delete_->data().toInt()); });
    picture_->setMouseTracking(true);
    picture_->setFocusPolicy(Qt::ClickFocus);
    picture_->installEventFilter(this);
    weight_->setObjectName(QStringLiteral("linkWeightEditor"));
    weight_->setAccessibleName(tr("Вес связи"));
    weight_->setMaxLength(static_cast<int>(document::kLongestText));
    weight_->setAlignment(Qt::AlignCenter);
    weight_->hide();
    weight_->installEventFilter(this);
    // Moves taken back or done again are drawn as they are made; other
    // edits may take the picked node away.
    connect(tables_, &GraphTables::NodesMoved, this, [this] {
        emit NodesMoved();
        ShowMark();
    });
    connect(tables_, &GraphTables::Edited, this, [this] {
        // Another edit may take the link's nodes away.
        CloseWeightEditor(false);
        selected_.reset();
        ShowMark();
    });
}

std::optional<int> PictureEditor::NodeAt(QPoint at) const {
    const graph::NodePoints* points = drawn_;
    if (points == nullptr) return std::nullopt;
    std::optional<int> nearest;
    int best = kReach * kReach;
    // A faded picture may show nodes beyond the count, which the tables
    // no longer hold.
    const int inTables = std::min(static_cast<int>(points->size()), tables_->Count());
    // Later nodes are drawn over earlier ones, so they win a tie.
    for (int i = inTables - 1; i >= 0; --i) {
        const QPoint offset = picture_->WidgetPoint((*points)[i]) - at;
        const int distance = offset.x() * offset.x() + offset.y() * offset.y();
        if (distance <= best && (!nearest || distance < best)) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

QAction* PictureEditor::DeleteActionAt(QPoint at) {
    const std::optional<int> node = NodeAt(at);
    if (!node) return nullptr;
    delete_->setText(tr("Удалить узел %1").arg(*node + 1));
    delete_->setData(*node);
    return delete_;
}

void PictureEditor::AddNode(QPoint at) {
    if (Run([&] { app::AddNode(*tables_, at.x(), at.y()); })) emit NodesChanged();
}

void PictureEditor::DeleteNode(int node) {
    if (!Run([&] { app::DeleteNode(*tables_, node); })) return;
    selected_.reset();
    ShowMark();
    emit NodesChanged();
}

bool PictureEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == weight_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
                CloseWeightEditor(key != Qt::Key_Escape);
                return true;
            }
        }
        if (event->type() == QEvent::FocusOut) {
            // A click elsewhere takes what was typed, as a table's cell
            // does; another window or a menu leaves the editor open.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                CloseWeightEditor(weight_->isModified());
            }
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched != picture_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            Press(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseMove:
            Drag(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            Release(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || NodeAt(mouse->position().toPoint())) break;
            EndRun();
            AddNode(Clamped(picture_->PlotAt(mouse->position().toPoint())));
            return true;
        }
        case QEvent::KeyPress:
            return Key(static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            EndRun();
            break;
        case QEvent::ToolTip: {
            const auto* help = static_cast<QHelpEvent*>(event);
            const std::optional<int> node = NodeAt(help->pos());
            if (!node) {
                QToolTip::hideText();
                return true;
            }
            const QPoint at = PlotOf((*drawn_)[*node]);
            QToolTip::showText(
                help->globalPos(),
                tr("Узел %1 (%2; %3)").arg(*node + 1).arg(Coordinate(at.x()), Coordinate(at.y())),
                picture_);
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void PictureEditor::Press(QMouseEvent* event) {
    EndRun();
    if (event->button() != Qt::LeftButton) return;
    const std::optional<int> node = NodeAt(event->position().toPoint());
    selected_ = node;
    ShowMark();
    if (!node) return;
    if (event->modifiers() & Qt::ShiftModifier) {
        linkFrom_ = node;
        return;
    }
    dragged_ = node;
    pressedAt_ = event->position().toPoint();
    picture_->setCursor(Qt::ClosedHandCursor);
}

void PictureEditor::Drag(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragged_ && (event->buttons() & Qt::LeftButton)) {
        // A press is a click until the pointer leaves the platform's drag
        // distance: a hand's wobble moves nothing.
        if (pressedAt_) {
            if ((at - *pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
            pressedAt_.reset();
        }
        tables_->BeginSession(GraphTables::Kind::MoveNode);
        running_ = true;
        PlaceNode(*dragged_, Clamped(picture_->PlotAt(at)));
        return;
    }
    if (linkFrom_ && (event->buttons() & Qt::LeftButton)) {
        picture_->SetGuide(QLine(picture_->WidgetPoint((*drawn_)[*linkFrom_]), at));
        return;
    }
    picture_->setCursor(NodeAt(at) ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void PictureEditor::Release(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (dragged_) {
        dragged_.reset();
        picture_->setCursor(Qt::OpenHandCursor);
        EndRun();
        return;
    }
    if (!linkFrom_) return;
    const int from = *linkFrom_;
    linkFrom_.reset();
    picture_->SetGuide(std::nullopt);
    const std::optional<int> to = NodeAt(event->position().toPoint());
    if (!to || *to == from) return;
    OpenWeightEditor(from, *to);
}

void PictureEditor::OpenWeightEditor(int from, int to) {
    const QPoint a = picture_->WidgetPoint((*drawn_)[from]);
    const QPoint b = picture_->WidgetPoint((*drawn_)[to]);
    weighed_ = {from, to};
    picture_->SetGuide(QLine(a, b));
    weight_->setText(tables_->MatrixTable()->Text(from + 1, to + 1));
    weight_->selectAll();
    weight_->setToolTip(
        tr("Вес связи %1–%2: Enter — записать, Esc — отменить").arg(from + 1).arg(to + 1));
    const QSize size(weight_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12,
                     weight_->sizeHint().height());
    const QPoint corner = (a + b) / 2 - QPoint(size.width() / 2, size.height() / 2);
    weight_->setGeometry(
        QRect(QPoint(std::clamp(corner.x(), 0, std::max(0, picture_->width() - size.width())),
                     std::clamp(corner.y(), 0, std::max(0, picture_->height() - size.height()))),
              size));
    weight_->show();
    weight_->raise();
    weight_->setFocus(Qt::OtherFocusReason);
}

void PictureEditor::CloseWeightEditor(bool commit) {
    if (!weighed_) return;
    const auto [from, to] = *weighed_;
    weighed_.reset();
    picture_->SetGuide(std::nullopt);
    const std::string text = weight_->text().toStdString();
    if (weight_->hasFocus()) picture_->setFocus(Qt::OtherFocusReason);
    weight_->hide();
    if (!commit || std::max(from, to) >= tables_->Count()) return;
    if (Run([&] { SetLinkWeight(*tables_, from, to, text); })) emit LinkMade();
}

bool PictureEditor::Key(QKeyEvent* event) {
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = 1;
            break;
        case Qt::Key_Down:
            dy = -1;
            break;
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            return false;
        default:
            EndRun();
            return false;
    }
    const graph::NodePoints* points = drawn_;
    if (!selected_ || points == nullptr || *selected_ >= static_cast<int>(points->size())) {
        return false;
    }
    const int by = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    tables_->BeginSession(GraphTables::Kind::MoveNode);
    running_ = true;
    PlaceNode(*selected_, Clamped(PlotOf((*points)[*selected_]) + QPoint(dx, dy) * by));
    return true;
}

void PictureEditor::PlaceNode(int node, QPoint at) {
    CellTableModel* nodes = tables_->NodeTable();
    const std::string x = std::to_string(at.x());
    const std::string y = std::to_string(at.y());
    if (nodes->CellText(1, node + 1) == x && nodes->CellText(2, node + 1) == y) return;
    nodes->SetCellText(1, node + 1, x);
    nodes->SetCellText(2, node + 1, y);
    emit NodesMoved();
    ShowMark();
}

void PictureEditor::EndRun() {
    if (dragged_) picture_->setCursor(Qt::ArrowCursor);
    dragged_.reset();
    if (linkFrom_) picture_->SetGuide(std::nullopt);
    linkFrom_.reset();
    if (running_) tables_->EndCellEdit();
    running_ = false;
}

void PictureEditor::ShowMark() {
    const graph::NodePoints* points = drawn_;
    if (selected_ && points != nullptr && *selected_ < static_cast<int>(points->size())) {
        picture_->SetMark((*points)[*selected_]);
    } else {
        picture_->SetMark(std::nullopt);
    }
}

}  // namespace app
