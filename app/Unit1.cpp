// The main window: its controls, start-up, table upkeep, the commands, and
// the menus, shortcuts and dropped files that reach the rest; see Unit1.h.
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "answer_label.h"
#include "cell_grid.h"
#include "cell_table_model.h"
#include "file_dialogs.h"
#include "graph_files.h"
#include "graph_tables.h"
#include "messages.h"
#include "node_count_box.h"
#include "node_layout.h"
#include "picture_view.h"
#include "shown_texts.h"
#include "side_splitter.h"
#include "table_paste.h"
#include "way_search.h"

namespace {

const QString kCaption = QStringLiteral("Путь на графе");
const QString kLengthCaption = QString::fromUtf8(graph::kLengthCaption);
const QString kNoWay = QString::fromUtf8(graph::kNoWayText);

// Enter on a focused button presses it, as Space does; Qt leaves Enter to
// the default button of a dialog, which this window is not.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                static_cast<QPushButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QGroupBox* NewGroupBox(const QString& name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* NewButton(const QString& name, const QString& caption, QPoint at, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(QRect(at, QSize(75, 25)));
    button->setAutoDefault(false);
    return button;
}

QAction* NewAction(const QString& name, const QString& text, QObject* parent,
                   const QList<QKeySequence>& keys = {}) {
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    action->setShortcuts(keys);
    return action;
}

// The one local .json file among dropped ones, or nothing.
QString DroppedGraphFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setAcceptDrops(true);

    tables_ = new app::GraphTables(app::NodeCountBox::kInitial, this);
    CreateControls();
    CreateActions();
    SetTabOrder();
    SetHints();
    resize(768, 392);
    move(4, 113);

    connect(UpDown1, &app::NodeCountBox::EditTextChanged, this,
            [this] { RunHandler([this] { LabeledEdit1Change(); }); });
    connect(tables_->MatrixTable(), &app::CellTableModel::TextEdited, this,
            [this](int column, int row, const QString& text) {
                RunHandler([&] { StringGrid2SetEditText(column, row, text); });
            });
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button1Click(); }, true); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button2Click(); }, true); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button3Click(); }, true); });

    connect(tables_, &app::GraphTables::CountRequested, UpDown1, &QSpinBox::setValue);
    connect(tables_, &app::GraphTables::DocumentChanged, this, &TForm1::ShowFileInCaption);
    connect(tables_, &app::GraphTables::Edited, this, &TForm1::MarkAnswerStale);
    connect(tables_, &app::GraphTables::HistoryChanged, this, [this] {
        undoAction_->setEnabled(tables_->CanUndo());
        redoAction_->setEnabled(tables_->CanRedo());
    });
    for (const app::TableId table : {app::TableId::Nodes, app::TableId::Matrix}) {
        app::CellGrid* grid = Grid(table);
        connect(grid, &app::CellGrid::EditingStarted, tables_,
                [this] { tables_->BeginStep(app::GraphTables::Step::Edit); });
        connect(grid, &app::CellGrid::EditingFinished, tables_, &app::GraphTables::EndCellEdit);
        connect(grid, &app::CellGrid::EditingCancelled, tables_, &app::GraphTables::CancelCellEdit);
        connect(grid, &app::CellGrid::CopyRequested, this,
                [this, table] { RunHandler([&] { CopyFrom(table); }); });
        connect(grid, &app::CellGrid::PasteRequested, this,
                [this, table] { RunHandler([&] { PasteInto(table); }); });
        connect(grid, &app::CellGrid::ClearRequested, this,
                [this, table] { RunHandler([&] { ClearIn(table); }); });
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this,
                [this, table](const QPoint& at) { ShowTableMenu(table, at); });
    }

    RunHandler([this] { FormCreate(); });
    tables_->MarkStartState();
}

TForm1::~TForm1() {
    // Children go after this object's own part: an editor closing then must
    // not reach the handlers.
    for (QObject* sender :
         {static_cast<QObject*>(tables_), static_cast<QObject*>(tables_->MatrixTable()),
          static_cast<QObject*>(UpDown1), static_cast<QObject*>(StringGrid1),
          static_cast<QObject*>(StringGrid2)}) {
        sender->disconnect(this);
    }
}

void TForm1::CreateControls() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Image1 = new app::PictureView(&surface_, this);
    Image1->setObjectName(QStringLiteral("Image1"));

    // The node block: count on top, node table, "Отобразить" at the bottom.
    GroupBox4 = NewGroupBox(QStringLiteral("GroupBox4"), QStringLiteral("Узлы"), this);
    GroupBox4->setFixedWidth(185);
    auto* nodeLayout = new QVBoxLayout(GroupBox4);
    nodeLayout->setContentsMargins(2, 2, 2, 2);
    nodeLayout->setSpacing(0);

    GroupBox3 = NewGroupBox(QStringLiteral("GroupBox3"), QString(), GroupBox4);
    GroupBox3->setFixedHeight(50);
    UpDown1 = new app::NodeCountBox(GroupBox3);
    UpDown1->setGeometry(8, 24, 113 + 15, 21);
    LabeledEdit1Label = new QLabel(QStringLiteral("Количество узлов"), GroupBox3);
    LabeledEdit1Label->setObjectName(QStringLiteral("LabeledEdit1Label"));
    LabeledEdit1Label->adjustSize();
    LabeledEdit1Label->move(8, 24 - 3 - LabeledEdit1Label->height());
    LabeledEdit1Label->setBuddy(UpDown1);

    StringGrid1 = new app::CellGrid(tables_->NodeTable(), GroupBox4);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));

    GroupBox5 = NewGroupBox(QStringLiteral("GroupBox5"), QString(), GroupBox4);
    GroupBox5->setFixedHeight(46);
    Button2 =
        NewButton(QStringLiteral("Button2"), QStringLiteral("Отобразить"), {8, 16}, GroupBox5);

    nodeLayout->addWidget(GroupBox3);
    nodeLayout->addWidget(StringGrid1, 1);
    nodeLayout->addWidget(GroupBox5);

    // The matrix block: the matrix, then the commands that read links.
    GroupBox1 = NewGroupBox(QStringLiteral("GroupBox1"), QStringLiteral("Матрица смежности"), this);
    GroupBox1->setFixedWidth(195);
    auto* matrixLayout = new QVBoxLayout(GroupBox1);
    matrixLayout->setContentsMargins(2, 2, 2, 2);
    matrixLayout->setSpacing(0);

    StringGrid2 = new app::CellGrid(tables_->MatrixTable(), GroupBox1);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));

    GroupBox2 = NewGroupBox(QStringLiteral("GroupBox2"), QString(), GroupBox1);
    GroupBox2->setFixedHeight(78);
    Button3 = NewButton(QStringLiteral("Button3"), QStringLiteral("Связи"), {8, 16}, GroupBox2);
    Button1 =
        NewButton(QStringLiteral("Button1"), QStringLiteral("Рассчитать"), {8, 48}, GroupBox2);
    Label2 = new app::AnswerLabel(QStringLiteral("Label2"), QString(), {88, 40}, GroupBox2);
    Label1 = new app::AnswerLabel(QStringLiteral("Label1"), kLengthCaption, {88, 56}, GroupBox2);

    matrixLayout->addWidget(StringGrid2, 1);
    matrixLayout->addWidget(GroupBox2);

    Splitter2 = new app::SideSplitter(GroupBox4, Image1, this);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter1 = new app::SideSplitter(GroupBox1, Image1, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));

    layout->addWidget(Image1, 1);
    layout->addWidget(Splitter2);
    layout->addWidget(GroupBox4);
    layout->addWidget(Splitter1);
    layout->addWidget(GroupBox1);

    auto* enterPresses = new EnterPressesButton(this);
    for (QPushButton* button : {Button1, Button2, Button3})
        button->installEventFilter(enterPresses);
}

void TForm1::CreateActions() {
    openAction_ = NewAction(QStringLiteral("openAction"), QStringLiteral("Открыть…"), this,
                            {QKeySequence(Qt::CTRL | Qt::Key_O)});
    saveAction_ = NewAction(QStringLiteral("saveAction"), QStringLiteral("Сохранить"), this,
                            {QKeySequence(Qt::CTRL | Qt::Key_S)});
    saveAsAction_ = NewAction(QStringLiteral("saveAsAction"), QStringLiteral("Сохранить как…"),
                              this, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    undoAction_ = NewAction(QStringLiteral("undoAction"), QStringLiteral("Отменить"), this,
                            {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redoAction_ = NewAction(
        QStringLiteral("redoAction"), QStringLiteral("Повторить"), this,
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    // Actions of the window itself, so their keys work wherever the focus is.
    addActions({openAction_, saveAction_, saveAsAction_, undoAction_, redoAction_});
    connect(openAction_, &QAction::triggered, this,
            [this] { RunHandler([this] { OpenClicked(); }); });
    connect(saveAction_, &QAction::triggered, this, [this] { Save(); });
    connect(saveAsAction_, &QAction::triggered, this, [this] { SaveAs(); });
    connect(undoAction_, &QAction::triggered, this, [this] {
        FinishEditing();
        tables_->Undo();
    });
    connect(redoAction_, &QAction::triggered, this, [this] {
        FinishEditing();
        tables_->Redo();
    });

    savePictureAction_ =
        NewAction(QStringLiteral("savePictureAction"), QStringLiteral("Сохранить рисунок…"), this);
    copyPictureAction_ =
        NewAction(QStringLiteral("copyPictureAction"), QStringLiteral("Копировать рисунок"), this);
    copyAnswerAction_ =
        NewAction(QStringLiteral("copyAnswerAction"), QStringLiteral("Копировать ответ"), this);
    copyAnswerAction_->setEnabled(false);
    distancesAction_ =
        NewAction(QStringLiteral("distancesAction"), QStringLiteral("Показать расстояния"), this);
    distancesAction_->setCheckable(true);
    connect(savePictureAction_, &QAction::triggered, this,
            [this] { RunHandler([this] { SavePicture(); }); });
    connect(copyPictureAction_, &QAction::triggered, this, &TForm1::CopyPicture);
    connect(copyAnswerAction_, &QAction::triggered, this, &TForm1::CopyAnswer);
    connect(distancesAction_, &QAction::toggled, this, [this] {
        RunHandler([this] {
            if (lastCalculation_) DrawCalculation(*lastCalculation_);
        });
    });

    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addActions({openAction_, saveAction_, saveAsAction_});
        menu.addSeparator();
        menu.addActions({savePictureAction_, copyPictureAction_, copyAnswerAction_});
        menu.addSeparator();
        menu.addAction(distancesAction_);
        ExecMenu(menu, Image1->mapToGlobal(at));
    });
    GroupBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(GroupBox2, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(copyAnswerAction_);
        ExecMenu(menu, GroupBox2->mapToGlobal(at));
    });
}

QAction* TForm1::ExecMenu(QMenu& menu, const QPoint& at) {
    QAction* chosen = menu.exec(at);
    // The window takes the keyboard back, even where no window manager
    // hands it back after a popup.
    activateWindow();
    return chosen;
}

void TForm1::SetTabOrder() {
    QWidget::setTabOrder(Button1, Button3);
    QWidget::setTabOrder(Button3, StringGrid2);
    QWidget::setTabOrder(StringGrid2, UpDown1);
    QWidget::setTabOrder(UpDown1, StringGrid1);
    QWidget::setTabOrder(StringGrid1, Button2);
    QWidget::setTabOrder(Button2, Button1);
    Button1->setFocus();
}

void TForm1::SetHints() {
    StringGrid1->setToolTip(
        QStringLiteral("Координаты узлов: X и Y — целые числа от −200 до 200, начало координат "
                       "в центре рисунка, Y растёт вверх."));
    StringGrid2->setToolTip(
        QStringLiteral("Вес связи из узла столбца в узел строки; то же число встаёт и в "
                       "симметричную ячейку. Пустая ячейка или отрицательное число — связи нет; "
                       "0 — связь веса 0, которую «Связи» не рисуют."));
    Button2->setToolTip(QStringLiteral("Нарисовать узлы по координатам из таблицы узлов."));
    Button3->setToolTip(
        QStringLiteral("Нарисовать узлы и связи с их весами; связи веса 0 не рисуются."));
    Button1->setToolTip(QStringLiteral(
        "Найти кратчайший путь от узла 1 до последнего узла, нарисовать его красным и "
        "записать вместе с длиной."));
}

template <typename Handler>
void TForm1::RunHandler(Handler handler, bool command) {
    try {
        handler();
    } catch (const std::exception& error) {
        // What was drawn before the failure shows behind the report.
        Image1->update();
        if (command) MarkAnswerStale();
        ReportError(error);
        SelectBadCell(error);
    }
    Image1->update();
    tables_->RefreshModified();
}

void TForm1::FormCreate() {
    surface_.UpdatePict();
    UpdateGrids();
    for (int row = 1; row <= static_cast<int>(graph::kSampleNodes.size()); ++row) {
        tables_->NodeTable()->SetCellText(1, row,
                                          std::to_string(graph::kSampleNodes[row - 1].first));
        tables_->NodeTable()->SetCellText(2, row,
                                          std::to_string(graph::kSampleNodes[row - 1].second));
    }
}

std::int16_t TForm1::NodeCount() const { return UpDown1->Position(); }

void TForm1::UpdateGrids() { tables_->Resize(NodeCount()); }

void TForm1::LabeledEdit1Change() {
    // A run of count changes, typed or held, is one step of the history.
    tables_->BeginStep(app::GraphTables::Step::Count);
    UpdateGrids();
    tables_->EndStep();
}

void TForm1::StringGrid2SetEditText(int column, int row, const QString& text) {
    tables_->MatrixTable()->SetText(row, column, text);
}

void TForm1::Button2Click() {
    surface_.UpdatePict();
    graph::ReadNodePoints(*tables_->NodeTable(), NodeCount(), NodePoints, Adjacency);
    surface_.DrawNodes(NodePoints);
}

void TForm1::Button3Click() {
    surface_.UpdatePict();
    Button2Click();
    graph::ReadAdjacency(*tables_->MatrixTable(), NodeCount(), Adjacency);
    surface_.DrawLinks(NodePoints, Adjacency);
}

void TForm1::Button1Click() {
    Button2Click();
    Button3Click();
    graph::ReadAdjacency(*tables_->MatrixTable(), NodeCount(), Adjacency);
    FoundWays = graph::FindShortestWay(Adjacency);
    lastCalculation_ = Calculation{NodePoints, Adjacency, FoundWays};
    copyAnswerAction_->setEnabled(true);
    DrawAnswer(*lastCalculation_, true);
    if (!FoundWays) {
        MarkAnswerStale();
        Image1->update();
        app::ShowMessageBox({QMessageBox::NoIcon, app::ApplicationTitle(), kNoWay});
        return;
    }
    Label1->setText(QString::fromStdString(graph::LengthText(FoundWays->length)));
    answerShown_ = true;
    Label1->SetStale(false);
    Label2->SetStale(false);
}

void TForm1::ShowWay(const graph::Way& way) {
    surface_.DrawWay(NodePoints, way);
    Label2->setText(QString::fromStdString(graph::WayText(way)));
}

void TForm1::ReportError(const std::exception& error) {
    app::ShowMessageBox({QMessageBox::Critical, app::ApplicationTitle(),
                         app::WithFullStop(QString::fromStdString(graph::ErrorMessage(error)))});
}

// Files.

void TForm1::OpenClicked() {
    FinishEditing();
    if (!ChangesMayGo()) return;
    const app::FileChoice choice =
        app::ChooseFile({app::FileRequest::Purpose::OpenGraph, app::DialogFolder(), {}});
    if (!choice.path.isEmpty()) LoadFile(choice.path);
}

void TForm1::OpenFile(const QString& path) {
    RunHandler([&] {
        FinishEditing();
        if (ChangesMayGo()) LoadFile(path);
    });
}

void TForm1::LoadFile(const QString& path) {
    const document::GraphTexts texts = app::ReadGraphFile(path);
    tables_->Load(texts, QFileInfo(path).absoluteFilePath());
    app::RememberFolderOf(path);
    ResetAnswer();
    surface_.UpdatePict();
}

bool TForm1::Save() {
    FinishEditing();
    const QString path = tables_->FileName();
    return path.isEmpty() ? SaveAs() : WriteTo(path);
}

bool TForm1::SaveAs() {
    FinishEditing();
    QString path = app::ChooseFile({app::FileRequest::Purpose::SaveGraph, app::DialogFolder(),
                                    QFileInfo(tables_->FileName()).fileName()})
                       .path;
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
    return WriteTo(QFileInfo(path).absoluteFilePath());
}

bool TForm1::WriteTo(const QString& path) {
    try {
        app::WriteGraphFile(path, tables_->Texts());
    } catch (const std::exception& error) {
        ReportError(error);
        return false;
    }
    tables_->MarkSaved(path);
    app::RememberFolderOf(path);
    return true;
}

bool TForm1::ChangesMayGo() {
    if (!tables_->IsModified()) return true;
    switch (app::AskQuestion(
        {QStringLiteral("Сохранить изменения?"), app::QuestionContent::SaveDiscardCancel})) {
        case QMessageBox::Save:
            return Save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void TForm1::ShowFileInCaption() {
    const QString path = tables_->FileName();
    if (path.isEmpty()) {
        setWindowTitle(kCaption);
        setWindowModified(false);
        return;
    }
    setWindowTitle(kCaption + QStringLiteral(" — ") + QFileInfo(path).fileName() +
                   QStringLiteral("[*]"));
    setWindowModified(tables_->IsModified());
}

void TForm1::FinishEditing() {
    StringGrid1->FinishEditing();
    StringGrid2->FinishEditing();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FinishEditing();
    if (ChangesMayGo()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedGraphFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = DroppedGraphFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenFile(path);
}

// Tables.

app::CellGrid* TForm1::Grid(app::TableId table) const {
    return table == app::TableId::Nodes ? StringGrid1 : StringGrid2;
}

void TForm1::CopyFrom(app::TableId table) {
    QApplication::clipboard()->setText(
        app::CellBlockText(app::CopyCells(*tables_, table, Grid(table)->SelectedCells())));
}

void TForm1::PasteInto(app::TableId table) {
    FinishEditing();
    const QRect cells = Grid(table)->SelectedCells();
    app::PasteCells(*tables_, table, cells.left(), cells.top(),
                    app::ParseCellBlock(QApplication::clipboard()->text()));
}

void TForm1::ClearIn(app::TableId table) {
    FinishEditing();
    app::ClearCells(*tables_, table, Grid(table)->SelectedCells());
}

void TForm1::ClearTables() {
    FinishEditing();
    tables_->ClearAll();
}

void TForm1::PlaceNodesOnCircle() {
    FinishEditing();
    const int n = tables_->Count();
    tables_->BeginStep(app::GraphTables::Step::Layout);
    int row = 1;
    for (const auto& [x, y] : graph::CircleLayout(n)) {
        tables_->NodeTable()->SetCellText(1, row, std::to_string(x));
        tables_->NodeTable()->SetCellText(2, row, std::to_string(y));
        ++row;
    }
    tables_->EndStep();
}

void TForm1::ShowTableMenu(app::TableId table, const QPoint& at) {
    app::CellGrid* grid = Grid(table);
    QMenu menu(this);
    menu.addAction(undoAction_);
    menu.addAction(redoAction_);
    menu.addSeparator();
    QAction* copy = menu.addAction(QStringLiteral("Копировать"));
    copy->setShortcut(QKeySequence::Copy);
    QAction* paste = menu.addAction(QStringLiteral("Вставить"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    menu.addActions({openAction_, saveAction_, saveAsAction_});
    menu.addSeparator();
    QAction* clearAll = menu.addAction(QStringLiteral("Очистить таблицы"));
    QAction* circle = menu.addAction(QStringLiteral("Расставить узлы по кругу"));
    QAction* chosen = ExecMenu(menu, grid->viewport()->mapToGlobal(at));
    RunHandler([&] {
        if (chosen == copy) CopyFrom(table);
        if (chosen == paste) PasteInto(table);
        if (chosen == clearAll) ClearTables();
        if (chosen == circle) PlaceNodesOnCircle();
    });
}

void TForm1::SelectBadCell(const std::exception& error) {
    const auto* cell = dynamic_cast<const graph::CellConversionError*>(&error);
    if (cell == nullptr) return;
    for (const app::TableId table : {app::TableId::Nodes, app::TableId::Matrix}) {
        if (&cell->Table() == tables_->Table(table)) {
            Grid(table)->SelectCell(cell->Column(), cell->Row());
        }
    }
}

// The picture and the answer.

void TForm1::DrawCalculation(const Calculation& calculation) {
    surface_.UpdatePict();
    surface_.DrawNodes(calculation.points);
    surface_.DrawLinks(calculation.points, calculation.adjacency);
    DrawAnswer(calculation, false);
}

void TForm1::DrawAnswer(const Calculation& calculation, bool showWay) {
    std::optional<graph::WayDistances> distances;
    if (distancesAction_->isChecked()) distances = graph::FindWayDistances(calculation.adjacency);
    if (distances && calculation.found) {
        surface_.DrawShortestWayLinks(
            calculation.points, graph::LinksOnShortestWays(calculation.adjacency, *distances));
    }
    if (calculation.found && showWay) {
        ShowWay(calculation.found->way);
    } else if (calculation.found) {
        surface_.DrawWay(calculation.points, calculation.found->way);
    }
    if (distances) surface_.DrawDistances(calculation.points, distances->toGoal);
}

void TForm1::ResetAnswer() {
    Label2->setText(QString());
    Label1->setText(kLengthCaption);
    Label1->SetStale(false);
    Label2->SetStale(false);
    answerShown_ = false;
    FoundWays.reset();
    lastCalculation_.reset();
    copyAnswerAction_->setEnabled(false);
}

void TForm1::MarkAnswerStale() {
    if (!answerShown_) return;
    Label1->SetStale(true);
    Label2->SetStale(true);
}

void TForm1::SavePicture() {
    const app::FileChoice choice =
        app::ChooseFile({app::FileRequest::Purpose::SavePicture, app::DialogFolder(), {}});
    if (choice.path.isEmpty()) return;
    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("bmp")) {
        path += choice.filter == app::BmpFilter() ? QStringLiteral(".bmp") : QStringLiteral(".png");
    }
    app::WriteImageFile(path, surface_.Image());
    app::RememberFolderOf(path);
}

void TForm1::CopyPicture() { QApplication::clipboard()->setImage(surface_.Image()); }

void TForm1::CopyAnswer() {
    if (!lastCalculation_) return;
    const auto& found = lastCalculation_->found;
    QApplication::clipboard()->setText(
        found ? QString::fromStdString(graph::WayText(found->way) + '\n' +
                                       graph::LengthText(found->length))
              : kNoWay);
}
