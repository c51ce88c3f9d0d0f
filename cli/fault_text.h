// The English wording of a document's fault, as graphway reports it.
#pragma once

#include <string>

#include "document/graph_document.h"

namespace cli {

// The message for `fault`, without the full stop the error line adds; a
// text that does not convert is worded as the window words it.
std::string FaultMessage(const document::Fault& fault);

}  // namespace cli
