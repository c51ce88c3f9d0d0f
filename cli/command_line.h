// What graphway was asked to do, read from its arguments.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Raised for arguments graphway does not understand; what() names the fault.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    // The way; the program's own Dijkstra table; or a student's table
    // checked against the graph.
    enum class Task { Way, Steps, Check };

    bool help = false;
    bool json = false;
    Task task = Task::Way;
    // The student's table for --check.
    std::string table;
    // The document's file name; "-" stands for standard input.
    std::string input = "-";
};

// Reads `graphway [--json] [--steps | --check TABLE] [FILE]` and
// `graphway --help` (-h as well); "--" ends the options so that a file named
// like one can still be given.
// Throws UsageError for an unknown option or a second file.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string UsageText();

}  // namespace cli
