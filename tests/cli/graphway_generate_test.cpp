// graphway --generate end to end: a set written into a new folder, each
// variant's file answering as its line says, the key agreeing, the same
// options writing the same bytes; and every refusal one line on standard
// error with nothing written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "tests/cli/graphway_process.h"

namespace {

namespace fs = std::filesystem;
using cli_test::RunGraphway;

// A folder of this test process's own, removed at the end.
class Scratch : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(root_); }

    std::string Folder(const std::string& name) const { return (root_ / name).string(); }

    const fs::path root_ =
        fs::path(::testing::TempDir()) / ("graphway_generate_" + std::to_string(getpid()));
};

std::string Contents(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The files graphway writes into `folder` by name, and as "stdout" what it
// prints.
std::map<std::string, std::string> Generate(const std::string& folder, const std::string& seed) {
    const auto result = RunGraphway({"--generate", "30", "--nodes", "8", "--weights", "2..30",
                                     "--unique-table", "--seed", seed, "--out", folder});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    std::map<std::string, std::string> written{{"stdout", result.out}};
    for (const auto& entry : fs::directory_iterator(folder)) {
        written[entry.path().filename().string()] = Contents(entry.path());
    }
    return written;
}

TEST_F(Scratch, SetWhoseFilesAnswerAsItsLinesSay) {
    const auto written = Generate(Folder("class/set"), "5");
    ASSERT_EQ(written.size(), 32u);
    std::istringstream lines(written.at("stdout"));
    std::string key = "variant;way;length\n";
    for (int number = 1; number <= 30; ++number) {
        std::string variant, way, length;
        std::getline(lines, variant, '\t') && std::getline(lines, way, '\t') &&
            std::getline(lines, length);
        EXPECT_EQ(variant, std::to_string(number));
        const std::string file = (number < 10 ? "variant-0" : "variant-") + variant + ".json";
        EXPECT_EQ(RunGraphway({}, written.at(file)).out, way + "\nДлина: " + length + "\n");
        key += variant + ';' + way + ';' + length + '\n';
    }
    EXPECT_EQ(written.at("key.csv"), key);
    EXPECT_EQ(Generate(Folder("again"), "5"), written);
    EXPECT_NE(Generate(Folder("other"), "6"), written);
}

TEST_F(Scratch, RefusalsWriteNothing) {
    const std::string out = Folder("out");
    fs::create_directories(Folder("full"));
    std::ofstream(Folder("full/task.json")) << "{}";
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--generate", "3", "--nodes", "5", "--out", Folder("full")},
         "The folder " + Folder("full") +
             " is not empty; give --out a new or empty folder, so that no file is replaced."},
        {{"--generate", "2", "--nodes", "4", "--weights", "1..1", "--out", out},
         "Only 1 of the 2 variants could be made, each different from the others with one "
         "shortest way of at least 3 links: widen --weights, raise --nodes, lower --min-links or "
         "ask for fewer variants."},
        {{"--generate", "3", "--nodes", "5", "--min-links", "9", "--out", out},
         "A way through 5 nodes has at most 4 links: lower --min-links to 4 or raise --nodes."},
        {{"--generate", "99999999999999999999", "--nodes", "5", "--out", out},
         "A set has 1 to 200 variants: give --generate a number in that range."},
        {{"--generate", "3", "--nodes", "5", "--weights", "1-20", "--out", out},
         "--weights 1-20 is not a range A..B such as 1..20."},
        {{"--generate", "3", "--out", out},
         "--generate needs --nodes K, the number of nodes of each variant."},
        {{"--generate", "3", "--nodes", "5", "--out", out, "g.json"},
         "--generate reads no graph, so the file g.json cannot go with it."},
        {{"--seed", "3", "g.json"}, "--seed belongs to --generate."},
    };
    for (const auto& c : cases) {
        const auto result = RunGraphway(c.arguments);
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.error + "\n");
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder("full")), {}), 1);
}

}  // namespace
