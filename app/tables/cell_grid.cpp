// The text grid and its live cell editor; see cell_grid.h.
#include "app/tables/cell_grid.h"

#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "app/tables/history_keys.h"
#include "document/graph_document.h"

namespace app {

namespace {

// Commits on every edit of the text, so the model (and whatever listens to
// its edits) follows the typing character by character.
class LiveEditDelegate : public QStyledItemDelegate {
public:
    // `created` hears of each new editor before it takes the key that may
    // have opened it.
    LiveEditDelegate(std::function<void(QWidget*)> created, QObject* parent)
        : QStyledItemDelegate(parent), created_(std::move(created)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr) created_(editor);
        if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
            // No cell holds more than a graph file of the window may.
            lineEdit->setMaxLength(static_cast<int>(document::kLongestText));
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

private:
    std::function<void(QWidget*)> created_;
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

// A header that marks the section of the current cell, so that a person
// sees which row and column the cell belongs to.
class CellHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

    void SetCurrent(int section) {
        if (section == current_) return;
        const int previous = current_;
        current_ = section;
        if (previous >= 0) updateSection(previous);
        if (current_ >= 0) updateSection(current_);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        QHeaderView::paintSection(painter, rect, section);
        if (section != current_) return;
        painter->save();
        // The style leaves the painter clipped to nothing.
        painter->setClipRect(rect);
        painter->fillRect(rect.adjusted(0, 0, -1, -1), palette().highlight());
        painter->setPen(palette().highlightedText().color());
        painter->drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          model()->headerData(section, orientation()).toString());
        painter->restore();
    }

private:
    int current_ = -1;
};

void SetUpHeader(CellHeader* header, QStyle* style) {
    header->setStyle(style);
    header->setMinimumSectionSize(0);
    header->setDefaultSectionSize(CellGrid::kCellSize);
    // Borders can be dragged to show a long text; every section starts at
    // the default size.
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Numbers wider than a cell are cut at its edge rather than elided.
    header->setTextElideMode(Qt::ElideNone);
}

CellHeader* Header(QHeaderView* header) { return static_cast<CellHeader*>(header); }

}  // namespace

CellGrid::CellGrid(CellTableModel* model, QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new CellHeader(Qt::Horizontal, this));
    setVerticalHeader(new CellHeader(Qt::Vertical, this));
    setModel(model);
    setItemDelegate(new LiveEditDelegate([this](QWidget* editor) { EditorCreated(editor); }, this));
    auto* style = new NarrowMarginStyle;
    style->setParent(this);
    setStyle(style);
    SetUpHeader(Header(horizontalHeader()), style);
    SetUpHeader(Header(verticalHeader()), style);
    horizontalHeader()->setFixedHeight(kCellSize);
    setCornerButtonEnabled(false);
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // As in a spreadsheet a click only selects: typing replaces the text,
    // a double click or F2 edits it in place.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Tab moves on to the next control, not to the next cell.
    setTabKeyNavigation(false);
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                FitColumns(from.column(), to.column());
            });
    connect(model, &QAbstractItemModel::headerDataChanged, this, [this] { FitAll(); });
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { FitAll(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { FitAll(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { FitAll(); });
    FitAll();
}

int CellGrid::TextWidth(const QFontMetrics& metrics, const QString& text) {
    // The text starts 2 px in, and the cell's line takes one more.
    return text.isEmpty() ? 0 : metrics.horizontalAdvance(text) + 5;
}

void CellGrid::FitColumns(int first, int last) {
    const auto* cells = static_cast<const CellTableModel*>(model());
    const QFontMetrics metrics = fontMetrics();
    // A whole matrix holds far fewer distinct texts than cells, and shaping
    // a text is what costs.
    QHash<QString, int> widths;
    const auto widthOf = [&](const QString& text) {
        const auto known = widths.constFind(text);
        return known != widths.constEnd() ? *known : *widths.insert(text, TextWidth(metrics, text));
    };
    for (int column = std::max(first, 0); column <= last && column < cells->columnCount();
         ++column) {
        int width = std::max(kCellSize, widthOf(cells->Text(column + 1, 0)));
        for (int row = 1; row <= cells->rowCount(); ++row) {
            width = std::max(width, widthOf(cells->Text(column + 1, row)));
        }
        if (horizontalHeader()->sectionSize(column) != width) {
            horizontalHeader()->resizeSection(column, width);
        }
    }
}

void CellGrid::FitAll() {
    FitColumns(0, model()->columnCount() - 1);
    const QFontMetrics metrics = fontMetrics();
    int width = kCellSize;
    for (int row = 0; row < model()->rowCount(); ++row) {
        width =
            std::max(width, TextWidth(metrics, model()->headerData(row, Qt::Vertical).toString()));
    }
    verticalHeader()->setFixedWidth(width);
}

CellGrid::~CellGrid() {
    // The editor outlives the grid's own part of the object.
    disconnect(editorGone_);
}

QRect CellGrid::SelectedCells() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        const QModelIndex current = currentIndex();
        if (!current.isValid()) return QRect(1, 1, 1, 1);
        return QRect(current.column() + 1, current.row() + 1, 1, 1);
    }
    QRect box;
    for (const QModelIndex& index : selected) {
        box |= QRect(index.column() + 1, index.row() + 1, 1, 1);
    }
    return box;
}

void CellGrid::SelectCell(int column, int row) {
    const QModelIndex index = model()->index(row - 1, column - 1);
    if (!index.isValid()) return;
    FinishEditing();
    setCurrentIndex(index);
    scrollTo(index);
    setFocus(Qt::OtherFocusReason);
}

void CellGrid::FinishEditing() {
    const QModelIndex current = currentIndex();
    if (state() != EditingState || !current.isValid()) return;
    if (QWidget* editor = indexWidget(current)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool CellGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    trigger_ = trigger;
    if (!QTableView::edit(index, trigger, event)) return false;
    // Installed after the delegate's own filter, so that the grid's keys
    // come first.
    if (QWidget* editor = indexWidget(index)) editor->installEventFilter(this);
    return true;
}

void CellGrid::EditorCreated(QWidget* editor) {
    if (editing_) return;
    editing_ = true;
    openedByTyping_ = trigger_ == AnyKeyPressed;
    // An editor can also go without closing, when the count takes its row.
    editorGone_ = connect(editor, &QObject::destroyed, this, [this] {
        if (editing_) EndSession(true);
    });
    emit EditingStarted();
}

void CellGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool kept = hint != QAbstractItemDelegate::RevertModelCache;
    // Tab and Backtab leave the grid instead of opening the next cell.
    const bool leave = hint == QAbstractItemDelegate::EditNextItem ||
                       hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, leave ? QAbstractItemDelegate::NoHint : hint);
    if (editing_) EndSession(kept);
    if (leave) focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void CellGrid::EndSession(bool kept) {
    editing_ = false;
    disconnect(editorGone_);
    if (kept) {
        emit EditingFinished();
    } else {
        emit EditingCancelled();
    }
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor == nullptr) return QTableView::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride && IsHistoryKey(static_cast<QKeyEvent*>(event))) {
        // The window's undo and redo, not the editor's own.
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QTableView::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        // A block pastes at the cell, not into its text.
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit PasteRequested();
        return true;
    }
    std::optional<CursorAction> move;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            move = key->modifiers() & Qt::ShiftModifier ? MoveUp : MoveDown;
            break;
        case Qt::Key_Left:
            if (openedByTyping_) move = MoveLeft;
            break;
        case Qt::Key_Right:
            if (openedByTyping_) move = MoveRight;
            break;
        case Qt::Key_Up:
            if (openedByTyping_) move = MoveUp;
            break;
        case Qt::Key_Down:
            if (openedByTyping_) move = MoveDown;
            break;
        default:
            break;
    }
    if (!move) return QTableView::eventFilter(watched, event);
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    MoveTo(*move);
    return true;
}

void CellGrid::MoveTo(CursorAction action) {
    const QModelIndex next = moveCursor(action, Qt::NoModifier);
    if (next.isValid()) setCurrentIndex(next);
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    if (state() != EditingState) {
        if (event->matches(QKeySequence::Copy)) {
            emit CopyRequested();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            emit PasteRequested();
            return;
        }
        if (event->matches(QKeySequence::Delete)) {
            emit ClearRequested();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            MoveTo(event->modifiers() & Qt::ShiftModifier ? MoveUp : MoveDown);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool CellGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = index.isValid() ? index.data().toString() : QString();
        const QRect cell = visualRect(index);
        // A text cut at its cell's edge shows whole; elsewhere the grid's
        // own hint.
        if (index.isValid() && fontMetrics().horizontalAdvance(text) + 2 > cell.width()) {
            QToolTip::showText(help->globalPos(), text, viewport(), cell);
        } else if (!toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), toolTip(), viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QTableView::viewportEvent(event);
}

void CellGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    Header(horizontalHeader())->SetCurrent(current.isValid() ? current.column() : -1);
    Header(verticalHeader())->SetCurrent(current.isValid() ? current.row() : -1);
}

}  // namespace app
