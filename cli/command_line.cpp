// Argument reading for graphway; see command_line.h.
#include "command_line.h"

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
           "distance with its predecessors (\"10 (2, 4)\"), \"*\" where it is chosen;\n"
           "with --json the rows as objects.\n"
           "\n"
           "--check TABLE checks a Dijkstra table worked by hand, a tab-separated text\n"
           "file of the same shape (\"∞\", \"inf\" or \"-\" for not reached, \"—\" or\n"
           "nothing for a node chosen before, the chosen node in the last column or\n"
           "marked \"*\"), and prints one line per wrong cell: its step, node and why.\n"
           "Each step is checked against the one before it as written, ties in any order.\n"
           "\n"
           "Exit status: 0 a way was found (or the table is right), 1 there is no way\n"
           "(or the table has faults), 2 an error (one line on standard error, nothing\n"
           "on standard output).\n";
}

}  // namespace cli
