// The main window: its controls, start-up, table upkeep, the commands, and
// the menus, shortcuts and dropped files that reach the rest; see Unit1.h.
#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <new>
#include <string>

#include "app/classes/class_set_actions.h"
#include "app/files/document_actions.h"
#include "app/form_controls.h"
#include "app/help/help_window.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "app/picture/answer_label.h"
#include "app/picture/answer_view.h"
#include "app/picture/picture_editor.h"
#include "app/picture/picture_view.h"
#include "app/picture/printed_page.h"
#include "app/side_splitter.h"
#include "app/tables/cell_grid.h"
#include "app/tables/cell_table_model.h"
#include "app/tables/graph_tables.h"
#include "app/tables/node_count_box.h"
#include "app/tables/table_actions.h"
#include "graph/graph_in_words.h"
#include "graph/shown_texts.h"
#include "graph/way_search.h"

namespace {

// A table read as a command reads it but never written: opening a file
// leaves every text as the file has it, the diagonal's too.
class UnwrittenTable : public graph::TextTable {
public:
    explicit UnwrittenTable(const graph::TextTable& table) : table_(table) {}
    std::string CellText(int column, int row) const override {
        return table_.CellText(column, row);
    }
    void SetCellText(int /*column*/, int /*row*/, const std::string& /*text*/) override {}

private:
    const graph::TextTable& table_;
};

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setAcceptDrops(true);

    tables_ = std::make_unique<app::GraphTables>(app::NodeCountBox::kInitial, this);
    CreateControls();
    documents_ = std::make_unique<app::DocumentActions>(tables_.get(), this);
    classes_ = std::make_unique<app::ClassSetActions>(tables_.get(), documents_.get(), this);
    answer_ =
        std::make_unique<app::AnswerView>(&surface_, Image1, Label2, Label1, tables_.get(), this);
    table_ = std::make_unique<app::TableActions>(
        tables_.get(), StringGrid1, StringGrid2,
        QList<QAction*>{documents_->NewGraphAction(), documents_->OpenAction(),
                        documents_->SaveAction(), documents_->SaveAsAction(),
                        classes_->ClassSetAction()},
        this);
    editor_ = std::make_unique<app::PictureEditor>(tables_.get(), Image1, this);
    CreateActions();
    SetTabOrder();
    app::SetHints(StringGrid1, StringGrid2, Button2, Button3, Button1);
    resize(768, 392);
    move(4, 113);

    connect(UpDown1, &app::NodeCountBox::EditTextChanged, this,
            [this] { RunHandler([this] { LabeledEdit1Change(); }); });
    connect(tables_->MatrixTable(), &app::CellTableModel::TextEdited, this,
            [this](int column, int row, const QString& text) {
                RunHandler([&] { StringGrid2SetEditText(column, row, text); });
            });
    connect(Button1, &QPushButton::clicked, this, [this] { RunCommand(Drawn::Way); });
    connect(Button2, &QPushButton::clicked, this, [this] { RunCommand(Drawn::Nodes); });
    connect(Button3, &QPushButton::clicked, this, [this] { RunCommand(Drawn::Links); });
    ConnectParts();

    RunHandler([this] { FormCreate(); });
    answer_->KeepCommandPicture();
    tables_->MarkClean();
}

TForm1::~TForm1() = default;

void TForm1::ConnectParts() {
    for (app::WindowPart* part : std::initializer_list<app::WindowPart*>{
             documents_.get(), classes_.get(), answer_.get(), table_.get(), editor_.get()}) {
        connect(part, &app::WindowPart::Failed, this, &TForm1::ShowFailure);
    }
    connect(tables_.get(), &app::GraphTables::CountRequested, UpDown1, &QSpinBox::setValue);
    connect(tables_.get(), &app::GraphTables::Edited, answer_.get(),
            &app::AnswerView::TablesChanged);
    // After the answer view, which fades the picture, and only while it
    // is there to say whether its answer still holds.
    connect(tables_.get(), &app::GraphTables::Edited, answer_.get(), [this] { DescribePicture(); });
    connect(documents_.get(), &app::DocumentActions::EditingMustEnd, this, &TForm1::FinishEditing);
    connect(answer_.get(), &app::AnswerView::EditingMustEnd, this, &TForm1::FinishEditing);
    connect(classes_.get(), &app::ClassSetActions::EditingMustEnd, this, &TForm1::FinishEditing);
    connect(documents_.get(), &app::DocumentActions::Opened, this, [this] {
        SetDrawn(Drawn::Nothing);
        answer_->Reset();
        DrawOpenedGraph();
    });
    connect(editor_.get(), &app::PictureEditor::NodesMoved, this, &TForm1::DrawMovedNodes);
    connect(editor_.get(), &app::PictureEditor::NodesChanged, this, [this] {
        RunCommand(drawn_ == Drawn::Nothing || drawn_ == Drawn::Nodes ? Drawn::Nodes : Drawn::Links,
                   true);
    });
    connect(editor_.get(), &app::PictureEditor::LinkMade, this,
            [this] { RunCommand(Drawn::Links, true); });
    connect(table_.get(), &app::TableActions::NodesPlaced, this, [this] {
        // A layout that only moved the nodes of a current picture has been
        // drawn as the nodes moved.
        if (drawn_ != Drawn::Nothing && !Image1->IsFaded()) return;
        RunCommand(drawn_ == Drawn::Nodes ? Drawn::Nodes : Drawn::Links, true);
    });
}

void TForm1::CreateControls() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Image1 = new app::PictureView(&surface_, this);
    Image1->setObjectName(QStringLiteral("Image1"));

    // The node block: count on top, node table, "Отобразить" at the bottom.
    GroupBox4 = app::NewGroupBox(QStringLiteral("GroupBox4"), tr("Узлы"), this);
    GroupBox4->setFixedWidth(185);
    auto* nodeLayout = new QVBoxLayout(GroupBox4);
    nodeLayout->setContentsMargins(2, 2, 2, 2);
    nodeLayout->setSpacing(0);

    GroupBox3 = app::NewGroupBox(QStringLiteral("GroupBox3"), QString(), GroupBox4);
    GroupBox3->setFixedHeight(50);
    UpDown1 = new app::NodeCountBox(GroupBox3);
    UpDown1->setGeometry(8, 24, 113 + 15, 21);
    LabeledEdit1Label = new QLabel(tr("Количество узлов"), GroupBox3);
    LabeledEdit1Label->setObjectName(QStringLiteral("LabeledEdit1Label"));
    LabeledEdit1Label->adjustSize();
    LabeledEdit1Label->move(8, 24 - 3 - LabeledEdit1Label->height());
    LabeledEdit1Label->setBuddy(UpDown1);

    StringGrid1 = new app::CellGrid(tables_->NodeTable(), GroupBox4);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));

    GroupBox5 = app::NewGroupBox(QStringLiteral("GroupBox5"), QString(), GroupBox4);
    GroupBox5->setFixedHeight(46);
    Button2 = app::NewButton(QStringLiteral("Button2"), tr("Отобразить"), GroupBox5, {{8, 16}});

    nodeLayout->addWidget(GroupBox3);
    nodeLayout->addWidget(StringGrid1, 1);
    nodeLayout->addWidget(GroupBox5);

    // The matrix block: the matrix, then the commands that read links.
    GroupBox1 = app::NewGroupBox(QStringLiteral("GroupBox1"), tr("Матрица смежности"), this);
    GroupBox1->setFixedWidth(195);
    auto* matrixLayout = new QVBoxLayout(GroupBox1);
    matrixLayout->setContentsMargins(2, 2, 2, 2);
    matrixLayout->setSpacing(0);

    StringGrid2 = new app::CellGrid(tables_->MatrixTable(), GroupBox1);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));

    GroupBox2 = app::NewGroupBox(QStringLiteral("GroupBox2"), QString(), GroupBox1);
    GroupBox2->setFixedHeight(78);
    Button3 = app::NewButton(QStringLiteral("Button3"), tr("Связи"), GroupBox2, {{8, 16}});
    Button1 = app::NewButton(QStringLiteral("Button1"), tr("Рассчитать"), GroupBox2, {{8, 48}});
    Label2 = new app::AnswerLabel(QStringLiteral("Label2"), QString(), {88, 40}, GroupBox2);
    Label1 = new app::AnswerLabel(QStringLiteral("Label1"), QString(), {88, 56}, GroupBox2);

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

    auto* enterPresses = new app::EnterPressesButton(this);
    for (QPushButton* button : {Button1, Button2, Button3})
        button->installEventFilter(enterPresses);
}

void TForm1::CreateActions() {
    QAction* print =
        app::NewAction(QStringLiteral("printAction"), tr("Печать…"), this, QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        RunHandler([this] {
            FinishEditing();
            const QString name = documents_->FileName();
            // A faded picture shows another graph than the tables, perhaps
            // with its way: the page leaves it out.
            app::ShowPrintPreview(
                {name.isEmpty() ? tr("Без имени") : name,
                 Image1->IsFaded() ? plot::DrawingSurface::Scene{} : surface_.Shown(),
                 tables_->Texts(), answer_->CurrentAnswer()},
                this);
        });
    });
    // Actions of the window itself, so their keys work wherever the focus is.
    addActions({documents_->NewGraphAction(), documents_->OpenAction(), documents_->SaveAction(),
                documents_->SaveAsAction(), print, table_->UndoAction(), table_->RedoAction(),
                answer_->StepsAction()});
    app::AddHelpKey(this);

    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this, [this, print](const QPoint& at) {
        answer_->ShowPictureMenu(Image1->mapToGlobal(at), editor_->DeleteActionAt(at),
                                 table_->LayoutAction(),
                                 {documents_->NewGraphAction(), documents_->OpenAction(),
                                  documents_->SaveAction(), documents_->SaveAsAction(), print,
                                  classes_->PrintTaskAction(), classes_->ClassSetAction()});
    });
    GroupBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(GroupBox2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { answer_->ShowAnswerMenu(GroupBox2->mapToGlobal(at)); });
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

template <typename Handler>
bool TForm1::RunHandler(Handler handler, bool command) {
    bool done = true;
    try {
        handler();
    } catch (const std::exception& error) {
        done = false;
        if (command) answer_->MarkStale();
        ShowFailure(error);
    }
    if (command) answer_->KeepCommandPicture();
    Image1->update();
    return done;
}

void TForm1::RunCommand(Drawn what, bool placed) {
    const bool faded = Image1->IsFaded();
    const std::uint64_t before = surface_.Generation();
    answer_->PictureDrawn();
    const bool done = RunHandler(
        [this, what, placed] {
            if (placed) {
                DrawPlacedNodes(what == Drawn::Links, *tables_->MatrixTable());
            } else if (what == Drawn::Way) {
                Button1Click();
            } else if (what == Drawn::Links) {
                Button3Click();
            } else {
                Button2Click();
            }
        },
        true);
    // A background that cannot be loaded leaves the old picture, still not
    // of the tables' graph if it was faded.
    if (faded && surface_.Generation() == before) answer_->TablesChanged();
    SetDrawn(done ? what : Drawn::Nothing);
    DescribePicture();
}

void TForm1::SetDrawn(Drawn drawn) {
    drawn_ = drawn;
    editor_->SetDrawnNodes(drawn == Drawn::Nothing ? nullptr : &NodePoints);
}

void TForm1::DescribePicture() {
    const graph::Language language = app::InterfaceLanguage();
    QString words;
    if (drawn_ != Drawn::Nothing) {
        // Nodes alone are drawn without the links the matrix may hold.
        const std::size_t n = NodePoints.size();
        words = QString::fromStdString(graph::GraphInWords(
            drawn_ == Drawn::Nodes ? graph::AdjacencyMatrix(n, std::vector<std::int32_t>(n, -1))
                                   : Adjacency,
            language));
        if (drawn_ == Drawn::Way && !answer_->CurrentAnswer().isEmpty()) {
            words += u' ' + QString::fromStdString(graph::AnswerInWords(n, FoundWays, language));
        }
    }
    if (Image1->IsFaded()) {
        words +=
            u' ' + tr("Рисунок показывает граф таким, каким он был до последней правки таблиц.");
    }
    Image1->setAccessibleDescription(words.trimmed());
}

void TForm1::DrawPlacedNodes(bool links, graph::TextTable& matrix) {
    surface_.UpdatePict();
    const auto placed = static_cast<std::int16_t>(tables_->PlacedCount());
    graph::ReadNodePoints(*tables_->NodeTable(), placed, NodePoints, Adjacency);
    surface_.DrawNodes(NodePoints);
    if (!links) return;
    graph::ReadAdjacency(matrix, placed, Adjacency);
    surface_.DrawLinks(NodePoints, Adjacency);
}

void TForm1::DrawOpenedGraph() {
    const plot::DrawingSurface::Scene axes = surface_.Shown();
    try {
        UnwrittenTable matrix(*tables_->MatrixTable());
        DrawPlacedNodes(true, matrix);
        SetDrawn(Drawn::Links);
    } catch (const std::exception&) {
        // The next command reports what cannot be read or loaded.
        surface_.Restore(axes);
    }
    answer_->KeepCommandPicture();
    DescribePicture();
    Image1->update();
}

void TForm1::DrawMovedNodes() {
    graph::NodePoints points;
    try {
        graph::AdjacencyMatrix sized;
        graph::ReadNodePoints(*tables_->NodeTable(),
                              static_cast<std::int16_t>(tables_->PlacedCount()), points, sized);
    } catch (const std::exception&) {
        // Nodes the tables cannot give yet leave the picture as it was.
        points.clear();
    }
    if (drawn_ == Drawn::Nothing || points.size() != NodePoints.size()) {
        answer_->TablesChanged();
        return;
    }
    NodePoints = std::move(points);
    RunHandler([this] {
        if (drawn_ == Drawn::Way) {
            answer_->Redraw(NodePoints);
        } else {
            surface_.UpdatePict();
            surface_.DrawNodes(NodePoints);
            if (drawn_ == Drawn::Links) surface_.DrawLinks(NodePoints, Adjacency);
        }
        // Moved nodes do not make a picture of other links or another
        // answer current: a faded picture stays faded.
        answer_->KeepCommandPicture();
    });
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
    // An edit taken back or again has sized the tables already.
    if (NodeCount() == tables_->Count()) return;
    const app::GraphTables::Edit edit(*tables_, app::GraphTables::Kind::Count);
    UpdateGrids();
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
    answer_->Calculated({{NodePoints, Adjacency}, FoundWays},
                        [this](const graph::Way& way) { ShowWay(way); });
    if (!FoundWays) {
        Image1->update();
        app::ShowMessageBox({QMessageBox::NoIcon, app::ApplicationTitle(),
                             QString::fromUtf8(graph::NoWayText(app::InterfaceLanguage()))});
    }
}

void TForm1::ShowWay(const graph::Way& way) {
    surface_.DrawWay(NodePoints, way);
    Label2->setText(QString::fromStdString(graph::WayText(way)));
}

void TForm1::ReportError(const std::exception& error) {
    // Out of memory is said in words, as every other failure.
    const QString message = dynamic_cast<const std::bad_alloc*>(&error) != nullptr
                                ? tr("Не хватило памяти: команда прервана")
                                : QString::fromStdString(graph::ErrorMessage(error));
    app::ShowMessageBox(
        {QMessageBox::Critical, app::ApplicationTitle(), app::WithFullStop(message)});
}

void TForm1::OpenFile(const QString& path) {
    RunHandler([&] { documents_->OpenFile(path); });
}

void TForm1::FinishEditing() { table_->FinishEditing(); }

void TForm1::closeEvent(QCloseEvent* event) {
    FinishEditing();
    if (documents_->ChangesMayGo()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!app::DocumentActions::DroppedGraphFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    const QString path = app::DocumentActions::DroppedGraphFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenFile(path);
}

void TForm1::ShowFailure(const std::exception& error) {
    // What was drawn before the failure shows behind the report.
    Image1->update();
    ReportError(error);
    SelectBadCell(error);
}

void TForm1::SelectBadCell(const std::exception& error) {
    const auto* cell = dynamic_cast<const graph::CellConversionError*>(&error);
    if (cell == nullptr) return;
    for (const app::TableId table : {app::TableId::Nodes, app::TableId::Matrix}) {
        if (&cell->Table() == tables_->Table(table)) {
            table_->Grid(table)->SelectCell(cell->Column(), cell->Row());
        }
    }
}
