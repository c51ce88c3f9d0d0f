// The pictures of a quiz, drawn with Qt by the module graphway_pictures,
// which graphway loads only when it writes one: Qt's libraries cost more
// to load than the rest of graphway's work on a graph of the window's size.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "graph/class_set.h"
#include "graph/variant_picture_entry.h"

namespace cli {

// Raised when the module cannot be loaded or a picture not made.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads the module, from graphway's own folder (the build) or from
// ../lib/graphway/plugins (the installed package), once per process, and
// returns the maker of a variant's PNG bytes, which throws PictureError.
// Throws PictureError when the module is in neither place or does not load.
std::function<std::string(const graph::ClassVariant&)> LoadPictureModule();

}  // namespace cli
