// The text grid and its live cell editor; see cell_grid.h.
#include "cell_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace app {

namespace {

// Commits on every edit of the text, so the model (and whatever listens to
// its edits) follows the typing character by character.
class LiveEditDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            // Qt creates editors through a const delegate; committing is
            // still a signal of this very delegate.
            auto* self = const_cast<LiveEditDelegate*>(this);
            connect(lineEdit, &QLineEdit::textEdited, self,
                    [self, lineEdit] { emit self->commitData(lineEdit); });
        }
        return editor;
    }

    // The view reloads an open editor whenever its cell changes, which each
    // live commit does. Reloading the same text would move the cursor to
    // the end and lose the selection, so only a different text is loaded.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            const QString text = index.data(Qt::EditRole).toString();
            if (lineEdit->text() != text) lineEdit->setText(text);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
};

// Cells are only 20 px wide: texts start 2 px in, cells and headers alike,
// so that a number such as -60 still fits.
class NarrowMarginStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_HeaderMargin || metric == PM_FocusFrameHMargin) return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

void SetUpHeader(QHeaderView* header, QStyle* style) {
    header->setStyle(style);
    header->setMinimumSectionSize(0);
    header->setDefaultSectionSize(CellGrid::kCellSize);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Numbers wider than a cell are cut at its edge rather than elided.
    header->setTextElideMode(Qt::ElideNone);
}

}  // namespace

CellGrid::CellGrid(CellTableModel* model, QWidget* parent) : QTableView(parent), cells_(model) {
    setModel(model);
    setItemDelegate(new LiveEditDelegate(this));
    auto* style = new NarrowMarginStyle;
    style->setParent(this);
    setStyle(style);
    SetUpHeader(horizontalHeader(), style);
    SetUpHeader(verticalHeader(), style);
    horizontalHeader()->setFixedHeight(kCellSize);
    verticalHeader()->setFixedWidth(kCellSize);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab moves on to the next control, not to the next cell.
    setTabKeyNavigation(false);
}

QModelIndex CellGrid::CellIndex(int column, int row) const {
    return model()->index(row - 1, column - 1);
}

}  // namespace app
