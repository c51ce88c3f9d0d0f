// The floor under graphway's time: a whole process that takes the file as
// graphway does (mapped, with graphway's memory) and walks every cell with
// simdjson alone, searching nothing. Timed beside cat and graphway by
// time_graphway.sh.
#include <cstdio>
#include <string_view>

#include "bench/document/cell_walk.h"
#include "cli/input_text.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const cli::InputText input = cli::ReadInputText(argv[1]);
    const std::string_view json = input.Text();
    std::printf("%llu\n", static_cast<unsigned long long>(WalkCells(simdjson::padded_string_view(
                              json.data(), json.size(), json.size() + document::kReadAhead))));
    return 0;
}
