// The tool window «Варианты для класса»; see class_set_window.h.
#include "app/classes/class_set_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPromise>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <limits>

#include "app/classes/booklet.h"
#include "app/classes/quiz_export.h"
#include "app/classes/set_folder.h"
#include "app/files/file_dialogs.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "app/picture/picture_view.h"
#include "app/picture/worksheet.h"
#include "document/class_set_files.h"
#include "graph/ways.h"

namespace app {

namespace {

// The word after a number, as the interface's language takes it: in Russian
// the genitive («1 связи», «5 связей», «21 связи»), in English the plural
// after every number but 1.
QString Genitive(int number, const QString& one, const QString& many) {
    if (InterfaceLanguage() == graph::Language::English) return number == 1 ? one : many;
    return number % 10 == 1 && number % 100 != 11 ? one : many;
}

QSpinBox* NewSpinBox(const QString& name, const QString& caption, int lowest, int highest,
                     int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

QPushButton* NewToolButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QString SetFaultText(const graph::ClassSetFault& fault,
                     const graph::ClassSetParameters& parameters) {
    using Kind = graph::ClassSetFault::Kind;
    const int most = parameters.nodes - 1;
    switch (fault.kind) {
        case Kind::VariantCount:
            return ClassSetWindow::tr("В наборе от 1 до %1 вариантов: измените «Вариантов»")
                .arg(graph::kMostVariants);
        case Kind::NodeCount:
            return ClassSetWindow::tr("В варианте от %1 до %2 узлов: измените «Узлов»")
                .arg(graph::kFewestVariantNodes)
                .arg(graph::kMostVariantNodes);
        case Kind::Weights:
            return ClassSetWindow::tr(
                       "Веса лежат в пределах от 1 до %1, наименьший не больше наибольшего: "
                       "измените «Веса от» или «до»")
                .arg(graph::kHeaviestVariantWeight);
        case Kind::MinLinks:
            if (parameters.minLinks < 1) {
                return ClassSetWindow::tr("В пути не меньше 1 связи: увеличьте «Связей в пути»");
            }
            return ClassSetWindow::tr(
                       "В пути из узла 1 в узел %1 не больше %2 %3: уменьшите «Связей в пути» до "
                       "%2 или увеличьте «Узлов»")
                .arg(parameters.nodes)
                .arg(most)
                .arg(Genitive(most, ClassSetWindow::tr("связи"), ClassSetWindow::tr("связей")));
        case Kind::Unmet: {
            const QString kind =
                ClassSetWindow::tr("с единственным кратчайшим путём не короче %1 %2%3")
                    .arg(parameters.minLinks)
                    .arg(Genitive(parameters.minLinks, ClassSetWindow::tr("связи"),
                                  ClassSetWindow::tr("связей")))
                    .arg(parameters.uniqueTable
                             ? ClassSetWindow::tr(" и единственной таблицей Дейкстры")
                             : QString());
            const QString made =
                fault.made == 0
                    ? ClassSetWindow::tr("Не удалось создать ни одного варианта %1").arg(kind)
                    : ClassSetWindow::tr(
                          "Удалось создать только %1 из %2 %3, не совпадающих друг с "
                          "другом, %4")
                          .arg(fault.made)
                          .arg(parameters.variants)
                          .arg(Genitive(parameters.variants, ClassSetWindow::tr("варианта"),
                                        ClassSetWindow::tr("вариантов")))
                          .arg(kind);
            return made +
                   ClassSetWindow::tr(
                       ": расширьте веса («Веса от», «до»), увеличьте «Узлов», "
                       "уменьшите «Связей в пути»%1 или «Вариантов»")
                       .arg(parameters.uniqueTable
                                ? ClassSetWindow::tr(", снимите «Единственная таблица Дейкстры»")
                                : QString());
        }
        case Kind::Stopped:
            return ClassSetWindow::tr("Остановлено; вариантов создано: %1 из %2")
                .arg(fault.made)
                .arg(parameters.variants);
    }
    return {};
}

ClassSetWindow::ClassSetWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("classSetWindow"));
    setWindowTitle(tr("Варианты для класса"));
    CreateControls();
    connect(&watcher_, &QFutureWatcher<Made>::progressValueChanged, progress_,
            &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcher<Made>::finished, this, &ClassSetWindow::TakeResult);
    connect(create_, &QPushButton::clicked, this, [this] { Run([this] { Create(); }); });
    connect(stop_, &QPushButton::clicked, this, &ClassSetWindow::Stop);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { Run([this, row] { ShowVariant(row); }); });
    connect(open_, &QPushButton::clicked, this, [this] {
        const int row = list_->currentRow();
        if (row >= 0 && row < static_cast<int>(set_.size())) {
            emit OpenRequested(document::VariantTexts(set_[static_cast<std::size_t>(row)]));
        }
    });
    connect(save_, &QPushButton::clicked, this, [this] { Run([this] { SaveSet(); }); });
    connect(export_, &QPushButton::clicked, this, [this] { Run([this] { ExportQuiz(); }); });
    EnableControls();
}

ClassSetWindow::~ClassSetWindow() {
    // The worker reads nothing of the window, but its result must not
    // arrive at a window gone.
    watcher_.disconnect(this);
    watcher_.cancel();
    watcher_.waitForFinished();
}

void ClassSetWindow::CreateControls() {
    variants_ = NewSpinBox(QStringLiteral("variantsBox"), tr("Вариантов"), 1, graph::kMostVariants,
                           30, this);
    nodes_ = NewSpinBox(QStringLiteral("nodesBox"), tr("Узлов"), graph::kFewestVariantNodes,
                        graph::kMostVariantNodes, 8, this);
    lightest_ = NewSpinBox(QStringLiteral("lightestBox"), tr("Веса от"), 1,
                           graph::kHeaviestVariantWeight, 1, this);
    heaviest_ = NewSpinBox(QStringLiteral("heaviestBox"), tr("до"), 1,
                           graph::kHeaviestVariantWeight, 20, this);
    minLinks_ = NewSpinBox(QStringLiteral("minLinksBox"), tr("Связей в пути"), 1,
                           graph::kMostVariantNodes - 1, 3, this);
    seed_ = NewSpinBox(QStringLiteral("seedBox"), tr("Номер набора"), 0,
                       std::numeric_limits<int>::max(), 1, this);
    uniqueTable_ = new QCheckBox(tr("Единственная таблица Дейкстры"), this);
    uniqueTable_->setObjectName(QStringLiteral("uniqueTableBox"));

    auto* weights = new QHBoxLayout;
    weights->addWidget(lightest_, 1);
    auto* to = new QLabel(tr("до"), this);
    to->setBuddy(heaviest_);
    weights->addWidget(to);
    weights->addWidget(heaviest_, 1);

    auto* form = new QFormLayout;
    form->addRow(tr("Вариантов:"), variants_);
    form->addRow(tr("Узлов:"), nodes_);
    form->addRow(tr("Веса от:"), weights);
    form->addRow(tr("Связей в пути не меньше:"), minLinks_);
    form->addRow(tr("Номер набора:"), seed_);
    form->addRow(uniqueTable_);

    create_ = NewToolButton(QStringLiteral("createButton"), tr("Создать"), this);
    stop_ = NewToolButton(QStringLiteral("stopButton"), tr("Остановить"), this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("setProgress"));
    progress_->setAccessibleName(tr("Создано вариантов"));
    auto* making = new QHBoxLayout;
    making->addWidget(create_);
    making->addWidget(progress_, 1);
    making->addWidget(stop_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("variantList"));
    list_->setAccessibleName(tr("Варианты"));
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("setState"));
    // Its text is its name to a screen reader; this says what it is.
    state_->setAccessibleDescription(tr("Состояние"));
    state_->setWordWrap(true);
    open_ = NewToolButton(QStringLiteral("openVariantButton"), tr("Открыть в окне"), this);
    save_ = NewToolButton(QStringLiteral("saveSetButton"), tr("Сохранить набор…"), this);
    export_ = NewToolButton(QStringLiteral("exportQuizButton"), tr("Экспорт в Moodle…"), this);
    auto* taking = new QHBoxLayout;
    taking->addWidget(open_);
    taking->addWidget(save_);
    taking->addWidget(export_);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(making);
    left->addWidget(list_, 1);
    left->addWidget(state_);
    left->addLayout(taking);

    picture_ = new PictureView(&surface_, this);
    picture_->setObjectName(QStringLiteral("variantPicture"));
    picture_->setAccessibleName(tr("Рисунок варианта"));
    // The plot's own size, so that the picture is the one printed.
    picture_->setFixedSize(plot::DrawingSurface::kSize, plot::DrawingSurface::kSize);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(picture_, 0, Qt::AlignTop);
}

graph::ClassSetParameters ClassSetWindow::Parameters() const {
    graph::ClassSetParameters parameters;
    parameters.variants = variants_->value();
    parameters.nodes = nodes_->value();
    parameters.lightest = lightest_->value();
    parameters.heaviest = heaviest_->value();
    parameters.minLinks = minLinks_->value();
    parameters.seed = static_cast<std::uint64_t>(seed_->value());
    parameters.uniqueTable = uniqueTable_->isChecked();
    return parameters;
}

template <typename Handler>
void ClassSetWindow::Run(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        emit Failed(error);
    }
}

void ClassSetWindow::Create() {
    if (creating_) return;
    const graph::ClassSetParameters parameters = Parameters();
    if (const auto fault = graph::CheckClassSetParameters(parameters)) {
        throw SetError(SetFaultText(*fault, parameters).toStdString());
    }
    // The pictures' background is read now, so that a missing one is said
    // before any work.
    plot::DrawingSurface axes;
    axes.UpdatePict();
    axes_ = axes.Shown();

    asked_ = parameters;
    set_.clear();
    list_->clear();
    surface_.Restore(axes_);
    progress_->setRange(0, parameters.variants);
    progress_->setValue(0);
    state_->setText(tr("Создаются варианты…"));
    creating_ = true;
    watcher_.setFuture(QtConcurrent::run([parameters](QPromise<Made>& promise) {
        promise.setProgressRange(0, parameters.variants);
        promise.addResult(graph::MakeClassSet(parameters, [&promise](int made) {
            promise.setProgressValue(made);
            return !promise.isCanceled();
        }));
    }));
    EnableControls();
}

void ClassSetWindow::Stop() {
    if (!creating_) return;
    watcher_.cancel();
    watcher_.waitForFinished();
}

void ClassSetWindow::TakeResult() {
    const QFuture<Made> future = watcher_.future();
    // A cancelled future keeps no result: the set was stopped.
    const Made made =
        future.resultCount() > 0
            ? future.result()
            : Made(graph::ClassSetFault{graph::ClassSetFault::Kind::Stopped, progress_->value()});
    creating_ = false;
    EnableControls();
    if (const auto* fault = std::get_if<graph::ClassSetFault>(&made)) {
        state_->setText(SetFaultText(*fault, asked_));
        if (fault->kind != graph::ClassSetFault::Kind::Stopped) {
            Run([&] { throw SetError(SetFaultText(*fault, asked_).toStdString()); });
        }
        emit Finished();
        return;
    }
    set_ = std::get<std::vector<graph::ClassVariant>>(made);
    madeWith_ = asked_;
    for (std::size_t k = 0; k < set_.size(); ++k) {
        list_->addItem(tr("Вариант %1: %2, длина %3")
                           .arg(k + 1)
                           .arg(QString::fromStdString(graph::WayText(set_[k].way.way)))
                           .arg(set_[k].way.length));
    }
    state_->setText(tr("Создано вариантов: %1").arg(set_.size()));
    list_->setCurrentRow(0);
    emit Finished();
}

void ClassSetWindow::ShowVariant(int row) {
    EnableControls();
    if (row < 0 || row >= static_cast<int>(set_.size())) {
        surface_.Restore(axes_);
    } else {
        surface_.Restore(LinksPicture(axes_, VariantGraph(set_[static_cast<std::size_t>(row)])));
    }
    picture_->update();
}

void ClassSetWindow::EnableControls() {
    const bool creating = creating_;
    for (QWidget* control : std::initializer_list<QWidget*>{
             variants_, nodes_, lightest_, heaviest_, minLinks_, seed_, uniqueTable_, create_}) {
        control->setEnabled(!creating);
    }
    stop_->setEnabled(creating);
    progress_->setVisible(creating);
    open_->setEnabled(!creating && list_->currentRow() >= 0);
    save_->setEnabled(!creating && !set_.empty());
    export_->setEnabled(!creating && !set_.empty());
}

void ClassSetWindow::SaveSet() {
    if (set_.empty()) return;
    const QString folder = ChooseFile({FileRequest::Purpose::SaveSet, DialogFolder(), {}}).path;
    if (folder.isEmpty()) return;
    std::vector<SetFile> files = SetFiles(set_);
    const QStringList existing = ExistingFiles(folder, files);
    if (!existing.isEmpty() && AskQuestion({ReplaceQuestion(folder, existing),
                                            QuestionContent::YesNo}) != QMessageBox::Yes) {
        return;
    }

    // The booklet is the long part: laid out a variant at a time, the
    // window kept alive and the person free to stop it, before any file is
    // written.
    Booklet booklet(set_, madeWith_, axes_);
    QProgressDialog progress(tr("Записывается буклет…"), tr("Остановить"), 0, booklet.Slices(),
                             this);
    progress.setObjectName(QStringLiteral("bookletProgress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    for (int slice = 0; slice < booklet.Slices(); ++slice) {
        progress.setValue(slice);
        if (progress.wasCanceled()) {
            state_->setText(tr("Запись остановлена; файлы не записаны"));
            return;
        }
        booklet.PaintNext();
    }
    progress.setValue(booklet.Slices());
    for (SetFile& file : files) {
        if (file.name == BookletName()) file.bytes = booklet.Finish();
    }
    WriteSetFiles(folder, files);
    RememberFolderOf(QDir(folder).filePath(BookletName()));
    state_->setText(tr("Набор записан в папку «%1»").arg(QDir::toNativeSeparators(folder)));
}

void ClassSetWindow::ExportQuiz() {
    if (set_.empty()) return;
    const QuizExport done = ExportSetAsQuiz(set_, madeWith_.seed, this);
    const QString name = QFileInfo(done.path).fileName();
    if (done.outcome == QuizExport::Outcome::Stopped) {
        state_->setText(tr("Экспорт остановлен; файл «%1» не записан").arg(name));
    } else if (done.outcome == QuizExport::Outcome::Written) {
        state_->setText(tr("Вопросы для Moodle записаны в файл «%1»").arg(name));
    }
}

void ClassSetWindow::closeEvent(QCloseEvent* event) {
    Stop();
    event->accept();
}

}  // namespace app
