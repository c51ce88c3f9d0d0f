// The texts the window and graphway show alike: the answer of a search and
// the last touch of every error message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "graph/language.h"

namespace graph {

// The answer when the last node cannot be reached.
constexpr std::string_view kNoWayText = "нет пути";

// The caption of the length, alone while there is no answer.
constexpr std::string_view kLengthCaption = "Длина:";

// The answer when there is no way, and the caption of the length, in
// `language`: kNoWayText and kLengthCaption, or "no way" and "Length:".
std::string_view NoWayText(Language language);
std::string_view LengthCaption(Language language);

// The caption and the length, as in "Длина: 10" or "Length: 10".
std::string LengthText(std::int64_t length, Language language = Language::Russian);

// An error message as shown: a full stop is appended when the code of its
// last character is above that of "."; a message ending in ".", "!", a
// space and the like, and the empty message, stay as they are.
std::string WithFullStop(std::string message);

// Whether a message whose last character has the code `last` takes the
// full stop.
constexpr bool TakesFullStop(char32_t last) { return last > U'.'; }

}  // namespace graph
