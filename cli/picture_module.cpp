// Loading the picture module; see picture_module.h.
#include "cli/picture_module.h"

#include <dlfcn.h>

#include <filesystem>

namespace cli {

namespace {

namespace fs = std::filesystem;

// Where the package installs the module, from the folder of graphway.
constexpr const char* kInstalledFolder = "../lib/graphway/plugins";

graph::VariantPngEntry* LoadEntry() {
    std::error_code error;
    const fs::path programFolder = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (const fs::path& folder : {programFolder, programFolder / kInstalledFolder}) {
        const fs::path module = folder / graph::kPictureModule;
        if (!fs::exists(module, error)) continue;
        // Kept loaded to the end: Qt's state lives in it.
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            throw PictureError("Cannot load " + module.string() + ": " + dlerror());
        }
        if (void* entry = dlsym(handle, graph::kVariantPngEntry)) {
            return reinterpret_cast<graph::VariantPngEntry*>(entry);
        }
        throw PictureError(module.string() + " is not graphway's picture module");
    }
    throw PictureError(std::string("Cannot draw the pictures: ") + graph::kPictureModule +
                       " is neither beside graphway nor in " + kInstalledFolder +
                       "; GIFT (an OUT ending in .gift.txt) needs no pictures");
}

}  // namespace

std::function<std::string(const graph::ClassVariant&)> LoadPictureModule() {
    static graph::VariantPngEntry* const entry = LoadEntry();
    return [](const graph::ClassVariant& variant) {
        std::string png;
        std::string error;
        if (!entry(variant, png, error)) throw PictureError(error);
        return png;
    };
}

}  // namespace cli
