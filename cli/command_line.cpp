// Argument reading for graphway; see command_line.h.
#include "cli/command_line.h"

namespace cli {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool fileGiven = false;
    bool optionsEnded = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption && (argument == "--steps" || argument == "--check")) {
            if (line.task != CommandLine::Task::Way) {
                throw UsageError("Only one of --steps and --check can be given");
            }
            line.task = argument == "--steps" ? CommandLine::Task::Steps : CommandLine::Task::Check;
            if (line.task == CommandLine::Task::Check) {
                if (++k == arguments.size()) throw UsageError("--check needs the table's file");
                line.table = arguments[k];
            }
        } else if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (isOption && argument == "--json") {
            line.json = true;
        } else if (isOption) {
            throw UsageError("Unknown option " + argument + "; graphway --help shows the usage");
        } else if (fileGiven) {
            throw UsageError("Only one file can be read, but " + line.input + " and " + argument +
                             " were given");
        } else {
            line.input = argument;
            fileGiven = true;
        }
    }
    return line;
}

std::string UsageText() {
    return "Usage: graphway [--json] [FILE]\n"
           "       graphway --steps [--json] [FILE]\n"
           "       graphway --check TABLE [FILE]\n"
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
           "Exit status: 0 a way was found (or the table is right), 1 there is no way\n"
           "(or the table has faults, an empty or unfinished one included), 2 an error:\n"
           "a file that cannot be read, a table that is not UTF-8 text, over 1 MiB or\n"
           "with a row of the wrong width (one line on standard error, nothing on\n"
           "standard output).\n";
}

}  // namespace cli
