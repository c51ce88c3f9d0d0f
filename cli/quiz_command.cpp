// graphway --moodle; see quiz_command.h.
#include "cli/quiz_command.h"

#include <algorithm>
#include <filesystem>
#include <variant>

#include "cli/fault_text.h"
#include "cli/input_text.h"
#include "cli/new_file.h"
#include "cli/picture_module.h"
#include "document/graph_document.h"
#include "document/moodle_quiz.h"
#include "graph/class_set.h"
#include "graph/node_layout.h"
#include "graph/way_distances.h"
#include "graph/way_search.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kGiftEnding = ".gift.txt";

// The files to read: a folder's variant-*.json in name order, which is the
// variants' order since their numbers have one width within a set.
std::vector<std::string> GraphFiles(const std::vector<std::string>& inputs) {
    std::vector<std::string> files;
    for (const std::string& input : inputs) {
        std::error_code error;
        if (!fs::is_directory(input, error)) {
            files.push_back(input);
            continue;
        }
        std::vector<std::string> variants;
        for (const fs::directory_entry& entry : fs::directory_iterator(input, error)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("variant-") && name.ends_with(".json")) {
                variants.push_back(entry.path().string());
            }
        }
        if (error) throw QuizError("Cannot read the folder " + input + ": " + error.message());
        if (variants.empty()) throw QuizError("The folder " + input + " holds no variant-*.json");
        std::sort(variants.begin(), variants.end());
        files.insert(files.end(), variants.begin(), variants.end());
    }
    if (files.size() > static_cast<std::size_t>(graph::kMostVariants)) {
        throw QuizError("A quiz holds at most " + std::to_string(graph::kMostVariants) +
                        " variants, but " + std::to_string(files.size()) + " graphs were given");
    }
    return files;
}

// Whether no other simple way is as short as `way`: every link that some
// shortest way uses joins two nodes next to each other on it, and a way
// along those links alone is `way` itself.
bool IsOnlyShortestWay(const graph::AdjacencyMatrix& adjacency, const graph::Way& way) {
    const auto links = graph::LinksOnShortestWays(adjacency, graph::FindWayDistances(adjacency));
    return std::all_of(links.begin(), links.end(), [&](const graph::Link& link) {
        for (std::size_t k = 0; k + 1 < way.size(); ++k) {
            if ((way[k] == link.from && way[k + 1] == link.to) ||
                (way[k] == link.to && way[k + 1] == link.from)) {
                return true;
            }
        }
        return false;
    });
}

graph::ClassVariant ReadVariant(const std::string& file) {
    const InputText input = ReadInputText(file);
    auto read = document::ReadGraphModel(input.Text(), true);
    if (const auto* fault = std::get_if<document::Fault>(&read)) {
        throw QuizError("Cannot read " + file + ": " + FaultMessage(*fault));
    }
    document::GraphModel& model = std::get<document::GraphModel>(read);
    const std::size_t n = model.adjacency.size();
    if (n > static_cast<std::size_t>(graph::kMostNodes)) {
        throw QuizError(file + " has " + std::to_string(n) + " nodes; a quiz takes at most " +
                        std::to_string(graph::kMostNodes) + ", as the window does");
    }
    const std::string last = std::to_string(n);
    std::optional<graph::ShortestWay> way = graph::FindShortestWay(model.adjacency);
    if (!way) throw QuizError(file + " has no way from node 1 to node " + last);
    if (!IsOnlyShortestWay(model.adjacency, way->way)) {
        throw QuizError(file + " has more than one shortest way from node 1 to node " + last +
                        ", so its way question would have more than one answer");
    }
    if (model.nodes.empty()) model.nodes = graph::CircleLayout(static_cast<int>(n));
    return {std::move(model.adjacency), std::move(model.nodes), std::move(*way)};
}

// The name of the folder `input` is or lies in.
std::string FolderName(const std::string& input) {
    std::error_code error;
    fs::path path = fs::absolute(input, error).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();
    return (fs::is_directory(path, error) ? path : path.parent_path()).filename().string();
}

}  // namespace

std::string WriteQuiz(const std::vector<std::string>& inputs, const std::string& out,
                      const std::string& name) {
    document::QuizHeading heading{name.empty() ? FolderName(inputs.front()) : name, true};
    if (!document::IsQuizName(heading.name)) {
        if (!name.empty()) {
            throw QuizError(
                "--name must be 1 to 255 characters of UTF-8 text without control "
                "characters");
        }
        heading.name = "Набор";
    }
    std::error_code error;
    if (fs::exists(fs::symlink_status(out, error))) {
        throw QuizError(out + " exists already; give --moodle a new file's name, so that no " +
                        "file is replaced");
    }
    std::vector<graph::ClassVariant> set;
    std::string lines;
    for (const std::string& file : GraphFiles(inputs)) {
        set.push_back(ReadVariant(file));
        heading.uniqueTable =
            heading.uniqueTable && document::HasOneTableForm(set.back().adjacency);
        lines += std::to_string(set.size()) + '\t' + graph::WayText(set.back().way.way) + '\t' +
                 std::to_string(set.back().way.length) + '\n';
    }
    WriteNewFile(out, out.ends_with(kGiftEnding)
                          ? document::GiftText(set, heading)
                          : document::MoodleXmlText(set, heading, LoadPictureModule()));
    return lines;
}

}  // namespace cli
