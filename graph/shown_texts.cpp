// Texts shown by the window and graphway; see shown_texts.h.
#include "graph/shown_texts.h"

namespace graph {

std::string_view NoWayText(Language language) {
    return language == Language::Russian ? kNoWayText : "no way";
}

std::string_view LengthCaption(Language language) {
    return language == Language::Russian ? kLengthCaption : "Length:";
}

std::string LengthText(std::int64_t length, Language language) {
    return std::string(LengthCaption(language)) + " " + std::to_string(length);
}

std::string WithFullStop(std::string message) {
    if (!message.empty() && TakesFullStop(static_cast<unsigned char>(message.back()))) {
        message += '.';
    }
    return message;
}

}  // namespace graph
