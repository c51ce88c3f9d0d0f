// Runs the built graphway binary as a child process, feeding its standard
// input and collecting what it writes, so the tests see exactly what a shell
// script would.
#pragma once

#include <string>
#include <vector>

namespace cli_test {

struct RunResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs graphway with `arguments`, `input` piped into its standard input, in
// `directory` when one is given.
RunResult RunGraphway(const std::vector<std::string>& arguments, const std::string& input = "",
                      const std::string& directory = "");

}  // namespace cli_test
