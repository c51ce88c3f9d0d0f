// graphway --generate; see class_set_command.h.
#include "cli/class_set_command.h"

#include <filesystem>
#include <variant>

#include "cli/new_file.h"
#include "document/class_set_files.h"
#include "document/graph_document.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

void CheckFolder(const std::string& folder) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::exists(status)) return;
    if (!fs::is_directory(status)) {
        throw SetError("Cannot write the set into " + folder + ": it is not a folder");
    }
    const bool empty = fs::is_empty(folder, error);
    if (error) throw SetError("Cannot read the folder " + folder + ": " + error.message());
    if (!empty) {
        throw SetError("The folder " + folder +
                       " is not empty; give --out a new or empty folder, so that no file is "
                       "replaced");
    }
}

}  // namespace

std::string SetFaultMessage(const graph::ClassSetFault& fault,
                            const graph::ClassSetParameters& parameters) {
    using Kind = graph::ClassSetFault::Kind;
    const std::string most = std::to_string(parameters.nodes - 1);
    switch (fault.kind) {
        case Kind::VariantCount:
            return "A set has 1 to " + std::to_string(graph::kMostVariants) +
                   " variants: give --generate a number in that range";
        case Kind::NodeCount:
            return "A variant has " + std::to_string(graph::kFewestVariantNodes) + " to " +
                   std::to_string(graph::kMostVariantNodes) +
                   " nodes: give --nodes a number in that range";
        case Kind::Weights:
            return "The weights must lie within 1.." +
                   std::to_string(graph::kHeaviestVariantWeight) +
                   ", the lightest first: change --weights";
        case Kind::MinLinks:
            if (parameters.minLinks < 1) return "A way has at least 1 link: raise --min-links";
            return "A way through " + std::to_string(parameters.nodes) + " nodes has at most " +
                   most + " links: lower --min-links to " + most + " or raise --nodes";
        case Kind::Unmet:
            return (fault.made == 0 ? std::string("No variant")
                                    : "Only " + std::to_string(fault.made) + " of the " +
                                          std::to_string(parameters.variants) + " variants") +
                   " could be made, each different from the others with one shortest way of at "
                   "least " +
                   std::to_string(parameters.minLinks) + " links" +
                   (parameters.uniqueTable ? " and one form of its table" : "") +
                   ": widen --weights, raise --nodes, lower --min-links" +
                   (parameters.uniqueTable ? ", leave out --unique-table" : "") +
                   " or ask for fewer variants";
        case Kind::Stopped:
            return "Stopped after " + std::to_string(fault.made) + " variants";
    }
    return {};
}

std::string WriteClassSet(const graph::ClassSetParameters& parameters, const std::string& folder) {
    if (const auto fault = graph::CheckClassSetParameters(parameters)) {
        throw SetError(SetFaultMessage(*fault, parameters));
    }
    CheckFolder(folder);
    const auto made = graph::MakeClassSet(parameters);
    if (const auto* fault = std::get_if<graph::ClassSetFault>(&made)) {
        throw SetError(SetFaultMessage(*fault, parameters));
    }
    const auto& set = std::get<std::vector<graph::ClassVariant>>(made);

    std::error_code error;
    fs::create_directories(folder, error);
    if (error) throw SetError("Cannot make the folder " + folder + ": " + error.message());
    std::string lines;
    for (std::size_t k = 0; k < set.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        WriteNewFile(fs::path(folder) / document::VariantFileName(number, parameters.variants),
                     document::WriteGraphTexts(document::VariantTexts(set[k])));
        lines += std::to_string(number) + '\t' + graph::WayText(set[k].way.way) + '\t' +
                 std::to_string(set[k].way.length) + '\n';
    }
    // Last, so that a key is only there for a whole set.
    WriteNewFile(fs::path(folder) / "key.csv", document::KeyText(set));
    return lines;
}

}  // namespace cli
