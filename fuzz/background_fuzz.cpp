// Any bytes as the background file give a picture or exactly one of the
// loading messages, and a failed load leaves the picture as it was.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "plot/drawing_surface.h"
#include "tests/gui_session.h"

namespace {

std::unique_ptr<QTemporaryDir> workDir;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartGuiApplication();
    workDir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(workDir->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile file("1.bmp");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    plot::DrawingSurface surface;
    surface.DrawNodes({{10, 10}});
    const QImage before = surface.Image();
    try {
        surface.UpdatePict();
    } catch (const plot::ImageLoadError& error) {
        const std::string message = error.what();
        if (message != "Stream read error" && message != "Bitmap image is not valid") std::abort();
        if (surface.Image() != before) std::abort();
        return 0;
    }
    // A loaded picture takes every later drawing without trouble.
    surface.DrawLinks({{0, 0}, {399, 399}}, {{-1, 7}, {7, -1}});
    surface.DrawWay({{0, 0}, {399, 399}}, {0, 1});
    return 0;
}
