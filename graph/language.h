// The two languages the program words its texts in: Russian, the window's
// own, and English, for scripts and for an English interface.
#pragma once

namespace graph {

enum class Language { Russian, English };

}  // namespace graph
