// graphway --moodle end to end: a class set written as a quiz and read back
// with Qt's XML reader as an importer would read it; its answers against the
// program's own for each variant's file, its table questions graded by a
// small cloze grader filled from the program's own step table.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>

#include "graph/dijkstra_steps.h"
#include "document/graph_document.h"
#include "tests/cli/graphway_process.h"
#include "graph/way_search.h"

namespace {

namespace fs = std::filesystem;
using cli_test::RunGraphway;

struct Question {
    QString type, name, text, feedback;
    QStringList answers;
    QList<std::pair<QString, QByteArray>> files;
};

std::vector<Question> ReadQuiz(const QByteArray& xml) {
    std::vector<Question> questions;
    QXmlStreamReader reader(xml);
    QStringList open;
    while (reader.readNext() != QXmlStreamReader::EndDocument && !reader.hasError()) {
        if (reader.isEndElement()) open.removeLast();
        if (!reader.isStartElement()) continue;
        const QString element = reader.name().toString();
        if (element == "question") {
            questions.emplace_back().type = reader.attributes().value("type").toString();
        } else if (element == "file") {
            const QString name = reader.attributes().value("name").toString();
            questions.back().files.append(
                {name, QByteArray::fromBase64(reader.readElementText().toLatin1())});
            continue;
        } else if (element == "text") {
            const QString text = reader.readElementText();
            const QString within = open.last();
            Question& question = questions.back();
            if (within == "name" || within == "category") question.name = text;
            if (within == "questiontext") question.text = text;
            if (within == "generalfeedback") question.feedback = text;
            if (within == "answer") question.answers.append(text);
            continue;
        }
        open.append(element);
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return questions;
}

// A blank of a cloze text, and the marks a response to it earns, as Moodle
// grades it: a number within the tolerance, or a word equal to a right one
// but for case.
struct Blank {
    int mark = 0;
    bool numerical = false;
    QStringList right;

    int Grade(const QString& response) const {
        for (const QString& answer : right) {
            const QStringList valueTolerance = answer.split(':');
            const bool matches =
                numerical ? std::abs(response.toDouble() - valueTolerance[0].toDouble()) <=
                                valueTolerance.value(1).toDouble()
                          : response.compare(answer, Qt::CaseInsensitive) == 0;
            if (matches) return mark;
        }
        return 0;
    }
};

std::vector<Blank> Blanks(const QString& text) {
    static const QRegularExpression blank(R"(\{(\d+):(NUMERICAL|SHORTANSWER):((?:\\.|[^}])*)\})");
    std::vector<Blank> blanks;
    for (const auto& match : blank.globalMatch(text)) {
        Blank parsed{match.captured(1).toInt(), match.captured(2) == "NUMERICAL", {}};
        for (QString answer : match.captured(3).split(QRegularExpression(R"((?<!\\)~)"))) {
            if (answer.startsWith('=')) parsed.right.append(answer.mid(1).remove('\\'));
        }
        blanks.push_back(parsed);
    }
    return blanks;
}

int Score(const std::vector<Blank>& blanks, const QStringList& responses) {
    int score = 0;
    for (std::size_t k = 0; k < blanks.size(); ++k) score += blanks[k].Grade(responses[k]);
    return score;
}

// What a student copying the program's step table types, cell by cell: the
// distance without its predecessors, "∞", a dash for a node chosen before,
// the chosen node; nothing for the start row's chosen cell, which is empty.
QStringList TableResponses(const graph::AdjacencyMatrix& adjacency) {
    QStringList rows =
        QString::fromStdString(graph::DijkstraStepsText(graph::FindDijkstraSteps(adjacency)))
            .split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    QStringList responses;
    for (const QString& row : rows) {
        const QStringList cells = row.split('\t');
        for (qsizetype k = 1; k < cells.size(); ++k) {
            const bool chosenColumn = k == cells.size() - 1;
            if (chosenColumn && cells[k].isEmpty()) continue;
            responses.append(cells[k].isEmpty() ? "-" : cells[k].section(' ', 0, 0).remove('*'));
        }
    }
    return responses;
}

class Quiz : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(root_); }
    void TearDown() override { fs::remove_all(root_); }

    std::string Path(const std::string& name) const { return (root_ / name).string(); }

    const fs::path root_ =
        fs::path(::testing::TempDir()) / ("graphway_moodle_" + std::to_string(getpid()));
};

std::string Contents(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

TEST_F(Quiz, SetReadBackWithTheProgramsAnswers) {
    const std::string set = Path("set 5"), out = Path("quiz.xml");
    ASSERT_EQ(RunGraphway({"--generate", "5", "--nodes", "7", "--unique-table", "--seed", "3",
                           "--out", set})
                  .exitStatus,
              0);
    const auto result = RunGraphway({"--moodle", out, "--name", "Контр/1 <&>]]>", set});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    ASSERT_EQ(std::system(("xmllint --noout '" + out + "'").c_str()), 0);

    const std::string xml = Contents(out);
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    const std::vector<Question> questions = ReadQuiz(QByteArray::fromStdString(xml));
    ASSERT_EQ(questions.size(), 1u + 5 * 3);
    EXPECT_EQ(questions[0].type, "category");
    EXPECT_EQ(questions[0].name, "$course$/top/Кратчайший путь/Контр//1 <&>]]>");
    for (int number = 1; number <= 5; ++number) {
        const std::string file = set + "/variant-0" + std::to_string(number) + ".json";
        const auto read = document::ReadGraphModel(Contents(file));
        const graph::AdjacencyMatrix& adjacency = std::get<document::GraphModel>(read).adjacency;
        const graph::ShortestWay way = *graph::FindShortestWay(adjacency);
        const QString length = QString::number(way.length);
        const QString dashed = QString::fromStdString(graph::WayText(way.way));
        const QStringList spellings = {dashed, QString(dashed).replace('-', ' '),
                                       QString(dashed).replace('-', "–"),
                                       QString(dashed).replace('-', "—")};
        const QString picture = QString("variant-0%1.png").arg(number);
        const QString title = QString("Вариант %1: ").arg(number);
        const Question* variant = &questions[3 * number - 2];
        const QStringList names = {"длина пути", "путь", "таблица Дейкстры"};
        const QStringList types = {"numerical", "shortanswer", "cloze"};
        for (int k = 0; k < 3; ++k) {
            const Question& question = variant[k];
            EXPECT_EQ(question.type, types[k]);
            EXPECT_EQ(question.name, title + names[k]);
            EXPECT_TRUE(question.feedback.contains(dashed) && question.feedback.contains(length));
            ASSERT_EQ(question.files.size(), 1);
            EXPECT_EQ(question.files[0].first, picture);
            EXPECT_EQ(QImage::fromData(question.files[0].second, "PNG").size(), QSize(400, 400));
            static const QRegularExpression image(R"re(<img src="([^"]*)" alt="([^"]+)")re");
            const auto shown = image.match(question.text);
            EXPECT_EQ(shown.captured(1), "@@PLUGINFILE@@/" + picture);
            for (std::size_t u = 0; u < adjacency.size(); ++u) {
                for (std::size_t v = u + 1; v < adjacency.size(); ++v) {
                    if (adjacency[u][v] < 0) continue;
                    EXPECT_TRUE(shown.captured(2).contains(
                        QString("%1–%2 (%3)").arg(u + 1).arg(v + 1).arg(adjacency[u][v])));
                }
            }
        }
        EXPECT_EQ(variant[0].answers, QStringList{length});
        EXPECT_EQ(variant[1].answers, spellings);

        const std::vector<Blank> blanks = Blanks(variant[2].text);
        QStringList responses = TableResponses(adjacency);
        const std::size_t rows = graph::FindDijkstraSteps(adjacency).steps.size();
        EXPECT_EQ(blanks.size(), rows * adjacency.size() + rows - 1);
        ASSERT_EQ(blanks.size(), static_cast<std::size_t>(responses.size()));
        EXPECT_EQ(Score(blanks, responses), static_cast<int>(blanks.size()));
        for (qsizetype k = 0; k < responses.size(); ++k) {
            const QString kept = responses[k];
            bool number = false;
            const int value = kept.toInt(&number);
            responses[k] = number ? QString::number(value + 1) : kept == "-" ? "∞" : "7";
            EXPECT_EQ(Score(blanks, responses), static_cast<int>(blanks.size()) - 1) << k;
            responses[k] = kept;
        }
    }

    const auto gift = RunGraphway({"--moodle", Path("quiz.gift.txt"), set});
    EXPECT_EQ(gift.exitStatus, 0);
    const std::string text = Contents(Path("quiz.gift.txt"));
    EXPECT_TRUE(text.starts_with("$CATEGORY: $course$/top/Кратчайший путь/set 5\n"));
    EXPECT_NE(text.find("::Вариант 5\\: путь::"), std::string::npos);
}

TEST_F(Quiz, TiesLeaveTheTableOutAndAmbiguousWaysAreRefused) {
    std::ofstream(Path("tie.json")) << R"({"matrix": [["", 1, 1, ""], [1, "", "", 1],
                                                      [1, "", "", 5], ["", 1, 5, ""]]})";
    std::ofstream(Path("two.json")) << R"({"matrix": [["", 1, 1, ""], [1, "", "", 1],
                                                      [1, "", "", 1], ["", 1, 1, ""]]})";
    const auto tie = RunGraphway({"--moodle", Path("tie.xml"), Path("tie.json")});
    EXPECT_EQ(tie.out, "1\t1-2-4\t2\n");
    const auto questions = ReadQuiz(QByteArray::fromStdString(Contents(Path("tie.xml"))));
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[2].type, "shortanswer");

    const auto again = RunGraphway({"--moodle", Path("tie.xml"), Path("tie.json")});
    EXPECT_EQ(again.exitStatus, 2);
    EXPECT_EQ(again.err, Path("tie.xml") +
                             " exists already; give --moodle a new file's name, so that no file "
                             "is replaced.\n");
    const auto two = RunGraphway({"--moodle", Path("two.xml"), Path("two.json")});
    EXPECT_EQ(two.exitStatus, 2);
    EXPECT_EQ(two.err, Path("two.json") +
                           " has more than one shortest way from node 1 to node 4, so its way "
                           "question would have more than one answer.\n");
    EXPECT_FALSE(fs::exists(Path("two.xml")));
}

}  // namespace
