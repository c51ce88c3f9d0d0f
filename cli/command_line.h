// What graphway was asked to do, read from its arguments.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "graph/class_set.h"

namespace cli {

// Raised for arguments graphway does not understand; what() names the fault.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    // The way; the program's own Dijkstra table; or a student's table
    // checked against the graph; or a class set written into a folder; or
    // graph files written as a quiz.
    enum class Task { Way, Steps, Check, Generate, Moodle };

    bool help = false;
    bool json = false;
    Task task = Task::Way;
    // The student's table for --check.
    std::string table;
    // The document's file name; "-" stands for standard input.
    std::string input = "-";
    // --moodle: the graph files and folders, the quiz file and the set's
    // name (empty when not given).
    std::vector<std::string> inputs;
    std::string quiz;
    std::string quizName;
    // --generate: the set asked for and the folder it goes into.
    graph::ClassSetParameters set;
    std::string folder;
};

// Reads `graphway [--json] [--steps | --check TABLE] [FILE]`,
// `graphway --generate N --nodes K [--weights A..B] [--min-links L]
// [--seed S] [--unique-table] --out DIR`, `graphway --moodle OUT [--name
// NAME] FILE...` and `graphway --help` (-h as well);
// "--" ends the options so that a file named like one can still be given.
// A count too large for an int is kept as the largest int, which the set's
// own check then refuses. Throws UsageError for an unknown option, a second
// file, an option given twice, a value that is not a whole number, or
// options that do not go together.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string UsageText();

}  // namespace cli
