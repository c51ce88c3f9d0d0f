// «Экспорт в Moodle…» of the tool window «Варианты для класса»: the set as
// one quiz file, Moodle XML with the pictures drawn on the window's own
// background, or GIFT, text only; byte for byte what graphway --moodle
// writes for the set's graph files when the background is the default one.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "app/files/file_dialogs.h"
#include "graph/class_set.h"

class QWidget;

namespace app {

// A set's name that Moodle cannot take; the message says what to change.
class QuizNameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file `choice` names: its own ending ".xml" or ".gift.txt" decides the
// format, otherwise the chosen filter's ending goes in place of ".txt" or
// is added.
QString QuizPath(const FileChoice& choice);

struct QuizExport {
    enum class Outcome { Cancelled, Stopped, Written };

    Outcome outcome = Outcome::Cancelled;
    QString path;
};

// Asks for the file and the set's name (offered as «Набор <seed>»), asks
// before replacing a file, draws the pictures one at a time under a progress
// dialog on `parent` that can stop it, and writes the file whole. Throws
// QuizNameError, FileError and ImageLoadError, writing nothing.
QuizExport ExportSetAsQuiz(const std::vector<graph::ClassVariant>& set, std::uint64_t seed,
                           QWidget* parent);

}  // namespace app
