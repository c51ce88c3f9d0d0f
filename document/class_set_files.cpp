// The files of a class set; see class_set_files.h.
#include "document/class_set_files.h"

#include <cstddef>

namespace document {

std::string VariantFileName(int number, int variants) {
    std::string digits = std::to_string(number);
    const std::size_t width = variants > 99 ? 3 : 2;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return "variant-" + digits + ".json";
}

GraphTexts VariantTexts(const graph::ClassVariant& variant) {
    GraphTexts texts;
    for (const auto& [x, y] : variant.nodes)
        texts.nodes.push_back({std::to_string(x), std::to_string(y)});
    const std::size_t n = variant.adjacency.size();
    texts.matrix.assign(n, std::vector<std::string>(n));
    for (std::size_t u = 0; u < n; ++u) {
        for (std::size_t v = 0; v < n; ++v) {
            const std::int32_t weight = variant.adjacency[u][v];
            if (graph::IsLinkCell(u, v) && weight >= 0) texts.matrix[u][v] = std::to_string(weight);
        }
    }
    return texts;
}

std::string KeyText(const std::vector<graph::ClassVariant>& set) {
    std::string text = "variant;way;length\n";
    for (std::size_t k = 0; k < set.size(); ++k) {
        text += std::to_string(k + 1) + ';' + graph::WayText(set[k].way.way) + ';' +
                std::to_string(set[k].way.length) + '\n';
    }
    return text;
}

}  // namespace document
