// graphway_pictures: the module graphway loads to draw a quiz's pictures,
// so that graphway itself starts without Qt. It brings its own copy of the
// default background and an offscreen Qt, needing no data file, working
// directory or display.
#include <QGuiApplication>
#include <exception>
#include <memory>
#include <type_traits>

#include "graph/variant_picture_entry.h"
#include "plot/variant_picture.h"

namespace {

// The default 1.bmp, compiled in as a Qt resource.
constexpr const char* kBackground = ":/graphway_pictures/1.bmp";

// Qt's notes on its own set-up (no runtime folder, say) are not graphway's
// to print: its errors come back through the entry.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Fonts need an application; graphway has none of its own.
void MakeApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    qInstallMessageHandler(Quiet);
    static char program[] = "graphway";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* arguments[] = {program, platformOption, platform, nullptr};
    static int count = 3;
    static const std::unique_ptr<QGuiApplication> application =
        std::make_unique<QGuiApplication>(count, arguments);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool graphway_variant_png(
    const graph::ClassVariant& variant, std::string& png, std::string& error) {
    static_assert(std::is_same_v<decltype(graphway_variant_png), graph::VariantPngEntry>);
    try {
        MakeApplication();
        png = plot::VariantPng(variant, kBackground);
        return true;
    } catch (const std::exception& caught) {
        error = caught.what();
        return false;
    }
}
