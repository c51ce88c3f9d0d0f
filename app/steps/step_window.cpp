// The step window; see step_window.h.
#include "app/steps/step_window.h"

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
#include "app/steps/table_check_window.h"
#include "graph/shown_texts.h"
#include "plot/drawing_surface.h"

namespace app {

StepWindow::StepWindow(Reader read, QWidget* parent)
    : QWidget(parent, Qt::Window),
      read_(std::move(read)),
      table_(new QTableWidget(this)),
      state_(new QLabel(this)),
      answer_(new QLabel(this)),
      first_(NewButton(QStringLiteral("firstStepButton"), QStringLiteral("В начало"), this)),
      back_(NewButton(QStringLiteral("backStepButton"), QStringLiteral("Назад"), this)),
      next_(NewButton(QStringLiteral("nextStepButton"), QStringLiteral("Далее"), this)),
      last_(NewButton(QStringLiteral("lastStepButton"), QStringLiteral("В конец"), this)),
      check_(NewButton(QStringLiteral("checkTableButton"), QStringLiteral("Проверить мою таблицу"),
                       this)) {
    setObjectName(QStringLiteral("StepWindow"));
    setWindowTitle(QStringLiteral("Алгоритм Дейкстры по шагам"));
    setAttribute(Qt::WA_DeleteOnClose);
    table_->setObjectName(QStringLiteral("StepTable"));
    table_->setAccessibleName(QStringLiteral("Шаги алгоритма Дейкстры"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    state_->setObjectName(QStringLiteral("StepState"));
    state_->setWordWrap(true);
    answer_->setObjectName(QStringLiteral("StepAnswer"));

    // The window's keys move through the table, wherever the focus is.
    for (QPushButton* button : {first_, back_, next_, last_, check_}) {
        button->setFocusPolicy(Qt::NoFocus);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {first_, back_, next_, last_}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(check_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(answer_);
    layout->addWidget(state_);
    layout->addLayout(buttons);

    connect(first_, &QPushButton::clicked, this, [this] {
        if (Restart()) ShowStep(0);
    });
    connect(back_, &QPushButton::clicked, this, [this] { ShowStep(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowStep(current_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { ShowStep(LastStep()); });
    connect(check_, &QPushButton::clicked, this, [this] {
        if (!checkWindow_) {
            checkWindow_ = new TableCheckWindow(graph_.adjacency, LastStep() + 1, this);
            checkWindow_->move(frameGeometry().left(), frameGeometry().bottom() + 8);
        }
        checkWindow_->show();
        checkWindow_->raise();
        checkWindow_->activateWindow();
    });
    resize(560, 320);
}

bool StepWindow::Restart() {
    std::optional<graph::Graph> read = read_();
    if (!read) return false;
    graph_ = std::move(*read);
    steps_ = graph::FindDijkstraSteps(graph_.adjacency);
    table_->setEnabled(true);
    answer_->setEnabled(true);
    state_->clear();
    FillTable();
    EnableButtons();
    if (checkWindow_) checkWindow_->SetGraph(graph_.adjacency, LastStep() + 1);
    return true;
}

void StepWindow::FillTable() {
    const int n = static_cast<int>(graph_.points.size());
    const int rows = LastStep() + 1;
    table_->clear();
    table_->setColumnCount(n + 1);
    table_->setRowCount(rows);
    QStringList headers;
    for (int node = 1; node <= n; ++node) headers << QString::number(node);
    headers << QString::fromUtf8(graph::kChosenHeader);
    table_->setHorizontalHeaderLabels(headers);
    QStringList steps;
    for (int step = 0; step < rows; ++step) steps << QString::number(step);
    table_->setVerticalHeaderLabels(steps);
    for (int step = 0; step < rows; ++step) {
        const graph::DijkstraStep& row = steps_.steps[step];
        for (int node = 0; node < n; ++node) {
            auto* cell = new QTableWidgetItem(
                QString::fromStdString(graph::StepCellText(row.cells[node], row.settled == node)));
            if (row.settled && *row.settled == node) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setForeground(plot::DrawingSurface::SettledColor());
            }
            table_->setItem(step, node, cell);
        }
        table_->setItem(step, n,
                        new QTableWidgetItem(
                            QString::fromStdString(graph::ChosenText(row.settled, step == 0))));
    }
    if (steps_.way) {
        answer_->setText(QString::fromStdString(graph::WayText(steps_.way->way) + ", " +
                                                graph::LengthText(steps_.way->length)));
    } else {
        answer_->setText(QString::fromUtf8(graph::kNoWayText));
    }
}

void StepWindow::ShowStep(int step) {
    if (steps_.steps.empty() || IsGreyed()) return;
    current_ = std::clamp(step, 0, LastStep());
    table_->selectRow(current_);
    table_->scrollToItem(table_->item(current_, 0));
    EnableButtons();
    emit StepShown(current_);
}

void StepWindow::EnableButtons() {
    const bool read = !IsGreyed();
    back_->setEnabled(read && current_ > 0);
    next_->setEnabled(read && current_ < LastStep());
    last_->setEnabled(read && current_ < LastStep());
    check_->setEnabled(read);
}

bool StepWindow::IsGreyed() const { return !table_->isEnabled(); }

void StepWindow::MarkTablesChanged() {
    if (IsGreyed()) return;
    table_->setEnabled(false);
    answer_->setEnabled(false);
    // The settled cells lose their colour, which the greying leaves.
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < table_->columnCount(); ++column) {
            if (QTableWidgetItem* cell = table_->item(row, column)) {
                cell->setData(Qt::ForegroundRole, QVariant());
            }
        }
    }
    EnableButtons();
    state_->setText(QStringLiteral("Таблицы изменились; «В начало» прочитает их заново."));
    if (checkWindow_) checkWindow_->MarkGraphChanged();
}

void StepWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (IsGreyed()) return;
        QApplication::clipboard()->setText(
            QString::fromStdString(graph::DijkstraStepsText(steps_)));
        return;
    }
    switch (event->key()) {
        case Qt::Key_Home:
            first_->click();
            return;
        case Qt::Key_Left:
            back_->click();
            return;
        case Qt::Key_Right:
            next_->click();
            return;
        case Qt::Key_End:
            last_->click();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void StepWindow::closeEvent(QCloseEvent* event) {
    emit Closed();
    QWidget::closeEvent(event);
}

}  // namespace app
