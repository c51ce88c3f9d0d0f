// Output texts of graphway; see answer_text.h.
#include "cli/answer_text.h"

#include <cstdio>

#include "graph/shown_texts.h"

namespace cli {

std::string PlainAnswerText(const std::optional<graph::ShortestWay>& answer) {
    if (!answer) return std::string(graph::kNoWayText) + "\n";
    return graph::WayText(answer->way) + "\n" + graph::LengthText(answer->length) + "\n";
}

std::string JsonAnswerText(const std::optional<graph::ShortestWay>& answer) {
    if (!answer) return "{\"way\": null, \"length\": null}\n";
    // Only integers go in, so nothing here needs escaping.
    std::string text = "{\"way\": [";
    for (std::size_t k = 0; k < answer->way.size(); ++k) {
        if (k > 0) text += ", ";
        text += std::to_string(answer->way[k] + 1);
    }
    return text + "], \"length\": " + std::to_string(answer->length) + "}\n";
}

std::string ErrorLine(const std::string& message) {
    const std::string shown = graph::WithFullStop(message);

    std::string line;
    line.reserve(shown.size() + 1);
    for (const char c : shown) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if ((code < 0x20 && c != '\t') || code == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", code);
            line += escape;
        } else {
            line += c;
        }
    }
    return line + '\n';
}

}  // namespace cli
