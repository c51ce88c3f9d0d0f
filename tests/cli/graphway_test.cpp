// graphway end to end: the built binary run on documents given through a
// file, "-" and standard input, its standard output, standard error and exit
// status checked together.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "tests/cli/graphway_process.h"

namespace {

using cli_test::RunGraphway;
using cli_test::RunResult;

constexpr int kWayFound = 0;
constexpr int kNoWay = 1;
constexpr int kFailed = 2;

// The window's sample graph: links 1-2 and 2-6 of weight 5, 1-6 of 20, given
// both ways; nodes 3 to 5 stand apart.
const std::string kSample = R"({"matrix": [
    [null, 5, "", "", "", 20],
    [5, null, "", "", "", 5],
    ["", "", null, "", "", ""],
    ["", "", "", null, "", ""],
    ["", "", "", "", null, ""],
    [20, 5, "", "", "", null]],
  "nodes": [[-60, 40], [40, 20], [20, -40], [-60, -40], [-20, -10], [80, 40]]})";

// A file in a directory of this test process's own, removed at the end.
class TempFile {
public:
    TempFile(const std::string& name, const std::string& text)
        : directory_(std::filesystem::path(::testing::TempDir()) /
                     ("graphway_test_" + std::to_string(getpid()))),
          path_((directory_ / name).string()) {
        std::filesystem::create_directories(directory_);
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
        std::filesystem::remove(directory_, ignored);
    }

    std::string Directory() const { return directory_.string(); }
    const std::string& Path() const { return path_; }

private:
    std::filesystem::path directory_;
    std::string path_;
};

void ExpectAnswer(const RunResult& result, int exitStatus, const std::string& out) {
    EXPECT_EQ(result.exitStatus, exitStatus);
    EXPECT_EQ(result.out, out);
    EXPECT_EQ(result.err, "");
}

TEST(GraphwayTest, SampleGraphFromEveryInput) {
    const TempFile file("sample.json", kSample);
    const std::string& path = file.Path();
    const std::string text = "1-2-6\nДлина: 10\n";
    const std::string json = "{\"way\": [1, 2, 6], \"length\": 10}\n";

    ExpectAnswer(RunGraphway({path}), kWayFound, text);
    ExpectAnswer(RunGraphway({"--json", path}), kWayFound, json);
    ExpectAnswer(RunGraphway({path, "--json"}), kWayFound, json);
    ExpectAnswer(RunGraphway({}, kSample), kWayFound, text);
    ExpectAnswer(RunGraphway({"-"}, kSample), kWayFound, text);
    ExpectAnswer(RunGraphway({"--json"}, kSample), kWayFound, json);
    ExpectAnswer(RunGraphway({"--json", "-"}, kSample), kWayFound, json);
}

// A file of megabytes is mapped rather than read: the same answer either way.
TEST(GraphwayTest, LargeFileAndLargeStandardInput) {
    constexpr int n = 600;
    std::string document = R"({"matrix": [)";
    std::string way;
    for (int i = 0; i < n; ++i) {
        document += i > 0 ? ",\n[" : "[";
        for (int j = 0; j < n; ++j) {
            if (j > 0) document += ", ";
            document += j == i + 1 ? "1" : "\"\"";
        }
        document += "]";
        way += (i > 0 ? "-" : "") + std::to_string(i + 1);
    }
    document += "]}";
    ASSERT_GT(document.size(), 1u << 20);
    const TempFile file("large.json", document);
    const std::string answer = way + "\nДлина: " + std::to_string(n - 1) + "\n";
    ExpectAnswer(RunGraphway({file.Path()}), kWayFound, answer);
    ExpectAnswer(RunGraphway({}, document), kWayFound, answer);
}

// More than graphway reads is refused before it is read.
TEST(GraphwayTest, FileOverOneGibibyte) {
    const TempFile file("huge.json", "");
    std::filesystem::resize_file(file.Path(), (std::uintmax_t{1} << 30) + 1);
    const RunResult result = RunGraphway({file.Path()});
    EXPECT_EQ(result.exitStatus, kFailed);
    EXPECT_EQ(result.err, "Cannot read file " + file.Path() +
                              ": it is larger than 1 GiB, the most graphway reads.\n");
}

TEST(GraphwayTest, FileNamedLikeAnOptionAfterDoubleDash) {
    const TempFile file("--json", kSample);
    ExpectAnswer(RunGraphway({"--", "--json"}, "", file.Directory()), kWayFound,
                 "1-2-6\nДлина: 10\n");
    ExpectAnswer(RunGraphway({"--json", "--", "--json"}, "", file.Directory()), kWayFound,
                 "{\"way\": [1, 2, 6], \"length\": 10}\n");
}

struct AnswerCase {
    const char* name;
    const char* document;
    int exitStatus;
    const char* text;
    const char* json;
};

const AnswerCase kAnswers[] = {
    // Nothing is mirrored: 2 -> 3 is missing, only 3 -> 2 is given, so the
    // cheap way round through node 2 cannot be taken.
    {"DirectedReverseMissing", R"({"matrix": [[null, 1, 10], [1, null, ""], [1, 1, null]]})",
     kWayFound, "1-3\nДлина: 10\n", R"({"way": [1, 3], "length": 10})"},
    {"DirectedForwardPresent", R"({"matrix": [[null, 1, 10], [1, null, 1], [1, "", null]]})",
     kWayFound, "1-2-3\nДлина: 2\n", R"({"way": [1, 2, 3], "length": 2})"},
    {"OnlyTheReverseLink", R"({"matrix": [["", ""], [7, ""]]})", kNoWay, "нет пути\n",
     R"({"way": null, "length": null})"},
    {"NullEmptyAndNegativeAreNoLink",
     R"({"matrix": [[0, null, "", -5], [1, 0, 1, "-1"], [1, 1, 0, "$FFFFFFFF"], [1, 1, 1, 0]]})",
     kNoWay, "нет пути\n", R"({"way": null, "length": null})"},
    {"ZeroWeightIsUsable", R"({"matrix": [[null, "0"], [null, null]]})", kWayFound,
     "1-2\nДлина: 0\n", R"({"way": [1, 2], "length": 0})"},
    {"CellsAsTheWindowReadsThem",
     R"({"matrix": [["", " 3", "x10", "+100"], ["", "", "0x1", "007"], ["", "", "", "$2"], ["", "", "", ""]]})",
     kWayFound, "1-2-3-4\nДлина: 6\n", R"({"way": [1, 2, 3, 4], "length": 6})"},
    {"DiagonalIsNotLookedAt", R"({"matrix": [["abc", 4, 9], [1, true, 4], [1, 1, {"x": [1.5]}]]})",
     kWayFound, "1-2-3\nДлина: 8\n", R"({"way": [1, 2, 3], "length": 8})"},
    {"EqualLengthsTakeTheFirstWay",
     R"({"matrix": [["", 1, 1, ""], ["", "", "", 1], ["", "", "", 1], ["", "", "", ""]]})",
     kWayFound, "1-2-4\nДлина: 2\n", R"({"way": [1, 2, 4], "length": 2})"},
    {"LengthBeyond32Bits", R"({"matrix": [[0, 2147483647, ""], [0, 0, "2147483647"], [0, 0, 0]]})",
     kWayFound, "1-2-3\nДлина: 4294967294\n", R"({"way": [1, 2, 3], "length": 4294967294})"},
    {"ExtremeIntegers",
     R"({"matrix": [[0, "-2147483648"], [0, 0]], "nodes": [[2147483647, "-2147483648"], ["$7FFFFFFF", -2147483648]]})",
     kNoWay, "нет пути\n", R"({"way": null, "length": null})"},
    {"KeysInAnyOrder", R"({"nodes": [[0, 0], ["1", " 2"]], "matrix": [[0, 3], [0, 0]]})", kWayFound,
     "1-2\nДлина: 3\n", R"({"way": [1, 2], "length": 3})"},
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class GraphwayAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(GraphwayAnswerTest, TextAndJson) {
    const AnswerCase& c = GetParam();
    ExpectAnswer(RunGraphway({}, c.document), c.exitStatus, c.text);
    ExpectAnswer(RunGraphway({"--json"}, c.document), c.exitStatus, std::string(c.json) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Documents, GraphwayAnswerTest, ::testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    std::string message;
};

const std::string kSquare = R"([[0, 1], [1, 0]])";

const ErrorCase kErrors[] = {
    // Cells that do not convert: the window's message, a full stop added.
    {"NotAnInteger",
     {},
     R"({"matrix": [[0, "abc"], [1, 0]]})",
     "'abc' is not a valid integer value."},
    {"SpacesOnly", {}, R"({"matrix": [[0, "  "], [1, 0]]})", "'  ' is not a valid integer value."},
    {"EmptyCoordinate",
     {},
     R"({"matrix": [[0, 1], [1, 0]], "nodes": [[1, 2], [3, ""]]})",
     "'' is not a valid integer value."},
    // Reading order: every source node's row in turn, so [0][2] before [1][0].
    {"FirstCellOfTheFirstRow",
     {},
     R"({"matrix": [[0, 1, "first"], ["second", 0, 1], [1, "third", 0]]})",
     "'first' is not a valid integer value."},
    // Every node is read before any link, wherever "nodes" stands.
    {"NodesBeforeLinks",
     {},
     R"({"matrix": [[0, "link"], [1, 0]], "nodes": [[1, 2], ["node", 3]]})",
     "'node' is not a valid integer value."},
    {"XBeforeY",
     {},
     R"({"matrix": )" + kSquare + R"(, "nodes": [["x", "y"], [1, 3]]})",
     "'x' is not a valid integer value."},
    {"NodeByNode",
     {},
     R"({"matrix": )" + kSquare + R"(, "nodes": [[1, "y"], ["x", 3]]})",
     "'y' is not a valid integer value."},
    {"ControlCharactersEscaped",
     {},
     R"({"matrix": [[0, "a\nb\u0001"], [1, 0]]})",
     R"('a\nb\x01' is not a valid integer value.)"},
    // A tab does not break the line, so it is shown as it is.
    {"TabKept",
     {},
     R"({"matrix": [[0, "a\tb\r"], [1, 0]]})",
     "'a\tb\\r' is not a valid integer value."},
    {"NulByteQuotedWhole",
     {},
     R"({"matrix": [[0, "1\u0000x"], [1, 0]]})",
     R"('1\x00x' is not a valid integer value.)"},
    // Cells that are not integers at all.
    {"Fraction",
     {},
     R"({"matrix": [[0, 1.5], [1, 0]]})",
     "matrix[0][1] holds 1.5, which is not an integer."},
    {"Exponent",
     {},
     R"({"matrix": [[0, 1], [1e3, 0]]})",
     "matrix[1][0] holds 1e3, which is not an integer."},
    {"Boolean",
     {},
     R"({"matrix": [[0, false], [1, 0]]})",
     "matrix[0][1] holds false, which is not an integer."},
    {"Object",
     {},
     R"({"matrix": [[0, {"a": 1}], [1, 0]]})",
     "matrix[0][1] holds an object, which is not an integer."},
    {"ArrayCell",
     {},
     R"({"matrix": [[0, [1]], [1, 0]]})",
     "matrix[0][1] holds an array, which is not an integer."},
    {"NullCoordinate",
     {},
     R"({"matrix": )" + kSquare + R"(, "nodes": [[1, 2], [null, 3]]})",
     "nodes[1][0] holds null, which is not an integer."},
    {"AboveRange",
     {},
     R"({"matrix": [[0, 2147483648], [1, 0]]})",
     "matrix[0][1] holds 2147483648, which is out of the signed 32-bit range."},
    {"BelowRange",
     {},
     R"({"matrix": [[0, -2147483649], [1, 0]]})",
     "matrix[0][1] holds -2147483649, which is out of the signed 32-bit range."},
    {"BeyondSixtyFourBits",
     {},
     R"({"matrix": [[0, 123456789012345678901234], [1, 0]]})",
     "matrix[0][1] holds 123456789012345678901234, which is out of the signed 32-bit range."},
    {"CellKindsInReadingOrder",
     {},
     R"({"matrix": [[0, 1, 2.5], ["abc", 0, 1], [1, 1, 0]]})",
     "matrix[0][2] holds 2.5, which is not an integer."},
    // Wrong shapes, reported before any cell.
    {"UnequalRows",
     {},
     R"({"matrix": [[0, "abc", 1], [1, 0], [1, 1, 0]]})",
     R"(matrix[1] has 2 cells, but "matrix" has 3 rows.)"},
    {"NotSquare",
     {},
     R"({"matrix": [[0, 1, 1], [1, 0, 1]]})",
     R"(matrix[0] has 3 cells, but "matrix" has 2 rows.)"},
    {"OneNode",
     {},
     R"({"matrix": [[0]]})",
     R"("matrix" has 1 row, but a graph needs at least 2 nodes.)"},
    {"NoNodes",
     {},
     R"({"matrix": []})",
     R"("matrix" has 0 rows, but a graph needs at least 2 nodes.)"},
    {"RowNotAnArray", {}, R"({"matrix": [[0, 1], 5]})", "matrix[1] is not an array."},
    {"MatrixNotAnArray",
     {},
     R"({"matrix": "[[0, 1], [1, 0]]"})",
     R"(The value of "matrix" is not an array.)"},
    {"NoMatrix",
     {},
     R"({"nodes": [[0, 0], [1, 1]]})",
     R"(The key "matrix" is missing from the document.)"},
    {"UnknownKey",
     {},
     R"({"matrix": )" + kSquare + R"(, "weights": []})",
     R"(Unknown key "weights" in the document.)"},
    {"UnknownKeyWithNulByte",
     {},
     R"({"matrix": )" + kSquare + R"(, "a\u0000b": 1})",
     R"(Unknown key "a\x00b" in the document.)"},
    {"RepeatedKey",
     {},
     R"({"matrix": )" + kSquare + R"(, "matrix": )" + kSquare + "}",
     R"(The key "matrix" appears twice in the document.)"},
    {"NotAnObject", {}, kSquare, "The document is not a JSON object."},
    {"TooFewPairs",
     {},
     R"({"matrix": )" + kSquare + R"(, "nodes": [[0, 0]]})",
     R"("nodes" has 1 pair, but "matrix" has 2 rows.)"},
    {"ThreeCoordinates",
     {},
     R"({"matrix": )" + kSquare + R"(, "nodes": [[0, 0], [1, 2, 3]]})",
     "nodes[1] has 3 coordinates instead of 2."},
    // Arguments.
    {"UnknownOption", {"--csv"}, "", "Unknown option --csv; graphway --help shows the usage."},
    {"TwoFiles",
     {"a.json", "b.json"},
     "",
     "Only one file can be read, but a.json and b.json were given."},
    {"MissingFile",
     {"/nonexistent/graph.json"},
     "",
     "Cannot open file /nonexistent/graph.json: No such file or directory."},
    {"Directory", {"/"}, "", "Cannot read file /: Is a directory."},
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class GraphwayErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(GraphwayErrorTest, OneLineOnStandardErrorOnly) {
    const ErrorCase& c = GetParam();
    for (const char* mode : {"", "--json"}) {
        std::vector<std::string> arguments = c.arguments;
        if (*mode != '\0') arguments.insert(arguments.begin(), mode);
        const RunResult result = RunGraphway(arguments, c.input);
        EXPECT_EQ(result.exitStatus, kFailed) << mode;
        EXPECT_EQ(result.out, "") << mode;
        EXPECT_EQ(result.err, c.message + "\n") << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, GraphwayErrorTest, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

// The parser's own wording is the library's; what is ours is the tag, the
// place of the fault and that it stays on one line.
TEST(GraphwayTest, MalformedJson) {
    const struct {
        std::string input;
        std::string start;
    } cases[] = {
        {"", "Malformed JSON: parse error at line 1, column 1: "},
        {R"({"matrix": [[0, 1], [1, 0])", "Malformed JSON: parse error at line 1, column 27: "},
        {"{\n  \"matrix\": [\n    [0, 1],\n    [1, 0]\n",
         "Malformed JSON: parse error at line 5, "},
        {R"({"matrix": [[0, 1], [1, 0]]} x)", "Malformed JSON: parse error at line 1, column 30: "},
        {R"({"matrix": [[0, 1], [1, 0,]]})", "Malformed JSON: parse error at line 1, column 27: "},
        // A raw line break inside a string is not JSON.
        {"{\"matrix\": [[0, \"a\nb\"], [1, 0]]}", "Malformed JSON: parse error at line 2, "},
        // Nor is text that is not UTF-8.
        {"{\"matrix\": [[0, \"\xFF\"], [1, 0]]}", "Malformed JSON: parse error at line 1, "},
    };
    for (const auto& c : cases) {
        const RunResult result = RunGraphway({}, c.input);
        EXPECT_EQ(result.exitStatus, kFailed) << c.input;
        EXPECT_EQ(result.out, "") << c.input;
        EXPECT_EQ(result.err.rfind(c.start, 0), 0u) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

TEST(GraphwayTest, HelpPrintsUsage) {
    for (const auto& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--json", "--help"}}) {
        const RunResult result = RunGraphway(arguments);
        EXPECT_EQ(result.exitStatus, kWayFound);
        EXPECT_EQ(result.out.rfind("Usage: graphway [--json] [FILE]\n", 0), 0u) << result.out;
        EXPECT_EQ(result.err, "");
    }
}

void ExpectUnreadable(const std::string& path, const std::string& reason) {
    for (const char* mode : {"", "--json"}) {
        const RunResult result =
            RunGraphway(*mode != '\0' ? std::vector<std::string>{mode, path} : std::vector{path});
        EXPECT_EQ(result.exitStatus, kFailed);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "Cannot open file " + path + ": " + reason + ".\n");
    }
}

TEST(GraphwayTest, UnreadableFile) {
    const TempFile file("locked.json", kSample);
    const std::string& path = file.Path();
    ExpectUnreadable(path + "/graph.json", "Not a directory");

    std::filesystem::permissions(path, std::filesystem::perms::none);
    const bool enforced = !std::ifstream(path).is_open();
    if (enforced) ExpectUnreadable(path, "Permission denied");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    if (!enforced) GTEST_SKIP() << "file permissions are not enforced for this user";
}

}  // namespace

namespace {

TEST(GraphwayTest, StepsAndCheckedTablesWithTheirExitStatuses) {
    const TempFile right("right.tsv",
                         "0\t∞\t∞\t∞\t∞\t∞\t\n0*\t5 (1)\t∞\t∞\t∞\t20 (1)\t1\n"
                         "\t5 (1)*\t∞\t∞\t∞\t10 (2)\t2\n\t\t∞\t∞\t∞\t10 (2)*\t6\n");
    const TempFile wrong("wrong.tsv",
                         "0\t∞\t∞\t∞\t∞\t∞\t\n0*\t5 (1)\t∞\t∞\t∞\t20 (1)\t1\n"
                         "\t5 (1)*\t∞\t∞\t∞\t20 (1)\t2\n");
    const TempFile narrow("narrow.tsv", "0\t∞\n");
    const TempFile empty("empty.tsv", "");
    const TempFile binary("binary.tsv", std::string("0\t\xff\0\n", 5));
    const struct {
        std::vector<std::string> arguments;
        int exitStatus;
        const char* out;
    } runs[] = {
        {{"--check", right.Path()}, kWayFound, ""},
        {{"--check", wrong.Path()},
         kNoWay,
         "step 2, node 6: via node 2 the distance 5 + 5 = 10 is less than 20\n"
         "the table stops: node 6 is not chosen yet\n"},
        {{"--check", empty.Path()}, kNoWay, "the table stops: node 6 is not chosen yet\n"},
        {{"--check", narrow.Path()}, kFailed, ""},
        {{"--check", binary.Path()}, kFailed, ""},
        {{"--check", narrow.Path() + ".missing"}, kFailed, ""},
        {{"--check"}, kFailed, ""},
    };
    for (const auto& run : runs) {
        const RunResult result = RunGraphway(run.arguments, kSample);
        EXPECT_EQ(result.exitStatus, run.exitStatus) << run.arguments.size();
        EXPECT_EQ(result.out, run.out);
        EXPECT_EQ(result.err.empty(), run.exitStatus != kFailed) << result.err;
    }
    const RunResult steps = RunGraphway({"--steps"}, kSample);
    EXPECT_EQ(steps.exitStatus, kWayFound);
    EXPECT_EQ(steps.out.substr(0, steps.out.find('\n')), "Шаг\t1\t2\t3\t4\t5\t6\tВыбран");
}

}  // namespace
