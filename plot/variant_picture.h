// A class-set variant's picture for a quiz: what the window draws for
// «Связи» with the variant in its tables, as PNG bytes.
#pragma once

#include <string>

#include "graph/class_set.h"

namespace plot {

// The picture of `variant` on the background bitmap `background` (a file
// name as QFile takes it, a resource path included): the axes, the nodes
// and the links with their weights, no answer. Needs a QGuiApplication.
// Throws ImageLoadError for a background that cannot be loaded.
std::string VariantPng(const graph::ClassVariant& variant, const std::string& background);

}  // namespace plot
