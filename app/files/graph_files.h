// The files the window reads and writes: graph files taken into the tables'
// texts and written from them, and the picture written as an image or a
// vector file. Every
// failure is a FileError whose message tells the person, in the window's
// language and with the file's name, why the file was not taken or not
// written. Writing never damages the file it replaces: the new contents go
// to a temporary file in the same folder, which replaces the old one only
// once it is whole and on the disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "document/graph_document.h"
#include "plot/drawing_surface.h"

namespace app {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The texts of the graph file `path`, with nodes on a circle when the file
// has none. Throws FileError for a file that cannot be read, is not a graph
// document, or has more nodes than the window holds; the last is known, and
// the file left unread, once its first matrix row has been read.
document::GraphTexts ReadGraphFile(const QString& path);

// Writes `texts` to `path` as a graph file. Throws FileError.
void WriteGraphFile(const QString& path, const document::GraphTexts& texts);

// Writes the picture `surface` shows to `path`: as PNG or BMP, or as the
// vector files SVG or PDF, by the name's extension. Throws FileError.
void WritePictureFile(const QString& path, const plot::DrawingSurface& surface);

// Writes `bytes` to `path`, through a temporary file as every file the
// window writes. Throws FileError naming the file and the cause.
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// The person's words for a fault of the file named `fileName`.
QString FaultText(const QString& fileName, const document::Fault& fault);

}  // namespace app
