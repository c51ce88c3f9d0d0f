// Class sets as a teacher makes them in the window: the tool window opened
// from the menu, a set made, a variant selected, drawn and opened in the
// main window, the set saved and compared byte for byte with graphway's,
// the booklet read back with pdfinfo and pdftotext; the set exported as a
// quiz and compared with graphway's; and the worksheet of the tables
// printed.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include "app/classes/class_set_window.h"
#include "tests/app/window_fixture.h"
#include "tests/cli/graphway_process.h"

namespace {

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Pages(const QString& pdf) {
    const QString info = Output(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

QString Text(const QString& pdf) {
    return Output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

}  // namespace

class ClassesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (QProcess::execute(
                QStringLiteral("sh"),
                {QStringLiteral("-c"), QStringLiteral("command -v pdfinfo > /dev/null")}) != 0) {
            GTEST_SKIP() << "pdfinfo is not installed";
        }
    }

    app::ClassSetWindow* OpenTool() {
        Find<QAction>("classSetAction")->trigger();
        auto* window = form->findChild<app::ClassSetWindow*>("classSetWindow");
        EXPECT_NE(window, nullptr);
        return window;
    }
    template <typename T>
    T* In(app::ClassSetWindow* window, const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Sets the spin boxes and the check box, presses «Создать» and waits.
    void Make(app::ClassSetWindow* window, int variants, int nodes, int seed, bool unique,
              int minLinks = 3) {
        In<QSpinBox>(window, "variantsBox")->setValue(variants);
        In<QSpinBox>(window, "nodesBox")->setValue(nodes);
        In<QSpinBox>(window, "seedBox")->setValue(seed);
        In<QSpinBox>(window, "minLinksBox")->setValue(minLinks);
        In<QCheckBox>(window, "uniqueTableBox")->setChecked(unique);
        QTest::mouseClick(In<QPushButton>(window, "createButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->IsCreating(), 60000);
    }
    QByteArray ReadIn(const QString& dir, const QString& name) {
        return Read(QDir(dir).filePath(name));
    }
};

TEST_F(ClassesTest, SetIsMadeShownOpenedAndSavedAsGraphwayWritesIt) {
    app::ClassSetWindow* window = OpenTool();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Варианты для класса");
    Make(window, 30, 8, 7, false);
    ASSERT_TRUE(shown.empty()) << shown[0].text.toStdString();

    // graphway's set of the same parameters: its lines are the list's.
    const QString gw = folder.filePath("graphway");
    const auto run = cli_test::RunGraphway(
        {"--generate", "30", "--nodes", "8", "--seed", "7", "--out", gw.toStdString()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    auto* list = In<QListWidget>(window, "variantList");
    ASSERT_EQ(list->count(), 30);
    const QStringList lines = QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts);
    for (int k = 0; k < 30; ++k) {
        const QStringList parts = lines[k].split('\t');
        EXPECT_EQ(list->item(k)->text(),
                  QStringLiteral("Вариант %1: %2, длина %3").arg(parts[0], parts[1], parts[2]));
    }

    // Variant 7 drawn: its nodes blue in the tool window's picture.
    list->setCurrentRow(6);
    const auto& variant = window->Variants()[6];
    const QImage picture = In<app::PictureView>(window, "variantPicture")->Picture();
    for (const auto& [x, y] : variant.nodes) {
        int blue = 0;
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -2; dy <= 2; ++dy)
                blue += picture.pixel(x + 200 + dx, 200 - y + dy) == kBlue;
        }
        EXPECT_GT(blue, 4) << x << ' ' << y;
    }

    // Opened in the main window as a new document, the tables those of
    // graphway's file; «Рассчитать» finds the listed way.
    TypeLink(1, 2, "5");
    answers = {QMessageBox::Discard};
    QTest::mouseClick(In<QPushButton>(window, "openVariantButton"), Qt::LeftButton);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(form->windowTitle(), "Путь на графе");
    const QByteArray file = ReadIn(gw, "variant-07.json");
    choices = {{folder.filePath("opened.json"), app::GraphFilter()}};
    Find<QAction>("saveAsAction")->trigger();
    EXPECT_EQ(Read(folder.filePath("opened.json")), file);
    Click("Button1");
    EXPECT_EQ(LabelText("Label2"), lines[6].split('\t')[1]);

    // Saved: the graph files and the key are graphway's bytes.
    const QString set = folder.filePath("set");
    QDir().mkpath(set);
    choices = {{set, {}}};
    QTest::mouseClick(In<QPushButton>(window, "saveSetButton"), Qt::LeftButton);
    ASSERT_TRUE(shown.empty()) << shown[0].text.toStdString();
    for (const QString& name : QDir(gw).entryList(QDir::Files)) {
        EXPECT_EQ(ReadIn(set, name), ReadIn(gw, name)) << name.toStdString();
    }
    EXPECT_EQ(QDir(set).entryList(QDir::Files).size(), 32);

    // The booklet: a worksheet per variant and a page of answers.
    const QString booklet = QDir(set).filePath("booklet.pdf");
    EXPECT_EQ(Pages(booklet), 31);
    const QString text = Text(booklet);
    for (const char* expected :
         {"Вариант 7", "Найдите кратчайший путь из узла 1 в узел 8 и заполните таблицу",
          "Матрица смежности", "Таблица алгоритма Дейкстры", "Выбран", "Ответы"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // No answer on a worksheet: the first page names no way.
    const QString first = Output("pdftotext", {"-f", "1", "-l", "1", booklet, "-"});
    EXPECT_FALSE(first.contains(lines[0].split('\t')[1]));
    EXPECT_TRUE(Output("pdftotext", {"-f", "31", "-l", "31", booklet, "-"})
                    .contains(lines[6].split('\t')[1]));

    // Saving there again asks first; «Нет» leaves the files.
    QFile::resize(QDir(set).filePath("key.csv"), 0);
    choices = {{set, {}}};
    QTest::mouseClick(In<QPushButton>(window, "saveSetButton"), Qt::LeftButton);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_TRUE(
        asked[1].text.startsWith("Файлы «variant-01.json», «variant-02.json», "
                                 "«variant-03.json» и ещё 29 уже есть"))
        << asked[1].text.toStdString();
    EXPECT_TRUE(ReadIn(set, "key.csv").isEmpty());
}

TEST_F(ClassesTest, UniqueTablesGoIntoTheKeyAndFaultsNameWhatToChange) {
    app::ClassSetWindow* window = OpenTool();
    ASSERT_NE(window, nullptr);
    Make(window, 3, 6, 2, true);
    const QString set = folder.filePath("unique");
    QDir().mkpath(set);
    choices = {{set, {}}};
    QTest::mouseClick(In<QPushButton>(window, "saveSetButton"), Qt::LeftButton);
    ASSERT_TRUE(shown.empty()) << shown[0].text.toStdString();
    const QString booklet = QDir(set).filePath("booklet.pdf");
    EXPECT_EQ(Pages(booklet), 4);
    // Each variant's step table in the key, its chosen cell marked.
    const QString key = Output("pdftotext", {"-f", "4", "-l", "4", booklet, "-"});
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(key.contains(QStringLiteral("Вариант %1: путь").arg(k))) << key.toStdString();
    }
    EXPECT_TRUE(key.contains("Выбран"));
    EXPECT_GE(key.count('*'), 3 * 4);

    // Four nodes cannot hold a way of five links; the message says what
    // to change, and the set listed before is gone.
    Make(window, 3, 4, 2, false, 5);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "В пути из узла 1 в узел 4 не больше 3 связей: уменьшите «Связей в пути» до 3 или "
              "увеличьте «Узлов».");
    // Stopped at once, a large set leaves a word and no list.
    In<QSpinBox>(window, "variantsBox")->setValue(200);
    In<QSpinBox>(window, "nodesBox")->setValue(20);
    In<QSpinBox>(window, "minLinksBox")->setValue(3);
    QTest::mouseClick(In<QPushButton>(window, "createButton"), Qt::LeftButton);
    QTest::mouseClick(In<QPushButton>(window, "stopButton"), Qt::LeftButton);
    QTRY_VERIFY(!window->IsCreating());
    EXPECT_TRUE(In<QLabel>(window, "setState")->text().startsWith("Остановлено"));
    EXPECT_EQ(In<QListWidget>(window, "variantList")->count(), 0);
}

TEST_F(ClassesTest, SetExportsAsGraphwaysQuizOrAsGift) {
    app::ClassSetWindow* window = OpenTool();
    ASSERT_NE(window, nullptr);
    Make(window, 5, 7, 3, true);
    const QString set = folder.filePath("set"), quiz = folder.filePath("Набор 3.xml");
    QDir().mkpath(set);
    choices = {{set, {}}, {quiz, app::MoodleXmlFilter(), " Набор 3 "}};
    QTest::mouseClick(In<QPushButton>(window, "saveSetButton"), Qt::LeftButton);
    QTest::mouseClick(In<QPushButton>(window, "exportQuizButton"), Qt::LeftButton);
    ASSERT_TRUE(shown.empty()) << shown[0].text.toStdString();
    EXPECT_EQ(requested.back().quizName, "Набор 3");
    const QString gw = folder.filePath("graphway.xml");
    const auto run = cli_test::RunGraphway(
        {"--moodle", gw.toStdString(), "--name", "Набор 3", set.toStdString()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const QByteArray xml = Read(quiz);
    EXPECT_EQ(xml, Read(gw));

    QXmlStreamReader reader(xml);
    EXPECT_EQ(reader.readNext(), QXmlStreamReader::StartDocument);
    int questions = 0, pictures = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        questions += reader.name() == QStringLiteral("question");
        if (reader.name() == QStringLiteral("file")) {
            pictures += !QImage::fromData(
                             QByteArray::fromBase64(reader.readElementText().toLatin1()), "PNG")
                             .isNull();
        }
    }
    EXPECT_FALSE(reader.hasError());
    EXPECT_EQ(questions, 1 + 5 * 3);
    EXPECT_EQ(pictures, 5 * 3);

    // GIFT by the filter, its ending in place of ".txt"; a name Moodle cannot take
    // writes nothing; the file is replaced only after «Да».
    const QString gift = folder.filePath("quiz.gift.txt");
    choices = {{folder.filePath("quiz.txt"), app::GiftFilter(), "Контрольная"},
               {folder.filePath("bad"), app::GiftFilter(), "  "},
               {quiz, app::GiftFilter(), "Контрольная"}};
    for (int k = 0; k < 3; ++k) {
        QTest::mouseClick(In<QPushButton>(window, "exportQuizButton"), Qt::LeftButton);
    }
    const QString text = QString::fromUtf8(Read(gift));
    EXPECT_TRUE(text.contains("Контрольная") && text.contains("Вариант 5"));
    EXPECT_FALSE(text.contains("<img") || text.contains("Дейкстры"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith("Файл не записан"));
    EXPECT_FALSE(QFile::exists(folder.filePath("bad.gift.txt")));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(Read(quiz), xml);
}

TEST_F(ClassesTest, TaskOfTheTablesPrintsAsAWorksheet) {
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    const QString pdf = folder.filePath("task.pdf");
    int pages = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->findChild<QPrintPreviewWidget*>()->print();
        dialog->reject();
    });
    Find<QAction>("printTaskAction")->trigger();
    EXPECT_EQ(pages, 1);
    const QString text = Text(pdf);
    for (const char* expected : {"Задание", "из узла 1 в узел 6", "Выбран", "Шаг"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_FALSE(text.contains("1-2-6"));
}
