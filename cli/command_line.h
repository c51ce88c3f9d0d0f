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
    bool help = false;
    bool json = false;
    // The document's file name; "-" stands for standard input.
    std::string input = "-";
};

// Reads `graphway [--json] [FILE]` and `graphway --help` (-h as well); "--"
// ends the options so that a file named like one can still be given.
// Throws UsageError for an unknown option or a second file.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string UsageText();

}  // namespace cli
