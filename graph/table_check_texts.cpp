// The words of the table checker; see table_check_texts.h.
#include "graph/table_check_texts.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace graph {

namespace {

// Which words a fault takes: its kind, and for some kinds a variant.
enum class Phrase {
    Unreadable,
    OutOfRange,
    NoChoice,
    EndTooEarly,
    ChosenAgain,
    NotLeastOne,
    NotLeastMany,
    NothingLeft,
    StartAtZero,
    StartOnlyOne,
    MissedShorter,
    WrongSum,
    DistanceStays,
    SettledChanged,
    NoLink,
    DoesNotGive,
    PredecessorNotChosen,
    Truncated,
    TruncatedNoWay,
    AfterEnd,
    AfterEndNoWay,
    Count,
};

// A language's words. In a phrase, {via} {sum} {written} {expected}
// {chosen} {nodes} {node} {step} {given} {text} stand for the fault's
// numbers; whole-table phrases stand alone, the others follow the prefix.
struct Phrases {
    std::string_view step;
    std::string_view node;
    std::string_view chosenColumn;
    std::string_view infinity;
    std::string_view and_;
    std::array<std::string_view, static_cast<std::size_t>(Phrase::Count)> words;
};

constexpr Phrases kRussian{
    "Шаг ",
    ", узел ",
    "",
    "∞",
    " и ",
    {
        "не удаётся прочитать запись",
        "расстояние {written} больше, чем может быть: не больше {expected}",
        "не указан выбранный узел (один на шаг)",
        "путь ещё есть: узел {nodes} достигнут, но не выбран",
        "узел {chosen} уже выбран на шаге {expected}",
        "выбран узел {chosen} ({given}), а наименьшее расстояние {expected} у узла {nodes}",
        "выбран узел {chosen} ({given}), а наименьшее расстояние {expected} у узлов {nodes}",
        "выбран узел {chosen}, но достигнутых невыбранных узлов не осталось: здесь «нет пути»",
        "в начале расстояние узла 1 равно 0",
        "в начале расстояние известно только у узла 1",
        "через узел {via} расстояние {sum} меньше {written}",
        "через узел {via} расстояние {sum}, а не {written}",
        "расстояние остаётся {expected}, а не {written}",
        "узел уже выбран с расстоянием {expected}, оно не меняется",
        "из узла {via} связи сюда нет",
        "узел {via} не даёт {written}: {given} + {weight} = {gives}",
        "узел {via} ещё не выбран и не может быть предшественником",
        "Таблица обрывается: узел {node} ещё не выбран",
        "Таблица обрывается: узел {node} недостижим, последней должна быть строка «нет пути»",
        "Строка после конца таблицы: узел {node} выбран на шаге {expected}",
        "Строка после конца таблицы: «нет пути» сказано на шаге {expected}",
    },
};

constexpr Phrases kEnglish{
    "step ",
    ", node ",
    ", chosen node",
    "inf",
    " and ",
    {
        "cannot read the entry",
        "the distance {written} is larger than any way can be: at most {expected}",
        "no chosen node (one per step)",
        "there is still a way: node {nodes} is reached but not chosen",
        "node {chosen} was chosen at step {expected}",
        "node {chosen} ({given}) chosen, but the least distance is {expected} at node {nodes}",
        "node {chosen} ({given}) chosen, but the least distance is {expected} at nodes {nodes}",
        "node {chosen} chosen, but no reached node is left to choose: the row says there is no "
        "way",
        "node 1 starts at 0",
        "only node 1 is reached at the start",
        "via node {via} the distance {sum} is less than {written}",
        "via node {via} the distance {sum}, not {written}",
        "the distance stays {expected}, not {written}",
        "chosen before at {expected}, the distance does not change",
        "no link from node {via}",
        "node {via} does not give {written}: {given} + {weight} = {gives}",
        "node {via} is not chosen yet and cannot be a predecessor",
        "the table stops: node {node} is not chosen yet",
        "the table stops: node {node} cannot be reached, so a last row must say there is no way",
        "a row after the end of the table: node {node} was chosen at step {expected}",
        "a row after the end of the table, which said there is no way at step {expected}",
    },
};

const Phrases& PhrasesOf(Language language) {
    return language == Language::Russian ? kRussian : kEnglish;
}

bool WholeTable(Phrase phrase) {
    return phrase == Phrase::Truncated || phrase == Phrase::TruncatedNoWay ||
           phrase == Phrase::AfterEnd || phrase == Phrase::AfterEndNoWay;
}

Phrase PhraseOf(const TableFault& f) {
    using Kind = TableFault::Kind;
    switch (f.kind) {
        case Kind::Unreadable:
            return Phrase::Unreadable;
        case Kind::OutOfRange:
            return Phrase::OutOfRange;
        case Kind::NoChoice:
            return Phrase::NoChoice;
        case Kind::EndTooEarly:
            return Phrase::EndTooEarly;
        case Kind::ChosenAgain:
            return Phrase::ChosenAgain;
        case Kind::NotLeast:
            if (f.nodes.empty()) return Phrase::NothingLeft;
            return f.nodes.size() > 1 ? Phrase::NotLeastMany : Phrase::NotLeastOne;
        case Kind::WrongStart:
            return f.expected ? Phrase::StartAtZero : Phrase::StartOnlyOne;
        case Kind::MissedShorter:
            return Phrase::MissedShorter;
        case Kind::WrongDistance:
            if (f.via >= 0 && f.weight >= 0 && f.viaDistance && f.expected &&
                *f.viaDistance + f.weight == *f.expected) {
                return Phrase::WrongSum;
            }
            return Phrase::DistanceStays;
        case Kind::SettledChanged:
            return Phrase::SettledChanged;
        case Kind::WrongPredecessor:
            return f.weight < 0 ? Phrase::NoLink : Phrase::DoesNotGive;
        case Kind::PredecessorNotChosen:
            return Phrase::PredecessorNotChosen;
        case Kind::Truncated:
            return f.noWay ? Phrase::TruncatedNoWay : Phrase::Truncated;
        case Kind::AfterEnd:
            return f.noWay ? Phrase::AfterEndNoWay : Phrase::AfterEnd;
    }
    return Phrase::Unreadable;
}

std::string Number(std::int32_t node) { return std::to_string(node + 1); }

}  // namespace

std::string FaultText(const TableFault& f, Language language) {
    const Phrases& words = PhrasesOf(language);
    const Phrase phrase = PhraseOf(f);
    const auto distance = [&](const std::optional<std::int64_t>& d) {
        return d ? std::to_string(*d) : std::string(words.infinity);
    };
    // A cell written as a dash is quoted as written, not as ∞.
    const std::string written = f.written || f.text.empty() ? distance(f.written) : f.text;
    std::string nodes;
    for (std::size_t k = 0; k < f.nodes.size(); ++k) {
        if (k > 0) nodes += k + 1 == f.nodes.size() ? words.and_ : ", ";
        nodes += Number(f.nodes[k]);
    }
    const std::string via = f.via >= 0 ? Number(f.via) : std::string();
    const std::string values[][2] = {
        {"{via}", via},
        {"{sum}",
         distance(f.viaDistance) + " + " + std::to_string(f.weight) + " = " + distance(f.expected)},
        {"{written}", written},
        {"{expected}", distance(f.expected)},
        {"{chosen}", f.written ? std::to_string(*f.written) : std::string()},
        {"{nodes}", nodes},
        {"{node}", f.node ? Number(*f.node) : std::string()},
        {"{given}", distance(f.viaDistance)},
        {"{weight}", std::to_string(f.weight)},
        {"{gives}",
         f.viaDistance ? std::to_string(*f.viaDistance + f.weight) : std::string(words.infinity)},
    };
    std::string text(words.words[static_cast<std::size_t>(phrase)]);
    for (const auto& [name, value] : values) {
        for (std::size_t at = text.find(name); at != std::string::npos;
             at = text.find(name, at + value.size())) {
            text.replace(at, name.size(), value);
        }
    }
    if (WholeTable(phrase)) return text;
    std::string prefix = std::string(words.step) + std::to_string(f.step);
    prefix += f.node ? std::string(words.node) + Number(*f.node) : std::string(words.chosenColumn);
    return prefix + ": " + text;
}

std::string CheckSummary(const TableCheck& check, Language language) {
    const bool russian = language == Language::Russian;
    if (check.faults.empty()) return russian ? "Таблица верна" : "The table is right";
    std::vector<std::size_t> steps;
    for (const TableFault& f : check.faults) {
        if (std::find(steps.begin(), steps.end(), f.step) == steps.end()) steps.push_back(f.step);
    }
    std::string list;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (k > 0) list += k + 1 == steps.size() ? std::string(PhrasesOf(language).and_) : ", ";
        list += std::to_string(steps[k]);
    }
    const bool many = steps.size() > 1;
    return (russian ? "Ошибок: " : "Faults: ") + std::to_string(check.faults.size()) +
           (russian ? (many ? " (шаги " : " (шаг ") : (many ? " (steps " : " (step ")) + list + ")";
}

std::string ConventionText(Convention convention, Language language) {
    if (language == Language::English) {
        return convention == Convention::BeforeChoice
                   ? "A row of the table holds the distances its node is chosen from"
                   : "A row of the table holds the distances after its node's step";
    }
    return convention == Convention::BeforeChoice
               ? "Строка таблицы — расстояния, из которых выбирается её узел"
               : "Строка таблицы — расстояния после шага её узла";
}

std::string NotationText(Language language) {
    if (language == Language::English) {
        return "Entries: «∞», «inf», «-» or empty: not reached; «—», «-» or empty: chosen "
               "before; «10 (2, 4)»: the distance and the predecessors; the chosen node goes in "
               "the last column or as «*» in its cell.";
    }
    return "Запись: «∞», «inf», «-» или пусто — не достигнут; «—», «-» или пусто — выбран "
           "раньше; «10 (2, 4)» — расстояние и предшественники; выбранный узел — в столбце "
           "«Выбран» или «*» в его ячейке.";
}

}  // namespace graph
