// Texts shown by the window and graphway; see shown_texts.h.
#include "graph/shown_texts.h"

namespace graph {

std::string LengthText(std::int64_t length) {
    return std::string(kLengthCaption) + " " + std::to_string(length);
}

std::string WithFullStop(std::string message) {
    if (!message.empty() && TakesFullStop(static_cast<unsigned char>(message.back()))) {
        message += '.';
    }
    return message;
}

}  // namespace graph
