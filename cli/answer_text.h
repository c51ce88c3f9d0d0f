// The texts graphway prints: the answer on standard output, an error as one
// line on standard error.
#pragma once

#include <optional>
#include <string>

#include "graph/ways.h"

namespace cli {

// The way's node numbers joined by "-" and "Длина: <length>" on the next
// line, or the line "нет пути"; each line ends in '\n'.
std::string PlainAnswerText(const std::optional<graph::ShortestWay>& answer);

// {"way": [1, 2, 6], "length": 10}, or nulls for both when there is no way,
// on one line ending in '\n'.
std::string JsonAnswerText(const std::optional<graph::ShortestWay>& answer);

// The error message as the window shows it -- a full stop appended unless it
// already ends in "." or a character below it -- kept to one line by writing
// control characters as escapes (\n, \r, \x01), and ending in '\n'. A tab
// does not break the line and stays as it is.
std::string ErrorLine(const std::string& message);

}  // namespace cli
