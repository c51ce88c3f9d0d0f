// graphway --moodle: graph files, or a class set's folder, as one quiz file
// a teacher imports into a Moodle question bank.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Raised when no quiz is written; what() says why and what to change.
class QuizError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the graph files `inputs` names (a folder standing for its
// variant-*.json in the order of their names) as variants 1, 2, ... and
// writes them to the new file `out`: GIFT when its name ends in
// ".gift.txt", Moodle XML with the pictures otherwise, the table questions
// only when every variant's step table has one form. `name` names the set;
// when empty, the folder of the first input does. Each graph needs one
// shortest way from node 1 to its last node. Returns the lines to print,
// one per variant as --generate prints them. Throws QuizError, InputError,
// PictureError and WriteError, leaving nothing written.
std::string WriteQuiz(const std::vector<std::string>& inputs, const std::string& out,
                      const std::string& name);

}  // namespace cli
