// The window that checks a hand-worked table; see table_check_window.h.
#include "app/steps/table_check_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/form_controls.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "graph/table_check.h"
#include "graph/table_check_texts.h"

namespace app {

namespace {

const QColor kWrong(255, 190, 190);

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A block copied from the step window carries its header row and its step
// numbers, in either language; the cells alone are wanted.
std::vector<std::vector<std::string>> WithoutStepHeaders(
    std::vector<std::vector<std::string>> block, std::size_t columns) {
    const auto trimmed = [](const std::string& text) {
        return QString::fromStdString(text).trimmed();
    };
    if (!block.empty()) {
        const QString first = trimmed(block.front().front());
        if (first == QString::fromUtf8(graph::StepHeader(graph::Language::Russian)) ||
            first == QString::fromUtf8(graph::StepHeader(graph::Language::English))) {
            block.erase(block.begin());
        }
    }
    bool numbered = !block.empty();
    for (std::size_t row = 0; row < block.size() && numbered; ++row) {
        bool number = false;
        numbered = block[row].size() == columns + 1 &&
                   trimmed(block[row].front()).toLongLong(&number) ==
                       trimmed(block.front().front()).toLongLong() + static_cast<qlonglong>(row) &&
                   number;
    }
    if (!numbered) return block;
    for (auto& row : block) row.erase(row.begin());
    return block;
}

}  // namespace

TableCheckWindow::TableCheckWindow(graph::AdjacencyMatrix adjacency, int steps, QWidget* parent)
    : QWidget(parent, Qt::Window),
      adjacency_(std::move(adjacency)),
      grid_(new QTableWidget(steps, static_cast<int>(adjacency_.size()) + 1, this)),
      summary_(new QLabel(this)),
      convention_(new QLabel(this)),
      way_(new QLabel(this)) {
    setObjectName(QStringLiteral("TableCheckWindow"));
    setWindowTitle(tr("Проверка таблицы"));
    setAttribute(Qt::WA_DeleteOnClose);
    grid_->setObjectName(QStringLiteral("CheckGrid"));
    grid_->setAccessibleName(tr("Таблица для проверки"));
    grid_->setToolTip(tr("Впишите или вставьте таблицу, решённую вручную."));
    LabelColumns();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(grid_, &QTableWidget::itemChanged, this, &TableCheckWindow::NameCell);
    // Rows are numbered as the step table numbers its steps, until a check
    // tells how this table numbers them.
    NumberRows(0);
    summary_->setObjectName(QStringLiteral("CheckSummary"));
    convention_->setObjectName(QStringLiteral("CheckConvention"));
    way_->setObjectName(QStringLiteral("CheckWay"));
    auto* notation = new QLabel(Text(graph::NotationText(InterfaceLanguage())), this);
    notation->setObjectName(QStringLiteral("CheckNotation"));
    notation->setWordWrap(true);
    check_ = NewButton(QStringLiteral("CheckButton"), tr("Проверить"), this);
    connect(check_, &QPushButton::clicked, this, &TableCheckWindow::Check);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(notation);
    layout->addWidget(summary_);
    layout->addWidget(way_);
    layout->addWidget(convention_);
    layout->addLayout(buttons);
    resize(560, 360);
}

void TableCheckWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    if (event->matches(QKeySequence::Delete)) {
        for (QTableWidgetItem* item : grid_->selectedItems()) item->setText(QString());
        return;
    }
    QWidget::keyPressEvent(event);
}

void TableCheckWindow::SetGraph(graph::AdjacencyMatrix adjacency, int steps) {
    const int before = grid_->columnCount() - 1;
    const int after = static_cast<int>(adjacency.size());
    adjacency_ = std::move(adjacency);
    // What was typed stays: the nodes' columns that both graphs have, and
    // the chosen column moved to the new end.
    std::vector<QTableWidgetItem*> chosen;
    for (int row = 0; row < grid_->rowCount(); ++row)
        chosen.push_back(grid_->takeItem(row, before));
    grid_->setColumnCount(after + 1);
    grid_->setRowCount(std::max(grid_->rowCount(), steps));
    for (int row = 0; row < static_cast<int>(chosen.size()); ++row) {
        grid_->setItem(row, after, chosen[static_cast<std::size_t>(row)]);
    }
    LabelColumns();
    NumberRows(0);
    check_->setEnabled(true);
    summary_->clear();
    way_->clear();
    convention_->clear();
}

void TableCheckWindow::MarkGraphChanged() {
    check_->setEnabled(false);
    way_->clear();
    convention_->clear();
    summary_->setText(tr("Таблицы изменились; «В начало» в окне шагов прочитает их заново."));
}

void TableCheckWindow::NameCell(QTableWidgetItem* item) {
    const QTableWidgetItem* step = grid_->verticalHeaderItem(item->row());
    const QTableWidgetItem* node = grid_->horizontalHeaderItem(item->column());
    const QString place = item->column() + 1 < grid_->columnCount() ? tr("Шаг %1, узел %2: %3")
                                                                    : tr("Шаг %1, %2: %3");
    const QString name =
        place.arg(step ? step->text() : QString(), node ? node->text() : QString(), item->text());
    // Setting the same text again sends nothing, which ends the round
    // through itemChanged.
    item->setData(Qt::AccessibleTextRole, name);
}

void TableCheckWindow::NameCells() {
    for (int row = 0; row < grid_->rowCount(); ++row) {
        for (int column = 0; column < grid_->columnCount(); ++column) {
            if (grid_->item(row, column) == nullptr)
                grid_->setItem(row, column, new QTableWidgetItem);
            NameCell(grid_->item(row, column));
        }
    }
}

void TableCheckWindow::LabelColumns() {
    QStringList headers;
    for (std::size_t node = 1; node <= adjacency_.size(); ++node) {
        headers << QString::number(node);
    }
    headers << QString::fromUtf8(graph::ChosenHeader(InterfaceLanguage()));
    grid_->setHorizontalHeaderLabels(headers);
}

void TableCheckWindow::NumberRows(std::size_t first) {
    QStringList numbers;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        numbers << QString::number(first + static_cast<std::size_t>(row));
    }
    grid_->setVerticalHeaderLabels(numbers);
    NameCells();
}

void TableCheckWindow::Paste() {
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (text.size() > graph::kHandTableLimit) {
        ShowMessageBox({QMessageBox::Warning, ApplicationTitle(),
                        tr("Таблица не вставлена: её текст больше 1 МиБ.")});
        return;
    }
    const auto block = WithoutStepHeaders(graph::SplitTableText(text),
                                          static_cast<std::size_t>(grid_->columnCount()));
    const int top = std::max(grid_->currentRow(), 0);
    const int left = std::max(grid_->currentColumn(), 0);
    const int rows = static_cast<int>(block.size());
    if (top + rows > grid_->rowCount()) {
        grid_->setRowCount(top + rows);
        NumberRows(0);
    }
    for (int row = 0; row < rows; ++row) {
        const auto& cells = block[static_cast<std::size_t>(row)];
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const int c = left + static_cast<int>(column);
            if (c >= grid_->columnCount()) break;
            grid_->setItem(top + row, c,
                           new QTableWidgetItem(QString::fromStdString(cells[column])));
        }
    }
    NameCells();
}

void TableCheckWindow::Check() {
    const int n = static_cast<int>(adjacency_.size());
    const auto text = [this](int row, int column) {
        const QTableWidgetItem* item = grid_->item(row, column);
        return item ? item->text() : QString();
    };
    std::vector<graph::HandRow> rows;
    int last = -1;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        for (int column = 0; column <= n; ++column) {
            if (!text(row, column).trimmed().isEmpty()) last = row;
        }
    }
    for (int row = 0; row <= last; ++row) {
        graph::HandRow hand;
        for (int node = 0; node < n; ++node) hand.cells.push_back(text(row, node).toStdString());
        hand.chosen = text(row, n).toStdString();
        rows.push_back(hand);
    }
    for (int row = 0; row < grid_->rowCount(); ++row) {
        for (int column = 0; column <= n; ++column) {
            if (QTableWidgetItem* item = grid_->item(row, column)) {
                item->setBackground(QBrush());
                item->setToolTip(QString());
            }
        }
    }
    const graph::TableCheck check = graph::CheckHandTable(adjacency_, rows);
    NumberRows(check.firstStep);
    for (const graph::TableFault& fault : check.faults) {
        const int row = static_cast<int>(fault.step) - static_cast<int>(check.firstStep);
        const int column = fault.node ? *fault.node : n;
        if (row < 0 || row >= grid_->rowCount()) continue;
        QTableWidgetItem* item = grid_->item(row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            grid_->setItem(row, column, item);
        }
        item->setBackground(kWrong);
        const QString reason = Text(graph::FaultText(fault, InterfaceLanguage()));
        item->setToolTip(item->toolTip().isEmpty() ? reason : item->toolTip() + u'\n' + reason);
    }
    // A fault of the whole table has no cell of its own: its line goes
    // under the summary.
    QStringList summary{Text(graph::CheckSummary(check, InterfaceLanguage()))};
    for (const graph::TableFault& fault : check.faults) {
        if (fault.kind == graph::TableFault::Kind::Truncated ||
            fault.kind == graph::TableFault::Kind::AfterEnd) {
            summary << Text(graph::FaultText(fault, InterfaceLanguage()));
        }
    }
    summary_->setText(summary.join(u'\n'));
    convention_->setText(Text(graph::ConventionText(check.convention, InterfaceLanguage())));
    if (!check.way) {
        way_->clear();
    } else {
        QString way = tr("Путь по таблице: %1, длина %2")
                          .arg(Text(graph::WayText(check.way->way)))
                          .arg(check.way->length);
        if (!check.wayShortest && check.shortestLength) {
            way +=
                tr(" — не кратчайший: кратчайший путь имеет длину %1").arg(*check.shortestLength);
        }
        way_->setText(way);
    }
}

}  // namespace app
