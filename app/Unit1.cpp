// The main window: its controls, start-up, table upkeep and the commands;
// see Unit1.h.
#include "Unit1.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <string>

#include "cell_grid.h"
#include "cell_table_model.h"
#include "cell_text.h"
#include "messages.h"
#include "node_count_box.h"
#include "picture_view.h"
#include "side_splitter.h"
#include "way_search.h"

namespace {

// Grid sizes before the first UpdateGrids, as the grids are designed.
constexpr int kNodeTableColumns = 3;
constexpr int kInitialGridRows = 5;
constexpr int kInitialMatrixSize = 5;

struct SampleNode {
    const char* x;
    const char* y;
};

constexpr std::array<SampleNode, 6> kSampleNodes = {{
    {"-60", "40"},
    {"40", "20"},
    {"20", "-40"},
    {"-60", "-40"},
    {"-20", "-10"},
    {"80", "40"},
}};

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

QLabel* NewLabel(const QString& name, const QString& text, QPoint at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Путь на графе"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);

    CreateControls();
    SetTabOrder();
    resize(768, 392);
    move(4, 113);

    connect(UpDown1, &app::NodeCountBox::EditTextChanged, this,
            [this] { RunHandler([this] { LabeledEdit1Change(); }); });
    connect(matrixTable_, &app::CellTableModel::TextEdited, this,
            [this](int column, int row, const QString& text) {
                RunHandler([&] { StringGrid2SetEditText(column, row, text); });
            });
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Button3Click(); }); });

    RunHandler([this] { FormCreate(); });
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
    LabeledEdit1Label = NewLabel(QStringLiteral("LabeledEdit1Label"),
                                 QStringLiteral("Количество узлов"), QPoint(8, 0), GroupBox3);
    LabeledEdit1Label->move(8, 24 - 3 - LabeledEdit1Label->height());
    LabeledEdit1Label->setBuddy(UpDown1);

    nodeTable_ = new app::CellTableModel(kNodeTableColumns, kInitialGridRows, this);
    StringGrid1 = new app::CellGrid(nodeTable_, GroupBox4);
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

    matrixTable_ = new app::CellTableModel(kInitialMatrixSize, kInitialMatrixSize, this);
    StringGrid2 = new app::CellGrid(matrixTable_, GroupBox1);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));

    GroupBox2 = NewGroupBox(QStringLiteral("GroupBox2"), QString(), GroupBox1);
    GroupBox2->setFixedHeight(78);
    Button3 = NewButton(QStringLiteral("Button3"), QStringLiteral("Связи"), {8, 16}, GroupBox2);
    Button1 =
        NewButton(QStringLiteral("Button1"), QStringLiteral("Рассчитать"), {8, 48}, GroupBox2);
    Label2 = NewLabel(QStringLiteral("Label2"), QString(), {88, 40}, GroupBox2);
    Label1 = NewLabel(QStringLiteral("Label1"), QStringLiteral("Длина:"), {88, 56}, GroupBox2);

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
void TForm1::RunHandler(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        // What was drawn before the failure shows behind the report.
        Image1->update();
        ReportError(error);
    }
    Image1->update();
}

void TForm1::FormCreate() {
    surface_.UpdatePict();
    UpdateGrids();
    for (int row = 1; row <= static_cast<int>(kSampleNodes.size()); ++row) {
        nodeTable_->SetCellText(1, row, kSampleNodes[row - 1].x);
        nodeTable_->SetCellText(2, row, kSampleNodes[row - 1].y);
    }
}

std::int16_t TForm1::NodeCount() const { return UpDown1->Position(); }

void TForm1::UpdateGrids() {
    const int n = NodeCount();
    nodeTable_->SetSize(kNodeTableColumns, n + 1);
    matrixTable_->SetSize(n + 1, n + 1);
    for (int k = 1; k <= n; ++k) {
        const std::string number = std::to_string(k);
        nodeTable_->SetCellText(0, k, number);
        matrixTable_->SetCellText(0, k, number);
        matrixTable_->SetCellText(k, 0, number);
        matrixTable_->SetCellText(k, k, std::string());
    }
    nodeTable_->SetCellText(1, 0, "X");
    nodeTable_->SetCellText(2, 0, "Y");
}

void TForm1::LabeledEdit1Change() { UpdateGrids(); }

void TForm1::StringGrid2SetEditText(int column, int row, const QString& text) {
    matrixTable_->SetText(row, column, text);
}

void TForm1::Button2Click() {
    surface_.UpdatePict();
    graph::ReadNodePoints(*nodeTable_, NodeCount(), NodePoints, Adjacency);
    surface_.DrawNodes(NodePoints);
}

void TForm1::Button3Click() {
    surface_.UpdatePict();
    Button2Click();
    graph::ReadAdjacency(*matrixTable_, NodeCount(), Adjacency);
    surface_.DrawLinks(NodePoints, Adjacency);
}

void TForm1::Button1Click() {
    Button2Click();
    Button3Click();
    graph::ReadAdjacency(*matrixTable_, NodeCount(), Adjacency);
    const std::optional<graph::ShortestWay> found = graph::FindShortestWay(Adjacency);
    FoundWays.clear();
    if (!found) {
        Image1->update();
        app::ShowMessageBox(
            {QMessageBox::NoIcon, app::ApplicationTitle(), QStringLiteral("нет пути")});
        return;
    }
    FoundWays.push_back(found->way);
    ShowWay(found->way);
    SetLabelText(Label1, QStringLiteral("Длина: ") + QString::number(found->length));
}

void TForm1::ShowWay(const graph::Way& way) {
    surface_.DrawWay(NodePoints, way);
    SetLabelText(Label2, QString::fromStdString(graph::WayText(way)));
}

void TForm1::ReportError(const std::exception& error) {
    app::ShowMessageBox({QMessageBox::Critical, app::ApplicationTitle(),
                         app::WithFullStop(QString::fromStdString(graph::ErrorMessage(error)))});
}

void TForm1::SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}
