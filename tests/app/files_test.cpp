// Graph files in the window: opened by the menu's keys and by a dropped
// file, saved and saved again, read by graphway, refused when they cannot be
// taken, and never lost when a save fails or the window closes.
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QUrl>
#include <csignal>

#include "tests/app/window_fixture.h"
#include "tests/cli/graphway_process.h"

class FilesTest : public WindowTest {
protected:
    void Drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        // Qt delivers a drop to the widget that accepted the drag's entering.
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
    }
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(form.get(), key, modifiers);
    }
};

TEST_F(FilesTest, OneWayLinkGoesThroughFileGraphwayAndBack) {
    // Texts kept beyond the count from earlier editing go with the opening.
    form->findChild<QSpinBox*>("UpDown1")->setValue(10);
    TypeIntoCell("StringGrid1", 1, 9, "old");
    // 1 -> 3 -> 4, with no way back from 3 to 1, and no "nodes".
    answers = {QMessageBox::Discard};
    Drop(Write("oneway.json", R"({"matrix": [[null, "", "4", ""], ["", "", "", ""],
                                              ["", 1, "", 1], ["", "", "", ""]]})"));
    ASSERT_TRUE(shown.empty()) << shown.front().text.toStdString();
    ASSERT_EQ(form->NodeCount(), 4);
    EXPECT_EQ(Cell("StringGrid2", 1, 3), "4");
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "");
    const char* circle[][2] = {{"0", "150"}, {"150", "0"}, {"0", "-150"}, {"-150", "0"}};
    for (int node = 1; node <= 4; ++node) {
        EXPECT_EQ(Cell("StringGrid1", 1, node), circle[node - 1][0]);
        EXPECT_EQ(Cell("StringGrid1", 2, node), circle[node - 1][1]);
    }
    EXPECT_EQ(Cell("StringGrid1", 1, 9), "");
    EXPECT_FALSE(form->isWindowModified());
    // Opened, the graph is drawn with its links, the answer left to come:
    // link 3-2 runs from (200, 350) to (350, 200).
    EXPECT_TRUE(ColourNear(250, 300, kGreen, 1));
    EXPECT_EQ(LabelText("Label2"), "");
    Click("Button1");
    EXPECT_EQ(LabelText("Label2"), "1-3-4");
    EXPECT_EQ(LabelText("Label1"), "Длина: 5");

    const QString copy = folder.filePath("copy.json");
    choices = {{copy, app::GraphFilter()}};
    Keys(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(requested.back().purpose, app::FileRequest::Purpose::SaveGraph);
    EXPECT_EQ(form->windowTitle(), "Путь на графе — copy.json[*]");
    EXPECT_EQ(cli_test::RunGraphway({copy.toStdString()}).out, "1-3-4\nДлина: 5\n");

    TypeLink(3, 4, "2");
    EXPECT_TRUE(form->isWindowModified());
    Keys(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->isWindowModified());
    RestartForm();
    choices = {{copy, app::GraphFilter()}};
    Keys(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(requested.back(),
              (app::FileRequest{
                  app::FileRequest::Purpose::OpenGraph, QDir(folder.path()).absolutePath(), {}}));
    EXPECT_EQ(Cell("StringGrid2", 3, 4), "2");
    EXPECT_EQ(Cell("StringGrid2", 1, 3), "4");
    EXPECT_EQ(Cell("StringGrid2", 3, 1), "");
    EXPECT_EQ(cli_test::RunGraphway({copy.toStdString()}).out, "1-3-4\nДлина: 6\n");
    EXPECT_TRUE(shown.empty());
}

TEST_F(FilesTest, FileThatCannotBeTakenChangesNothing) {
    const QByteArray row = "[" + QByteArray("0,").repeated(100) + "0]";
    const QByteArray large = "{\"matrix\": [" + QByteArrayList(101, row).join(',') + "]}";
    QDir(folder.path()).mkdir("folder.json");
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray message;
    } cases[] = {
        {"broken.json", R"({"matrix": [[0, 1], [1, 0])",
         "Файл «broken.json» не открыт: это не JSON: ошибка в строке 1, столбце 27 ("},
        {"shape.json", R"({"matrix": [[0, 1, 1], [1, 0, 1]]})",
         "Файл «shape.json» не открыт: ячеек в matrix[0]: 3, а строк в \"matrix\": 2; матрица "
         "должна быть квадратной."},
        {"cell.json", R"({"matrix": [[0, 1.5], [1, 0]]})",
         "Файл «cell.json» не открыт: в matrix[0][1] стоит 1.5, а ячейка может быть только "
         "текстом, целым числом или null."},
        {"large.json", large,
         "Файл «large.json» не открыт: в графе 101 узлов, а окно вмещает не больше 100. Такие "
         "графы читает graphway."},
        {"missing.json", {}, "Файл «missing.json» не открыт: такого файла нет."},
        {"folder.json", {}, "Файл «folder.json» не открыт: это папка, а не файл."},
        // Refused before the window spends seconds measuring what it cannot
        // use, and quoted no longer than a message can show.
        {"big.json", R"({"matrix": [["", ")" + QByteArray(5 << 20, '7') + R"("], ["", ""]]})",
         "Файл «big.json» не открыт: он больше 4 МБ, а окно открывает файлы графов до 4 МБ. "
         "Большие графы читает graphway."},
        {"long.json", R"({"matrix": [["", ")" + QByteArray(101, '7') + R"("], ["", ""]]})",
         "Файл «long.json» не открыт: в matrix[0][1] текст из 101 символов, а ячейка окна "
         "вмещает не больше 100."},
        {"key.json", "{\"" + QByteArray(300, 'k') + "\": 1}",
         "Файл «key.json» не открыт: в нём неизвестный ключ \"" + QByteArray(200, 'k') + "…\""},
    };
    TypeLink(1, 2, "5");
    const std::vector<QString> before = All();
    for (const auto& c : cases) {
        answers = {QMessageBox::Discard};
        const QString path = folder.filePath(c.name);
        if (!c.bytes.isEmpty()) Write(c.name, c.bytes);
        shown.clear();
        form->OpenFile(path);
        ASSERT_EQ(shown.size(), 1u) << c.name;
        EXPECT_TRUE(shown[0].text.startsWith(QString::fromUtf8(c.message)))
            << shown[0].text.toStdString();
        EXPECT_EQ(All(), before) << c.name;
        EXPECT_EQ(form->windowTitle(), "Путь на графе") << c.name;
    }
}

TEST_F(FilesTest, FailedSaveSaysWhyAndKeepsEveryFileAndTheChanges) {
    const QString kept = folder.filePath("kept.json");
    choices = {{kept, app::GraphFilter()}};
    Keys(Qt::Key_S, Qt::ControlModifier);
    TypeLink(1, 2, "5");
    QDir dir(folder.path());
    dir.mkdir("folder.json");
    dir.mkdir("locked");
    QFile::setPermissions(folder.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
    QFile::copy(kept, folder.filePath("fixed.json"));
    QFile::setPermissions(folder.filePath("fixed.json"), QFile::ReadOwner);
    const auto files = [&] {
        std::vector<std::pair<QString, QByteArray>> all;
        for (const QString& name : dir.entryList(QDir::Files)) {
            all.emplace_back(name, Read(dir.filePath(name)));
        }
        return all;
    };
    const auto before = files();
    // A limit on the size of the process's files, or none; permissions bind
    // every user but root.
    const struct {
        const char* path;
        rlim_t sizeLimit;
        bool permissions;
        const char* message;
    } cases[] = {
        {"kept.json", 16, false,
         "Файл «kept.json» не сохранён: он больше, чем программе разрешено записывать в один "
         "файл."},
        {"missing/g.json", 0, false, "Файл «g.json» не сохранён: папки «missing» нет."},
        {"folder.json", 0, false, "Файл «folder.json» не сохранён: это папка, а не файл."},
        {"locked/g.json", 0, true,
         "Файл «g.json» не сохранён: нет права записывать в папку «locked»."},
        {"fixed.json", 0, true, "Файл «fixed.json» не сохранён: нет права его изменять."},
    };
    for (const auto& c : cases) {
        if (c.permissions && geteuid() == 0) continue;
        shown.clear();
        choices = {{folder.filePath(c.path), app::GraphFilter()}};
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{c.sizeLimit > 0 ? c.sizeLimit : limit.rlim_cur, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        Keys(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previous);
        ASSERT_EQ(shown.size(), 1u) << c.path;
        EXPECT_EQ(shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(files(), before) << c.path;
        EXPECT_TRUE(form->isWindowModified());
        EXPECT_EQ(Cell("StringGrid2", 2, 1), "5");
    }
    QFile::setPermissions(folder.filePath("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(FilesTest, ClosingAsksAboutUnsavedChanges) {
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(asked.empty());

    RestartForm();
    TypeLink(1, 2, "5");
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], (app::QuestionContent{"Сохранить изменения?",
                                              app::QuestionContent::SaveDiscardCancel}));

    const QString path = folder.filePath("closing.json");
    answers = {QMessageBox::Save};
    choices = {{path, app::GraphFilter()}};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(cli_test::RunGraphway({path.toStdString()}).out, "нет пути\n");
    EXPECT_TRUE(Read(path).contains(R"("5")"));
}
