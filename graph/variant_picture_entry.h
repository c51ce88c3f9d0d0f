// The picture of a class-set variant is drawn with Qt, which the core and
// graphway do not load at start-up: a module that links the drawing gives
// this one entry, and graphway opens the module only when it needs a picture.
#pragma once

#include <string>

#include "graph/class_set.h"

namespace graph {

// The module's file and its one entry, extern "C" so that it is found by
// this name: it puts the PNG bytes of `variant`'s picture, as «Связи» draws
// it, into `png` and returns true, or puts the reason into `error` and
// returns false.
constexpr const char* kPictureModule = "graphway_pictures.so";
constexpr const char* kVariantPngEntry = "graphway_variant_png";
using VariantPngEntry = bool(const ClassVariant& variant, std::string& png, std::string& error);

}  // namespace graph
