// A class set as Moodle XML and as GIFT; see moodle_quiz.h.
#include "document/moodle_quiz.h"

#include <simdjson.h>

#include <algorithm>
#include <cstddef>

#include "document/class_set_files.h"
#include "graph/dijkstra_steps.h"
#include "graph/graph_in_words.h"

namespace document {

namespace {

constexpr std::string_view kCategoryRoot = "$course$/top/Кратчайший путь/";
// Moodle's category names hold at most this many characters.
constexpr std::size_t kLongestName = 255;

// Moodle splits a category path at "/" and reads "//" as a "/" of a name.
std::string CategoryPath(std::string_view name) {
    std::string path(kCategoryRoot);
    for (const char c : name) {
        path += c;
        if (c == '/') path += '/';
    }
    return path;
}

std::string Base64(std::string_view bytes) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t k = 0; k < bytes.size(); k += 3) {
        const std::size_t taken = std::min<std::size_t>(3, bytes.size() - k);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            group = group << 8 | (i < taken ? static_cast<unsigned char>(bytes[k + i]) : 0u);
        }
        for (std::size_t i = 0; i < 4; ++i) {
            text += i <= taken ? kDigits[group >> (18 - 6 * i) & 63] : '=';
        }
    }
    return text;
}

// `text` as XML character data in CDATA, a "]]>" in it split across two
// sections, as Moodle's own export writes it.
std::string CData(std::string_view text) {
    std::string data = "<![CDATA[";
    for (std::size_t k = 0; k < text.size(); ++k) {
        data += text[k];
        if (text.substr(k, 3) == "]]>") data += "]]><![CDATA[";
    }
    return data + "]]>";
}

// Plain where escaping would change nothing, in CDATA otherwise, as Moodle
// writes it.
std::string XmlText(std::string_view text) {
    return text.find_first_of("&<>") == std::string_view::npos ? std::string(text) : CData(text);
}

std::string HtmlEscaped(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

// `text` with a backslash before each of the characters a format reserves.
std::string Escaped(std::string_view text, std::string_view reserved) {
    std::string escaped;
    for (const char c : text) {
        if (reserved.find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// A cloze answer with the characters the blank's syntax uses escaped.
std::string ClozeAnswer(std::string_view answer) { return Escaped(answer, "}#~/\"\\"); }

std::string NumberBlank(std::int64_t value) {
    return "{1:NUMERICAL:=" + std::to_string(value) + ":0}";
}

std::string WordBlank(const std::vector<std::string_view>& answers) {
    std::string blank = "{1:SHORTANSWER:";
    for (std::size_t k = 0; k < answers.size(); ++k) {
        blank += (k == 0 ? "=" : "~=") + ClozeAnswer(answers[k]);
    }
    return blank + "}";
}

std::string GiftEscaped(std::string_view text) { return Escaped(text, "~=#{}:"); }

std::string JoinedWay(const graph::Way& way, std::string_view separator) {
    std::string text;
    for (std::size_t k = 0; k < way.size(); ++k) {
        if (k > 0) text += separator;
        text += std::to_string(way[k] + 1);
    }
    return text;
}

// Every spelling of the way a student may type.
std::vector<std::string> WaySpellings(const graph::Way& way) {
    return {graph::WayText(way), JoinedWay(way, " "), JoinedWay(way, "–"), JoinedWay(way, "—")};
}

std::string LastNode(const graph::ClassVariant& variant) {
    return std::to_string(variant.adjacency.size());
}

std::string Feedback(const graph::ClassVariant& variant) {
    return "Кратчайший путь: " + graph::WayText(variant.way.way) + ", его длина " +
           std::to_string(variant.way.length) + ".";
}

constexpr std::string_view kWeightsNote = " Числа у связей на рисунке — их веса.";

std::string LengthTask(const graph::ClassVariant& variant) {
    return "Найдите длину кратчайшего пути из узла 1 в узел " + LastNode(variant) + ".";
}

std::string WayTask(const graph::ClassVariant& variant) {
    return "Найдите кратчайший путь из узла 1 в узел " + LastNode(variant) +
           " и запишите номера его узлов по порядку через дефис, начиная с 1.";
}

std::string TableTask(const graph::ClassVariant& variant) {
    return "Заполните таблицу алгоритма Дейкстры для поиска кратчайшего пути из узла 1 в узел " +
           LastNode(variant) +
           ". Шаг 0 — начальные расстояния; в строке каждого следующего шага — расстояния "
           "после того, как выбран узел этого шага и просмотрены его связи. Узел, ещё не "
           "достигнутый, — ∞ (или inf), узел, выбранный на прежнем шаге, — прочерк «-». В "
           "столбце «" +
           std::string(graph::kChosenHeader) + "» — номер выбранного узла.";
}

// The program's step table with a blank in every cell but the start row's
// chosen one: a distance and the chosen node as numbers, a node not reached
// as "∞", a node chosen at an earlier step as a dash.
std::string StepTableHtml(const graph::AdjacencyMatrix& adjacency) {
    const std::size_t n = adjacency.size();
    std::string html = "<table border=\"1\" cellpadding=\"4\"><thead><tr><th>" +
                       std::string(graph::kStepHeader) + "</th>";
    for (std::size_t v = 1; v <= n; ++v) html += "<th>" + std::to_string(v) + "</th>";
    html += "<th>" + std::string(graph::kChosenHeader) + "</th></tr></thead><tbody>";
    const graph::DijkstraSteps steps = graph::FindDijkstraSteps(adjacency);
    for (std::size_t row = 0; row < steps.steps.size(); ++row) {
        const graph::DijkstraStep& step = steps.steps[row];
        html += "<tr><td>" + std::to_string(row) + "</td>";
        for (std::size_t v = 0; v < n; ++v) {
            const graph::StepCell& cell = step.cells[v];
            const bool chosenBefore =
                cell.settled && (!step.settled || static_cast<std::size_t>(*step.settled) != v);
            html += "<td>" +
                    (chosenBefore     ? WordBlank({"-", "–", "—"})
                     : !cell.distance ? WordBlank({"∞", "inf", "-"})
                                      : NumberBlank(*cell.distance)) +
                    "</td>";
        }
        html +=
            "<td>" + (step.settled ? NumberBlank(*step.settled + 1) : std::string()) + "</td></tr>";
    }
    return html + "</tbody></table>";
}

struct Picture {
    std::string fileName;
    std::string alt;
    std::string base64;
};

struct Question {
    std::string_view type;
    std::string name;
    // The task, HTML, over the picture, and what goes under it.
    std::string task;
    std::string under;
    // The elements after the common ones: usecase, answers.
    std::string answers;
    bool graded = true;
};

void AppendQuestion(std::string& xml, const Question& question, const Picture& picture,
                    const std::string& feedback) {
    xml += "  <question type=\"" + std::string(question.type) + "\">\n";
    xml += "    <name>\n      <text>" + XmlText(question.name) + "</text>\n    </name>\n";
    xml +=
        "    <questiontext format=\"html\">\n      <text>" +
        CData(question.task + "<p><img src=\"@@PLUGINFILE@@/" + picture.fileName + "\" alt=\"" +
              HtmlEscaped(picture.alt) + "\" width=\"400\" height=\"400\"></p>" + question.under) +
        "</text>\n";
    xml += "      <file name=\"" + picture.fileName + "\" path=\"/\" encoding=\"base64\">" +
           picture.base64 + "</file>\n    </questiontext>\n";
    xml += "    <generalfeedback format=\"html\">\n      <text>" +
           CData("<p>" + HtmlEscaped(feedback) + "</p>") + "</text>\n    </generalfeedback>\n";
    if (question.graded) xml += "    <defaultgrade>1</defaultgrade>\n";
    xml += "    <penalty>0.3333333</penalty>\n    <hidden>0</hidden>\n";
    xml += question.answers;
    xml += "  </question>\n";
}

std::string Answer(std::string_view text, std::string_view more = {}) {
    return "    <answer fraction=\"100\" format=\"moodle_auto_format\">\n      <text>" +
           XmlText(text) + "</text>\n" + std::string(more) + "    </answer>\n";
}

std::string Paragraph(std::string_view text) { return "<p>" + HtmlEscaped(text) + "</p>"; }

}  // namespace

std::string DefaultQuizName(std::uint64_t seed) { return "Набор " + std::to_string(seed); }

bool IsQuizName(std::string_view name) {
    if (name.empty() || !simdjson::validate_utf8(name.data(), name.size())) return false;
    std::size_t characters = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
        if ((byte & 0xC0) != 0x80) ++characters;
    }
    // U+FFFE and U+FFFF are not XML characters.
    return characters <= kLongestName && name.find("\xEF\xBF\xBE") == std::string_view::npos &&
           name.find("\xEF\xBF\xBF") == std::string_view::npos;
}

std::string PictureFileName(int number, int variants) {
    std::string name = VariantFileName(number, variants);
    return name.replace(name.rfind('.'), std::string::npos, ".png");
}

bool HasOneTableForm(const graph::AdjacencyMatrix& adjacency) {
    graph::DijkstraRun run(adjacency);
    while (!run.Finished()) {
        const std::vector<std::int32_t> least = run.Least();
        if (least.size() > 1) return false;
        run.Choose(least.front());
        if (least.front() != 0 && run.Cells()[least.front()].predecessors.size() != 1) {
            return false;
        }
    }
    return true;
}

std::string MoodleXmlText(const std::vector<graph::ClassVariant>& set, const QuizHeading& heading,
                          const VariantPicture& picture) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    xml += "  <question type=\"category\">\n    <category>\n      <text>" +
           XmlText(CategoryPath(heading.name)) + "</text>\n    </category>\n  </question>\n";
    const int variants = static_cast<int>(set.size());
    for (int number = 1; number <= variants; ++number) {
        const graph::ClassVariant& variant = set[number - 1];
        const Picture shown{PictureFileName(number, variants),
                            graph::GraphInWords(variant.adjacency), Base64(picture(variant))};
        const std::string title = "Вариант " + std::to_string(number) + ": ";
        const std::string feedback = Feedback(variant);

        AppendQuestion(
            xml,
            {"numerical", title + "длина пути",
             Paragraph(LengthTask(variant) + std::string(kWeightsNote)), "",
             Answer(std::to_string(variant.way.length), "      <tolerance>0</tolerance>\n")},
            shown, feedback);

        std::string ways = "    <usecase>0</usecase>\n";
        for (const std::string& spelling : WaySpellings(variant.way.way)) ways += Answer(spelling);
        AppendQuestion(xml,
                       {"shortanswer", title + "путь",
                        Paragraph(WayTask(variant) + std::string(kWeightsNote)), "", ways},
                       shown, feedback);

        if (heading.uniqueTable) {
            AppendQuestion(xml,
                           {"cloze", title + "таблица Дейкстры",
                            Paragraph(TableTask(variant) + std::string(kWeightsNote)),
                            StepTableHtml(variant.adjacency), "", false},
                           shown, feedback);
        }
    }
    return xml + "</quiz>\n";
}

std::string GiftText(const std::vector<graph::ClassVariant>& set, const QuizHeading& heading) {
    std::string gift = "$CATEGORY: " + CategoryPath(heading.name) + "\n";
    for (std::size_t k = 0; k < set.size(); ++k) {
        const graph::ClassVariant& variant = set[k];
        const std::string title = "::Вариант " + std::to_string(k + 1) + GiftEscaped(": ");
        const std::string words = " " + GiftEscaped(graph::GraphInWords(variant.adjacency));
        const std::string feedback = "####" + GiftEscaped(Feedback(variant)) + "}\n";
        gift += "\n" + title + "длина пути::" + GiftEscaped(LengthTask(variant)) + words + " {#" +
                std::to_string(variant.way.length) + ":0" + feedback;
        gift += "\n" + title + "путь::" + GiftEscaped(WayTask(variant)) + words + " {";
        for (const std::string& spelling : WaySpellings(variant.way.way)) {
            gift += "=" + GiftEscaped(spelling) + " ";
        }
        gift += feedback;
    }
    return gift;
}

}  // namespace document
