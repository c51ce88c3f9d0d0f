// graphway: reads a graph document and prints the shortest way from node 1
// to the last node, as the window's "Рассчитать" would find it, or Dijkstra's
// search step by step, or the faults of a table worked by hand; or writes a
// class set of variants of one exercise, or graphs as a quiz.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <variant>
#include <vector>

#include "cli/answer_text.h"
#include "cli/class_set_command.h"
#include "cli/command_line.h"
#include "cli/fault_text.h"
#include "cli/input_text.h"
#include "cli/process_memory.h"
#include "cli/quiz_command.h"
#include "cli/step_commands.h"
#include "document/graph_document.h"
#include "graph/cell_text.h"
#include "graph/way_search.h"

namespace {

// Exit statuses: a way was found (or the usage shown), there is no way, or
// something went wrong.
constexpr int kSuccess = 0;
constexpr int kNoWay = 1;
constexpr int kFailed = 2;

// The error line for a mapped input file that another program shortens
// while it is read, made beforehand: the signal handler can only write.
std::string shortenedLine;

void OnBusError(int) {
    [[maybe_unused]] const auto written =
        write(STDERR_FILENO, shortenedLine.data(), shortenedLine.size());
    _exit(kFailed);
}

// Standard output is written once, at the end, so a failure leaves it empty;
// only --steps writes its rows as they come.
bool Print(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

int Run(const std::vector<std::string>& arguments) {
    const cli::CommandLine line = cli::ParseCommandLine(arguments);
    if (line.help) {
        return Print(stdout, cli::UsageText()) ? kSuccess : kFailed;
    }
    if (line.task == cli::CommandLine::Task::Generate ||
        line.task == cli::CommandLine::Task::Moodle) {
        if (line.task == cli::CommandLine::Task::Moodle) {
            shortenedLine =
                cli::ErrorLine("Cannot read a graph file: it was shortened while it was read");
            std::signal(SIGBUS, OnBusError);
        }
        const std::string lines = line.task == cli::CommandLine::Task::Generate
                                      ? cli::WriteClassSet(line.set, line.folder)
                                      : cli::WriteQuiz(line.inputs, line.quiz, line.quizName);
        if (!Print(stdout, lines)) {
            Print(stderr, cli::ErrorLine("Cannot write the variants to standard output"));
            return kFailed;
        }
        return kSuccess;
    }
    if (line.input != "-") {
        shortenedLine = cli::ErrorLine("Cannot read file " + line.input +
                                       ": it was shortened while it was read");
        std::signal(SIGBUS, OnBusError);
    }
    const cli::InputText input = cli::ReadInputText(line.input);
    const auto read = document::ReadGraphModel(input.Text(), true);
    if (const auto* fault = std::get_if<document::Fault>(&read)) {
        Print(stderr, cli::ErrorLine(cli::FaultMessage(*fault)));
        return kFailed;
    }
    const graph::AdjacencyMatrix& adjacency = std::get<document::GraphModel>(read).adjacency;
    cli::CloseReadingArena();
    std::string text;
    bool found = false;
    switch (line.task) {
        case cli::CommandLine::Task::Way: {
            const auto answer = graph::FindShortestWay(adjacency);
            text = line.json ? cli::JsonAnswerText(answer) : cli::PlainAnswerText(answer);
            found = answer.has_value();
            break;
        }
        case cli::CommandLine::Task::Steps: {
            // A long table is written as it goes, not held whole.
            bool written = true;
            cli::WriteStepsText(adjacency, line.json, [&](const std::string& part) {
                written =
                    written && std::fwrite(part.data(), 1, part.size(), stdout) == part.size();
            });
            if (!Print(stdout, "") || !written) {
                Print(stderr, cli::ErrorLine("Cannot write the answer to standard output"));
                return kFailed;
            }
            return graph::FindShortestWay(adjacency) ? kSuccess : kNoWay;
        }
        case cli::CommandLine::Task::Check:
            text = cli::CheckedTableText(cli::ReadInputText(line.table).Text(), adjacency);
            found = text.empty();
            break;
        case cli::CommandLine::Task::Generate:
        case cli::CommandLine::Task::Moodle:
            // Done before any graph is read.
            break;
    }
    if (!Print(stdout, text)) {
        Print(stderr, cli::ErrorLine("Cannot write the answer to standard output"));
        return kFailed;
    }
    return found ? kSuccess : kNoWay;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        Print(stderr, cli::ErrorLine("Out of memory: the input is too large for this computer"));
        return kFailed;
    } catch (const std::exception& error) {
        Print(stderr, cli::ErrorLine(graph::ErrorMessage(error)));
        return kFailed;
    }
}
