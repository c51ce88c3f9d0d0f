// graphway --generate: a class set made and written into a folder, with
// one line per variant on standard output.
#pragma once

#include <stdexcept>
#include <string>

#include "graph/class_set.h"

namespace cli {

// Raised when no set is written; what() says why and what to change.
class SetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The English message for `fault` of the set `parameters` asks for, naming
// the option to change.
std::string SetFaultMessage(const graph::ClassSetFault& fault,
                            const graph::ClassSetParameters& parameters);

// Makes the set and writes variant-01.json ... and then key.csv into
// `folder`, which must be new or empty, so that no file is ever replaced;
// a new one is made with its parents. Returns the lines to print, one per
// variant: its number, way and length, tab-separated ("7\t1-3-6-8\t17\n").
// Throws SetError for parameters that cannot be met and a folder that is
// not new or empty, before anything is written, and WriteError.
std::string WriteClassSet(const graph::ClassSetParameters& parameters, const std::string& folder);

}  // namespace cli
