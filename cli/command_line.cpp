// Argument reading for graphway; see command_line.h.
#include "cli/command_line.h"

#include <charconv>
#include <climits>
#include <optional>
#include <set>

namespace cli {

namespace {

// The options that only --generate takes.
const std::set<std::string> kSetOptions = {"--nodes", "--weights", "--min-links",
                                           "--seed",  "--out",     "--unique-table"};

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A whole number written in decimal digits alone; nothing when it is beyond
// 64 bits.
std::optional<std::uint64_t> Digits(const std::string& option, const std::string& text) {
    if (!IsDigits(text)) throw UsageError(option + " " + text + " is not a whole number");
    std::uint64_t value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

int Count(const std::string& option, const std::string& text) {
    const std::optional<std::uint64_t> value = Digits(option, text);
    return !value || *value > INT_MAX ? INT_MAX : static_cast<int>(*value);
}

// Reads the value of a --generate option into `set`.
void ReadSetOption(const std::string& option, const std::string& value, CommandLine& line) {
    graph::ClassSetParameters& set = line.set;
    if (option == "--generate") {
        set.variants = Count(option, value);
    } else if (option == "--nodes") {
        set.nodes = Count(option, value);
    } else if (option == "--min-links") {
        set.minLinks = Count(option, value);
    } else if (option == "--seed") {
        const std::optional<std::uint64_t> seed = Digits(option, value);
        if (!seed) throw UsageError("--seed " + value + " is beyond 18446744073709551615");
        set.seed = *seed;
    } else if (option == "--weights") {
        const std::size_t dots = value.find("..");
        const std::string lightest = value.substr(0, dots);
        const std::string heaviest = dots == std::string::npos ? "" : value.substr(dots + 2);
        if (!IsDigits(lightest) || !IsDigits(heaviest)) {
            throw UsageError("--weights " + value + " is not a range A..B such as 1..20");
        }
        set.lightest = Count(option, lightest);
        set.heaviest = Count(option, heaviest);
    } else {
        if (value.empty()) throw UsageError("--out needs the name of a folder");
        line.folder = value;
    }
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool fileGiven = false;
    bool optionsEnded = false;
    std::set<std::string> given;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        const bool isTask = argument == "--steps" || argument == "--check" ||
                            argument == "--generate" || argument == "--moodle";
        if (isOption && (isTask || kSetOptions.count(argument) != 0 || argument == "--name")) {
            if (!given.insert(argument).second) throw UsageError(argument + " is given twice");
        }
        if (isOption && isTask) {
            if (line.task != CommandLine::Task::Way) {
                throw UsageError(
                    "Only one of --steps, --check, --generate and --moodle can be given");
            }
            line.task = argument == "--steps"      ? CommandLine::Task::Steps
                        : argument == "--check"    ? CommandLine::Task::Check
                        : argument == "--generate" ? CommandLine::Task::Generate
                                                   : CommandLine::Task::Moodle;
            if (line.task == CommandLine::Task::Moodle) {
                if (++k == arguments.size() || arguments[k].empty()) {
                    throw UsageError("--moodle needs the name of the quiz file to write");
                }
                line.quiz = arguments[k];
            } else if (line.task == CommandLine::Task::Check) {
                if (++k == arguments.size()) throw UsageError("--check needs the table's file");
                line.table = arguments[k];
            } else if (line.task == CommandLine::Task::Generate) {
                if (++k == arguments.size())
                    throw UsageError("--generate needs the number of variants");
                ReadSetOption(argument, arguments[k], line);
            }
        } else if (isOption && argument == "--name") {
            if (++k == arguments.size() || arguments[k].empty()) {
                throw UsageError("--name needs the set's name");
            }
            line.quizName = arguments[k];
        } else if (isOption && argument == "--unique-table") {
            line.set.uniqueTable = true;
        } else if (isOption && kSetOptions.count(argument) != 0) {
            if (++k == arguments.size()) throw UsageError(argument + " needs a value");
            ReadSetOption(argument, arguments[k], line);
        } else if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (isOption && argument == "--json") {
            line.json = true;
        } else if (isOption) {
            throw UsageError("Unknown option " + argument + "; graphway --help shows the usage");
        } else if (fileGiven && line.task != CommandLine::Task::Moodle) {
            throw UsageError("Only one file can be read, but " + line.input + " and " + argument +
                             " were given");
        } else {
            if (!fileGiven) line.input = argument;
            line.inputs.push_back(argument);
            fileGiven = true;
        }
    }
    if (given.count("--name") != 0 && line.task != CommandLine::Task::Moodle) {
        throw UsageError("--name belongs to --moodle");
    }
    if (line.task == CommandLine::Task::Moodle && line.json) {
        throw UsageError("--moodle writes a file, so --json cannot go with it");
    }
    if (line.task == CommandLine::Task::Moodle && !fileGiven) {
        throw UsageError("--moodle needs graph files or a class set's folder to read");
    }
    if (line.task != CommandLine::Task::Generate) {
        for (const std::string& option : given) {
            if (kSetOptions.count(option) != 0) throw UsageError(option + " belongs to --generate");
        }
    } else if (fileGiven || line.json) {
        throw UsageError("--generate reads no graph, so " +
                         (fileGiven ? "the file " + line.input : std::string("--json")) +
                         " cannot go with it");
    } else if (given.count("--nodes") == 0) {
        throw UsageError("--generate needs --nodes K, the number of nodes of each variant");
    } else if (given.count("--out") == 0) {
        throw UsageError("--generate needs --out DIR, the folder the set is written into");
    }
    return line;
}

std::string UsageText() {
    return "Usage: graphway [--json] [FILE]\n"
           "       graphway --steps [--json] [FILE]\n"
           "       graphway --check TABLE [FILE]\n"
           "       graphway --generate N --nodes K [--weights A..B] [--min-links L]\n"
           "                [--seed S] [--unique-table] --out DIR\n"
           "       graphway --moodle OUT [--name NAME] FILE...\n"
           "       graphway --help\n"
           "\n"
           "Finds the shortest way from node 1 to the last node of the graph in FILE,\n"
           "or in standard input when FILE is absent or \"-\".\n"
           "\n"
           "The document is one JSON object:\n"
           "  {\"matrix\": [[cell, ...], ...], \"nodes\": [[x, y], ...]}\n"
           "\"matrix\" holds n rows of n cells (n >= 2); matrix[i][j] is the weight of the\n"
           "link from node i+1 to node j+1, nothing is mirrored. A cell is an integer text\n"
           "as typed into the window (\"\" for no link, \" 12\", \"$1F\", \"-5\"), a JSON\n"
           "integer, or null for no link; negative weights mean no link, the diagonal is\n"
           "ignored. \"nodes\" is optional: n pairs of integer coordinates, checked only.\n"
           "\n"
           "Output: the way (\"1-2-6\") and \"Длина: <length>\", or \"нет пути\".\n"
           "  --json   print {\"way\": [1, 2, 6], \"length\": 10} or\n"
           "           {\"way\": null, \"length\": null} instead\n"
           "  --help   print this text\n"
           "\n"
           "--steps prints Dijkstra's search from node 1 step by step, as the window's\n"
           "step table copies it: tab-separated, one row a step, each cell a node's\n"
           "distance with its predecessors, the nodes already chosen that give it\n"
           "(\"10 (2, 4)\"), \"*\" where it is chosen; with --json the rows as objects.\n"
           "Rows are written as they are found, so any size of graph fits in memory.\n"
           "\n"
           "--check TABLE checks a Dijkstra table worked by hand, a text file of the same\n"
           "shape, cells separated by tabs, \";\" or spaces (\"∞\" or \"inf\" for not\n"
           "reached; \"-\", \"—\" or nothing for not reached or chosen before, as the\n"
           "node is; the chosen node in the last column or marked \"*\"; rows either\n"
           "before or after the chosen node's links are followed), and prints one line\n"
           "per fault: its step, node and why. Each step is checked against the one\n"
           "before it as written, ties in any order. A table is right only when it is\n"
           "complete: it ends where the last node is chosen, or with a row saying\n"
           "\"нет пути\" once no reached node is left.\n"
           "\n"
           "--generate N writes a class set: N variants (1 to 200) of one exercise, each\n"
           "a connected graph of K nodes (4 to 20) with mirrored links of weights A to B\n"
           "(1..20 unless given, at most 999) and exactly one shortest way from node 1\n"
           "to node K, of at least L links (3 unless given); no two variants are the same\n"
           "graph with the middle nodes numbered otherwise. --unique-table also gives\n"
           "each variant a step table with one correct form: one node at the least\n"
           "distance at every step, one predecessor for each chosen node. The same\n"
           "options and seed S (1 unless given) write the same bytes on every machine:\n"
           "variant-01.json ... and key.csv (\"variant;way;length\", e.g. \"7;1-3-6-8;17\")\n"
           "into DIR, which must be new or empty, so that no file is replaced. Prints one\n"
           "line per variant: its number, way and length, tab-separated. Options that\n"
           "cannot be met are an error naming the one to change.\n"
           "\n"
           "--moodle OUT writes the graphs in the FILEs as one quiz for a Moodle question\n"
           "bank; a folder stands for its variant-*.json, as --generate writes them.\n"
           "Variant k, the k-th graph, gets a question of its way's length and one of\n"
           "the way (\"1-3-6-8\", also with spaces, \"–\" or \"—\"), each showing the\n"
           "graph's picture; when every graph's step table has one form (as with\n"
           "--unique-table), also its Dijkstra table to fill in, a blank per cell.\n"
           "Moodle XML, or GIFT without pictures and tables when OUT ends in .gift.txt.\n"
           "The questions go into the category \"Кратчайший путь/NAME\", the folder's\n"
           "name unless --name is given. Every graph needs exactly one shortest way,\n"
           "and OUT must be a new file. Prints the key as --generate does.\n"
           "\n"
           "Exit status: 0 a way was found (or the table is right, or the set or the quiz\n"
           "written), 1 there is no way (or the table has faults, an empty or unfinished\n"
           "one included), 2 an error: a file that cannot be read or written, a table\n"
           "that is not UTF-8 text, over 1 MiB or with a row of the wrong width, a set\n"
           "or a quiz that cannot be made (one line on standard error, nothing on\n"
           "standard output).\n";
}

}  // namespace cli
