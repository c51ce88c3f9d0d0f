// The faults of a hand-worked table in words: one function over two phrase
// tables, Russian for the window and English for scripts.
#pragma once

#include <string>

#include "graph/language.h"
#include "graph/table_check.h"

namespace graph {

// The fault in words, e.g. «Шаг 2, узел 6: через узел 2 расстояние 5 + 5 =
// 10 меньше 20», or "step 2, node 6: via node 2 the distance 5 + 5 = 10 is
// less than 20"; a fault of the whole table is one line naming its node,
// «Таблица обрывается: узел 6 ещё не выбран».
std::string FaultText(const TableFault& fault, Language language = Language::Russian);

// «Ошибок: 2 (шаги 2 и 4)», or «Таблица верна»; "Faults: 2 (steps 2 and 4)".
std::string CheckSummary(const TableCheck& check, Language language = Language::Russian);

// Which convention was assumed, in words.
std::string ConventionText(Convention convention, Language language = Language::Russian);

// The notation the checker reads, one line for the window.
std::string NotationText(Language language = Language::Russian);

}  // namespace graph
