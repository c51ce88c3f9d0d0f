// Argument reading for graphway; see command_line.h.
#include "command_line.h"

namespace cli {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool fileGiven = false;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption && argument == "--") {
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
           "Exit status: 0 a way was found, 1 there is no way, 2 an error (one line on\n"
           "standard error, nothing on standard output).\n";
}

}  // namespace cli
