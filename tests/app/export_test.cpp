// The picture and the page taken out of the window as vectors, read back:
// the SVG parsed as XML, the PDFs rendered with pdftoppm and read with
// pdftotext, as a person would open them.
#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTimer>
#include <QXmlStreamReader>
#include <set>

#include "tests/app/window_fixture.h"

namespace {

bool HasPoppler() {
    return QProcess::execute(
               QStringLiteral("sh"),
               {QStringLiteral("-c"), QStringLiteral("command -v pdftoppm > /dev/null")}) == 0;
}

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The red polylines of an SVG, as their "points" texts.
std::set<QString> RedLines(const QByteArray& svg) {
    std::set<QString> lines;
    QXmlStreamReader xml(svg);
    std::vector<bool> red{false};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto stroke = xml.attributes().value(QStringLiteral("stroke"));
            red.push_back(stroke.isEmpty() ? red.back() : stroke == QStringLiteral("#ff0000"));
            if (xml.name() == QStringLiteral("polyline") && red.back()) {
                lines.insert(xml.attributes().value(QStringLiteral("points")).toString().trimmed());
            }
        } else if (xml.isEndElement()) {
            red.pop_back();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return lines;
}

}  // namespace

class ExportTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (!HasPoppler()) GTEST_SKIP() << "pdftoppm is not installed";
    }

    // The first page of `pdf` rendered at `size` pixels.
    QImage Render(const QString& pdf, QSize size) {
        const QString stem = folder.filePath(QStringLiteral("page"));
        Output(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                QStringLiteral("-scale-to-x"), QString::number(size.width()),
                QStringLiteral("-scale-to-y"), QString::number(size.height()), pdf, stem});
        return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }
    QString Text(const QString& pdf) {
        return Output(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }
    // Prints through the preview, as its print button does, to `pdf`.
    int PrintPreviewTo(const QString& pdf) {
        int pages = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            pages = preview->pageCount();
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
            preview->print();
            dialog->reject();
        });
        Find<QAction>("printAction")->trigger();
        return pages;
    }
};

TEST_F(ExportTest, VectorPicturesShowWhatTheViewShows) {
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    TypeLink(1, 6, "20");
    Click("Button1");
    Find<QAction>("distancesAction")->trigger();
    choices = {{folder.filePath("way"), app::SvgFilter()}, {folder.filePath("way.pdf"), {}}};
    Find<QAction>("savePictureAction")->trigger();
    Find<QAction>("savePictureAction")->trigger();
    ASSERT_TRUE(shown.empty());

    // The way 1-2-6 runs between the nodes' pixel centres.
    const QByteArray svg = Read(folder.filePath("way.svg"));
    EXPECT_EQ(RedLines(svg), (std::set<QString>{QStringLiteral("140.5,160.5 240.5,180.5"),
                                                QStringLiteral("240.5,180.5 280.5,160.5")}));
    EXPECT_TRUE(svg.contains("<image")) << "the background is embedded";
    EXPECT_TRUE(svg.contains(">20</text>")) << "weights are text";

    // The PDF's page, rendered at the view's size, is the view's drawing up
    // to the smoothing of lines and letters.
    const QImage view = Picture();
    const QImage page = Render(folder.filePath("way.pdf"), view.size());
    ASSERT_EQ(page.size(), view.size());
    int differing = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            const QRgb a = view.pixel(x, y);
            const QRgb b = page.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) >
                3 * 96)
                ++differing;
        }
    }
    EXPECT_LT(differing, view.width() * view.height() / 100);
    EXPECT_EQ(page.pixel(190, 170), kRed);
    EXPECT_TRUE(Text(folder.filePath("way.pdf")).contains(QStringLiteral("20")));
}

TEST_F(ExportTest, PrintedPageHoldsTheGraphAndTheAnswerWhileItBelongs) {
    const QString pdf = folder.filePath("page.pdf");
    const auto pages = [&] {
        return Output(QStringLiteral("pdfinfo"), {pdf})
                       .contains(QStringLiteral("Pages:           2"))
                   ? 2
                   : 1;
    };
    TypeLink(1, 2, "5");
    TypeLink(2, 6, "5");
    TypeLink(1, 6, "20");
    Click("Button1");
    EXPECT_EQ(PrintPreviewTo(pdf), 1);
    QString text = Text(pdf);
    for (const char* shown :
         {"Без имени", "1-2-6", "Длина: 10", "Узлы", "Матрица смежности", "-60", "20", "-100"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << '\n' << text.toStdString();
    }
    // The picture: the way in red, as wide as the page's text.
    const QImage page = Render(pdf, QSize(595, 842));
    int red = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) red += page.pixel(x, y) == kRed;
    }
    EXPECT_GT(red, 100);

    // Saved under a name, and changed: the page names the file and leaves
    // out the answer that no longer belongs, and the faded picture with it.
    choices = {{folder.filePath("worksheet.json"), app::GraphFilter()}};
    Find<QAction>("saveAsAction")->trigger();
    TypeLink(3, 4, "7");
    PrintPreviewTo(pdf);
    text = Text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("worksheet.json")));
    EXPECT_FALSE(text.contains(QStringLiteral("Длина")));
    EXPECT_FALSE(text.contains(QStringLiteral("-100")));
    EXPECT_EQ(pages(), 1);

    // A hundred nodes: the matrix goes to a page of its own.
    Find<QSpinBox>("UpDown1")->setValue(100);
    QString matrix;
    for (int i = 1; i <= 100; ++i) {
        for (int j = 1; j <= 100; ++j) {
            if (i != j) matrix += QString::number(100 + std::max(i, j));
            matrix += j < 100 ? '\t' : '\n';
        }
    }
    Select("StringGrid2", 1, 1, 1, 1);
    Paste("StringGrid2", matrix);
    EXPECT_EQ(PrintPreviewTo(pdf), 2);
    EXPECT_EQ(pages(), 2);
    text = Text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("200"))) << "the last column's weight";
    EXPECT_TRUE(shown.empty()) << (shown.empty() ? std::string() : shown[0].text.toStdString());
}
