// The scratch-folder window and a person's steps; see window_fixture.h.
#include "tests/app/window_fixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void WindowTest::SetUp() {
    ASSERT_TRUE(folder.IsReady());
    previousShower_ = app::SetMessageBoxShower(
        [this](const app::MessageBoxContent& content) { shown.push_back(content); });
    previousAsker_ = app::SetQuestionAsker([this](const app::QuestionContent& question) {
        asked.push_back(question);
        if (answers.empty()) {
            return question.answers == app::QuestionContent::YesNo ? QMessageBox::No
                                                                   : QMessageBox::Cancel;
        }
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    });
    previousChooser_ = app::SetFileChooser([this](const app::FileRequest& request) {
        requested.push_back(request);
        if (choices.empty()) return app::FileChoice{};
        app::FileChoice choice = choices.front();
        choices.pop_front();
        return choice;
    });
    RestartForm();
}

void WindowTest::TearDown() {
    form.reset();
    app::SetMessageBoxShower(previousShower_);
    app::SetQuestionAsker(previousAsker_);
    app::SetFileChooser(previousChooser_);
}

void WindowTest::RestartForm() {
    form.reset();
    form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

QLineEdit* WindowTest::OpenEditor(const char* grid, int column, int row) {
    app::CellGrid* view = Grid(grid);
    const QModelIndex index = Index(grid, column, row);
    view->setCurrentIndex(index);
    view->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
    EXPECT_NE(editor, nullptr) << grid << " (" << column << ", " << row << ")";
    return editor;
}

void WindowTest::TypeIntoCell(const char* grid, int column, int row, const QString& text) {
    QLineEdit* editor = OpenEditor(grid, column, row);
    if (editor == nullptr) return;
    editor->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(editor, Qt::Key_Delete);
    } else {
        QTest::keyClicks(editor, text);
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The grid closes its editor once the key press has been handled.
    QCoreApplication::processEvents();
}

void WindowTest::Click(const char* button) {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
}

void WindowTest::Select(const char* grid, int left, int top, int right, int bottom) {
    app::CellGrid* view = Grid(grid);
    view->setFocus();
    view->setCurrentIndex(Index(grid, left, top));
    view->selectionModel()->select(
        QItemSelection(Index(grid, left, top), Index(grid, right, bottom)),
        QItemSelectionModel::ClearAndSelect);
}

void WindowTest::Paste(const char* grid, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(Grid(grid), Qt::Key_V, Qt::ControlModifier);
}

void WindowTest::ChooseFromTableMenu(const QString& entry) {
    QTimer::singleShot(0, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    emit Grid("StringGrid1")->customContextMenuRequested(QPoint(30, 30));
    QCoreApplication::processEvents();
}

QString WindowTest::Write(const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QByteArray WindowTest::Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<QString> WindowTest::All() const {
    std::vector<QString> texts{QString::number(form->NodeCount())};
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) texts.push_back(Cell("StringGrid2", c, r));
        texts.push_back(Cell("StringGrid1", 1, r) + "," + Cell("StringGrid1", 2, r));
    }
    return texts;
}

QString WindowTest::LabelText(const char* name) const { return Find<QLabel>(name)->text(); }

QString WindowTest::Cell(const char* grid, int column, int row) const {
    return Model(grid)->Text(column, row);
}

int WindowTest::Rows(const char* grid) const { return Grid(grid)->model()->rowCount() + 1; }

int WindowTest::Columns(const char* grid) const { return Grid(grid)->model()->columnCount() + 1; }

bool WindowTest::ColourNear(int x, int y, QRgb colour, int radius) const {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint point(x + dx, y + dy);
            if (Picture().valid(point) && Picture().pixel(point) == colour) return true;
        }
    }
    return false;
}

bool WindowTest::TextIn(const QRect& area) const {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Picture().valid(x, y) && qGray(Picture().pixel(x, y)) < 96) return true;
        }
    }
    return false;
}
