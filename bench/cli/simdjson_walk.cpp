// The floor under graphway's time: a whole process that takes the file as
// graphway does (mapped, with graphway's memory) and walks every cell of
// "matrix" with simdjson's on-demand API, as graphway's reader asks for
// them, keeping and converting none and searching nothing. Timed beside cat
// and graphway by time_graphway.sh.
#include <cstdint>
#include <cstdio>
#include <string_view>

#include <simdjson.h>

#include "input_text.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const cli::InputText input = cli::ReadInputText(argv[1]);
    const std::string_view json = input.Text();
    simdjson::ondemand::parser parser;
    auto doc = parser.iterate(
        simdjson::padded_string_view(json.data(), json.size(), json.size() + document::kReadAhead));
    // Counted, so that no read can be left out.
    std::uint64_t cells = 0;
    for (auto row : doc["matrix"].get_array()) {
        for (auto cell : row.get_array()) {
            std::int64_t integer = 0;
            std::string_view text;
            cells += cell.get_int64().get(integer) == simdjson::SUCCESS ||
                     cell.get_string().get(text) == simdjson::SUCCESS;
        }
    }
    std::printf("%llu\n", static_cast<unsigned long long>(cells));
    return 0;
}
