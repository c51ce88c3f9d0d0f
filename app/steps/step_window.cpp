// The step window; see step_window.h.
#include "app/steps/step_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/form_controls.h"
#include "app/interface_language.h"
#include "app/steps/table_check_window.h"
#include "graph/shown_texts.h"
#include "plot/drawing_surface.h"

namespace app {

namespace {

// A legend entry: its mark and text in `colour`, kept on one line.
QString LegendEntry(const QColor& colour, const QString& text) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(colour.name(),
             text.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
}

// `at` moved as little as it takes for a window of frame size `size` to
// stand inside `screen`, as far as it fits.
QPoint KeepInside(const QPoint& at, const QSize& size, const QRect& screen) {
    const auto inside = [](int from, int length, int first, int last) {
        return std::max(first, std::min(from, last + 1 - length));
    };
    return {inside(at.x(), size.width(), screen.left(), screen.right()),
            inside(at.y(), size.height(), screen.top(), screen.bottom())};
}

}  // namespace

QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& screen) {
    constexpr int kGap = 8;
    int x = main.right() + 1 + kGap;
    if (x + size.width() > screen.right() + 1) {
        x = main.left() - kGap - size.width();
        if (x < screen.left()) x = std::min(main.right(), screen.right()) + 1 - size.width();
    }
    return KeepInside({x, main.top()}, size, screen);
}

StepWindow::StepWindow(Reader read, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      read_(std::move(read)),
      table_(new QTableWidget(this)),
      state_(new QLabel(this)),
      answer_(new QLabel(this)),
      legend_(new QLabel(this)),
      allSteps_(new QCheckBox(tr("Показать все шаги"), this)),
      first_(NewButton(QStringLiteral("firstStepButton"), tr("В начало"), this)),
      back_(NewButton(QStringLiteral("backStepButton"), tr("Назад"), this)),
      next_(NewButton(QStringLiteral("nextStepButton"), tr("Далее"), this)),
      last_(NewButton(QStringLiteral("lastStepButton"), tr("В конец"), this)),
      check_(NewButton(QStringLiteral("checkTableButton"), tr("Проверить мою таблицу"), this)) {
    setObjectName(QStringLiteral("StepWindow"));
    setWindowTitle(tr("Алгоритм Дейкстры по шагам"));
    setAttribute(Qt::WA_DeleteOnClose);
    table_->setObjectName(QStringLiteral("StepTable"));
    table_->setAccessibleName(tr("Шаги алгоритма Дейкстры"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    state_->setObjectName(QStringLiteral("StepState"));
    // A label's own name is its text, which a screen reader must read:
    // what it is goes in its description.
    state_->setAccessibleDescription(tr("Состояние"));
    state_->setWordWrap(true);
    answer_->setObjectName(QStringLiteral("StepAnswer"));
    answer_->setAccessibleDescription(tr("Ответ"));
    legend_->setObjectName(QStringLiteral("StepLegend"));
    legend_->setTextFormat(Qt::RichText);
    // A narrow window takes the legend on two lines rather than growing.
    legend_->setWordWrap(true);
    legend_->setAccessibleDescription(tr("Цвета рисунка"));
    allSteps_->setObjectName(QStringLiteral("allStepsBox"));
    allSteps_->setFocusPolicy(Qt::NoFocus);
    allSteps_->setToolTip(tr("Все строки и ответ сразу, например для ключа к заданию"));
    connect(allSteps_, &QCheckBox::toggled, this, &StepWindow::ShowRows);

    // The window's keys move through the table, wherever the focus is.
    for (QPushButton* button : {first_, back_, next_, last_, check_}) {
        button->setFocusPolicy(Qt::NoFocus);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {first_, back_, next_, last_}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(check_);
    auto* answerLine = new QHBoxLayout;
    answerLine->addWidget(answer_, 1);
    answerLine->addWidget(allSteps_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(legend_);
    layout->addLayout(answerLine);
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
            // Under this window where there is room, and never off the screen.
            const QSize margins(frameGeometry().width() - geometry().width(),
                                frameGeometry().height() - geometry().height());
            checkWindow_->move(KeepInside({frameGeometry().left(), frameGeometry().bottom() + 8},
                                          checkWindow_->size() + margins,
                                          screen()->availableGeometry()));
        }
        checkWindow_->show();
        checkWindow_->raise();
        checkWindow_->activateWindow();
    });
    resize(570, 420);
}

void StepWindow::ShowBesideParent() {
    QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (main != nullptr) {
        // The frame is not known before the window shows: the main window's
        // decorations stand in for its own.
        const QRect frame = main->frameGeometry();
        const QRect inner = main->geometry();
        const QSize margins(frame.width() - inner.width(), frame.height() - inner.height());
        move(PlaceBeside(frame, size() + margins, main->screen()->availableGeometry()));
    }
    show();
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
    headers << QString::fromUtf8(graph::ChosenHeader(InterfaceLanguage()));
    table_->setHorizontalHeaderLabels(headers);
    QStringList steps;
    for (int step = 0; step < rows; ++step) steps << QString::number(step);
    table_->setVerticalHeaderLabels(steps);
    current_ = 0;
    ShowRows();
}

void StepWindow::ShowRows() {
    const int n = static_cast<int>(graph_.points.size());
    const int shown = allSteps_->isChecked() ? LastStep() : current_;
    const QString chosenHeader = QString::fromUtf8(graph::ChosenHeader(InterfaceLanguage()));
    for (int step = 0; step <= LastStep(); ++step) {
        const graph::DijkstraStep& row = steps_.steps[step];
        for (int node = 0; node <= n; ++node) {
            QString text;
            if (step <= shown) {
                text = QString::fromStdString(
                    node < n ? graph::StepCellText(row.cells[node], row.settled == node)
                             : graph::ChosenText(row.settled, step == 0, InterfaceLanguage()));
            }
            auto* cell = new QTableWidgetItem(text);
            // A screen reader reads where the cell is with what it holds.
            const QString place = node < n ? tr("Шаг %1, узел %2: %3") : tr("Шаг %1, %2: %3");
            cell->setData(Qt::AccessibleTextRole,
                          place.arg(QString::number(step),
                                    node < n ? QString::number(node + 1) : chosenHeader, text));
            // Greyed, the settled cells keep no colour.
            if (step <= shown && row.settled && *row.settled == node && !IsGreyed()) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setForeground(plot::DrawingSurface::SettledColor());
            }
            table_->setItem(step, node, cell);
        }
    }
    if (shown < LastStep()) {
        answer_->clear();
    } else if (steps_.way) {
        answer_->setText(
            QString::fromStdString(graph::WayText(steps_.way->way) + ", " +
                                   graph::LengthText(steps_.way->length, InterfaceLanguage())));
    } else {
        answer_->setText(QString::fromUtf8(graph::NoWayText(InterfaceLanguage())));
    }
}

void StepWindow::ShowLegend() {
    QStringList entries;
    const graph::DijkstraStep& step = steps_.steps[current_];
    if (current_ == LastStep()) {
        // The last step is drawn as the calculation with the distances.
        if (steps_.way) {
            entries << LegendEntry(plot::DrawingSurface::WayColor(), tr("━ кратчайший путь"))
                    << LegendEntry(plot::DrawingSurface::ShortestWayLinkColor(),
                                   tr("━ связи кратчайших путей"));
        }
    } else {
        const bool settled = std::any_of(step.cells.begin(), step.cells.end(),
                                         [](const graph::StepCell& cell) { return cell.settled; });
        const bool predecessors =
            std::any_of(step.cells.begin(), step.cells.end(),
                        [](const graph::StepCell& cell) { return !cell.predecessors.empty(); });
        const QColor teal = plot::DrawingSurface::SettledColor();
        if (settled) entries << LegendEntry(teal, tr("● выбраны"));
        if (step.settled) entries << LegendEntry(teal, tr("◯ выбран сейчас"));
        if (!step.relaxed.empty()) {
            entries << LegendEntry(plot::DrawingSurface::RelaxedColor(), tr("━ пересчитаны"));
        }
        if (predecessors) {
            entries << LegendEntry(plot::DrawingSurface::ShortestWayLinkColor(),
                                   tr("━ к предшественникам"));
        }
    }
    entries << LegendEntry(plot::DrawingSurface::DistanceColor(), tr("5 расстояния"));
    legend_->setText(entries.join(QStringLiteral("&nbsp; ")));
}

void StepWindow::ShowStep(int step) {
    if (steps_.steps.empty() || IsGreyed()) return;
    current_ = std::clamp(step, 0, LastStep());
    ShowRows();
    ShowLegend();
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
    // Greyed rows belong to the old graph: none of them is revealed.
    allSteps_->setEnabled(read);
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
    state_->setText(tr("Таблицы изменились; «В начало» прочитает их заново."));
    if (checkWindow_) checkWindow_->MarkGraphChanged();
}

void StepWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (IsGreyed()) return;
        QApplication::clipboard()->setText(
            QString::fromStdString(graph::DijkstraStepsText(steps_, InterfaceLanguage())));
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
