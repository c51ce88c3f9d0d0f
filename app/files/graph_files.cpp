// Graph files and pictures as the window reads and writes them; see
// graph_files.h.
#include "app/files/graph_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <variant>

#include "graph/graph_model.h"
#include "graph/node_layout.h"
#include "plot/vector_picture.h"

namespace app {

namespace {

QString Name(const QString& path) { return QFileInfo(path).fileName(); }

// The largest graph file the window opens. It is larger than any the window
// writes for as many nodes as it holds with typed texts as long as it takes
// (a character is written in 4 bytes at most, a quote mark or backslash in
// 2), and small enough to be read, and refused, at once.
constexpr qint64 kLargestGraphFile = qint64{4} << 20;
constexpr qint64 kMostCells = graph::kMostNodes * (graph::kMostNodes + 2);
static_assert(kLargestGraphFile >
              kMostCells * (4 * qint64{document::kLongestText} + 4) + 16 * graph::kMostNodes + 64);

QString Key(document::Table table) {
    return table == document::Table::Nodes ? QStringLiteral("nodes") : QStringLiteral("matrix");
}

// A cell or row as the file addresses it, e.g. matrix[1][0].
QString Place(const document::Fault& fault, bool cell) {
    QString place = QStringLiteral("%1[%2]").arg(Key(fault.table)).arg(fault.row);
    if (cell) place += QStringLiteral("[%1]").arg(fault.column);
    return place;
}

// A text from the file as a message quotes it: a long one is cut, since the
// message box would measure all of it.
QString Quoted(const std::string& text) {
    constexpr qsizetype kLongest = 200;
    const QString quoted = QString::fromStdString(text.substr(0, kLongest * 4));
    return quoted.size() > kLongest ? quoted.left(kLongest) + QStringLiteral("…") : quoted;
}

QString ValueText(const document::Fault& fault) {
    switch (fault.value) {
        case document::ValueKind::Array:
            return QCoreApplication::translate("app::GraphFiles", "массив");
        case document::ValueKind::Object:
            return QCoreApplication::translate("app::GraphFiles", "объект");
        case document::ValueKind::Null:
            return QStringLiteral("null");
        default:
            return Quoted(fault.text);
    }
}

QString ReadReason(const QString& path, const QFile& file) {
    const QFileInfo info(path);
    if (!info.exists()) return QCoreApplication::translate("app::GraphFiles", "такого файла нет");
    if (info.isDir()) return QCoreApplication::translate("app::GraphFiles", "это папка, а не файл");
    if (!info.isReadable())
        return QCoreApplication::translate("app::GraphFiles", "нет права его читать");
    return file.errorString();
}

// Appends up to `most` further bytes of `file`.
void ReadMore(QFile& file, const QString& path, QByteArray& bytes, qint64 most) {
    bytes += file.read(most);
    if (file.error() != QFileDevice::NoError) {
        throw FileError(QCoreApplication::translate("app::GraphFiles", "Файл «%1» не прочитан: %2.")
                            .arg(Name(path), file.errorString())
                            .toStdString());
    }
}

FileError NotOpened(const QString& path, const document::Fault& fault) {
    return FileError(FaultText(Name(path), fault).toStdString());
}

// The bytes of a graph file the window can hold. A file larger than any
// the window writes is refused unread, or once that much has been read when
// its size is not known beforehand. A graph of more nodes than the window
// holds is refused as soon as the first row of its matrix shows its size:
// the file is read in pieces growing fourfold until that row has ended.
QByteArray ReadGraphBytes(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        throw FileError(QCoreApplication::translate("app::GraphFiles", "Файл «%1» не открыт: %2.")
                            .arg(Name(path), ReadReason(path, file))
                            .toStdString());
    }
    const auto tooLarge = [&] {
        return FileError(
            QCoreApplication::translate("app::GraphFiles",
                                        "Файл «%1» не открыт: он больше %2 МБ, а окно открывает "
                                        "файлы графов до %2 МБ. Большие графы читает graphway.")
                .arg(Name(path))
                .arg(kLargestGraphFile >> 20)
                .toStdString());
    };
    if (file.size() > kLargestGraphFile) throw tooLarge();
    QByteArray bytes;
    bool sized = false;
    for (qint64 piece = 1 << 16;; piece *= 4) {
        const qsizetype before = bytes.size();
        const qint64 most = kLargestGraphFile + 1 - before;
        ReadMore(file, path, bytes, sized ? most : std::min(piece, most));
        if (bytes.size() > kLargestGraphFile) throw tooLarge();
        if (bytes.size() == before) break;
        if (sized) continue;
        const auto n = document::NodeCountShown(std::string_view(bytes.constData(), bytes.size()));
        if (n && *n > static_cast<std::size_t>(graph::kMostNodes)) {
            document::Fault fault;
            fault.kind = document::Fault::Kind::TooManyNodes;
            fault.count = *n;
            throw NotOpened(path, fault);
        }
        sized = n.has_value();
    }
    return bytes;
}

// Why `path` was not written, from the system's error number `error`.
QString WriteReason(const QString& path, int error) {
    const QString folder = QFileInfo(path).absoluteDir().dirName();
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QCoreApplication::translate("app::GraphFiles", "на диске нет места");
        case EFBIG:
            return QCoreApplication::translate(
                "app::GraphFiles", "он больше, чем программе разрешено записывать в один файл");
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("app::GraphFiles",
                                               "нет права записывать в папку «%1»")
                .arg(folder);
        case ENOENT:
        case ENOTDIR:
            return QCoreApplication::translate("app::GraphFiles", "папки «%1» нет").arg(folder);
        case EISDIR:
            return QCoreApplication::translate("app::GraphFiles", "это папка, а не файл");
        case EROFS:
            return QCoreApplication::translate("app::GraphFiles", "диск открыт только для чтения");
        case EIO:
            return QCoreApplication::translate("app::GraphFiles", "диск не ответил на запись");
        case 0:
            return QCoreApplication::translate("app::GraphFiles", "запись не удалась");
        default:
            return QCoreApplication::translate("app::GraphFiles",
                                               "система отказала в записи (ошибка %1)")
                .arg(error);
    }
}

}  // namespace

// The temporary file replaces `path` only once it is whole and synced.
// Unbuffered, so that a write cut short by a full disk
// shows in write()'s count: a buffered QSaveFile loses that failure while
// flushing and commits the cut file. The reason comes from the system's
// error number, taken at once after the call that failed, since QSaveFile
// words it in English or, for a write cut short, not at all.
void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    const QFileInfo existing(path);
    QString reason;
    if (existing.isDir()) {
        reason = WriteReason(path, EISDIR);
    } else if (existing.exists() && !existing.isWritable()) {
        reason = QCoreApplication::translate("app::GraphFiles", "нет права его изменять");
    } else {
        QSaveFile file(path);
        errno = 0;
        bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        if (written) {
            errno = 0;
            written = file.write(bytes) == bytes.size();
        }
        if (written) {
            errno = 0;
            written = file.commit();
        }
        if (!written) {
            reason = WriteReason(path, errno);
            file.cancelWriting();
        }
    }
    if (!reason.isEmpty()) {
        throw FileError(QCoreApplication::translate("app::GraphFiles", "Файл «%1» не сохранён: %2.")
                            .arg(Name(path), reason)
                            .toStdString());
    }
}

QString FaultText(const QString& fileName, const document::Fault& fault) {
    using Kind = document::Fault::Kind;
    QString why;
    switch (fault.kind) {
        case Kind::Malformed:
            // A number too large for any double has no place of its own.
            why = fault.line == 0
                      ? QCoreApplication::translate("app::GraphFiles", "это не JSON (%1)")
                            .arg(Quoted(fault.text))
                      : QCoreApplication::translate(
                            "app::GraphFiles", "это не JSON: ошибка в строке %1, столбце %2 (%3)")
                            .arg(fault.line)
                            .arg(fault.lineColumn)
                            .arg(Quoted(fault.text));
            break;
        case Kind::NotAnObject:
            why = QCoreApplication::translate("app::GraphFiles",
                                              "граф в нём должен быть объектом JSON с ключами "
                                              "\"nodes\" и \"matrix\"");
            break;
        case Kind::UnknownKey:
            why =
                QCoreApplication::translate("app::GraphFiles",
                                            "в нём неизвестный ключ \"%1\"; граф описывают только "
                                            "\"nodes\" и \"matrix\"")
                    .arg(Quoted(fault.text));
            break;
        case Kind::RepeatedKey:
            why = QCoreApplication::translate("app::GraphFiles",
                                              "ключ \"%1\" встречается в нём дважды")
                      .arg(Quoted(fault.text));
            break;
        case Kind::TableNotArray:
            why = QCoreApplication::translate("app::GraphFiles", "значение \"%1\" не массив")
                      .arg(Key(fault.table));
            break;
        case Kind::RowNotArray:
            why = QCoreApplication::translate("app::GraphFiles", "%1 не массив")
                      .arg(Place(fault, false));
            break;
        case Kind::MissingMatrix:
            why = QCoreApplication::translate("app::GraphFiles",
                                              "в нём нет матрицы смежности \"matrix\"");
            break;
        case Kind::TooFewNodes:
            why = QCoreApplication::translate(
                      "app::GraphFiles",
                      "строк в \"matrix\": %1, а узлов в графе должно быть не меньше "
                      "двух")
                      .arg(fault.count);
            break;
        case Kind::RowLength:
            why = QCoreApplication::translate(
                      "app::GraphFiles",
                      "ячеек в %1: %2, а строк в \"matrix\": %3; матрица должна быть "
                      "квадратной")
                      .arg(Place(fault, false))
                      .arg(fault.count)
                      .arg(fault.expected);
            break;
        case Kind::PairCount:
            why = QCoreApplication::translate(
                      "app::GraphFiles", "пар координат в \"nodes\": %1, а строк в \"matrix\": %2")
                      .arg(fault.count)
                      .arg(fault.expected);
            break;
        case Kind::PairLength:
            why = QCoreApplication::translate("app::GraphFiles",
                                              "координат в %1: %2, а нужны две, X и Y")
                      .arg(Place(fault, false))
                      .arg(fault.count);
            break;
        case Kind::NotInteger:
            why = QCoreApplication::translate(
                      "app::GraphFiles",
                      "в %1 стоит %2, а ячейка может быть только текстом, целым "
                      "числом или null")
                      .arg(Place(fault, true), ValueText(fault));
            break;
        case Kind::OutOfRange:
            why = QCoreApplication::translate("app::GraphFiles",
                                              "число %1 в %2 не умещается в 32 бита")
                      .arg(Quoted(fault.text), Place(fault, true));
            break;
        case Kind::NotConvertible:
            why = QCoreApplication::translate("app::GraphFiles", "в %1 не целое число: «%2»")
                      .arg(Place(fault, true), Quoted(fault.text));
            break;
        case Kind::TooManyNodes:
            why = QCoreApplication::translate(
                      "app::GraphFiles",
                      "в графе %1 узлов, а окно вмещает не больше %2. Такие графы "
                      "читает graphway")
                      .arg(fault.count)
                      .arg(graph::kMostNodes);
            break;
        case Kind::TextTooLong:
            why = QCoreApplication::translate(
                      "app::GraphFiles",
                      "в %1 текст из %2 символов, а ячейка окна вмещает не больше %3")
                      .arg(Place(fault, true))
                      .arg(fault.count)
                      .arg(document::kLongestText);
            break;
    }
    return QCoreApplication::translate("app::GraphFiles", "Файл «%1» не открыт: %2.")
        .arg(fileName, why);
}

document::GraphTexts ReadGraphFile(const QString& path) {
    const QByteArray bytes = ReadGraphBytes(path);
    auto read = document::ReadGraphTexts(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* fault = std::get_if<document::Fault>(&read)) throw NotOpened(path, *fault);
    auto texts = std::get<document::GraphTexts>(std::move(read));
    const int n = static_cast<int>(texts.matrix.size());
    if (texts.nodes.empty()) {
        for (const auto& [x, y] : graph::CircleLayout(n)) {
            texts.nodes.push_back({std::to_string(x), std::to_string(y)});
        }
    }
    return texts;
}

void WriteGraphFile(const QString& path, const document::GraphTexts& texts) {
    WriteFileBytes(path, QByteArray::fromStdString(document::WriteGraphTexts(texts)));
}

void WritePictureFile(const QString& path, const plot::DrawingSurface& surface) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QStringLiteral("svg")) {
        bytes = plot::SvgPicture(surface.Shown());
    } else if (suffix == QStringLiteral("pdf")) {
        bytes = plot::PdfPicture(surface.Shown());
    } else {
        const bool bmp = suffix == QStringLiteral("bmp");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // BMP without an alpha channel: 24 bits, as the background file is.
        const QImage image = surface.Image();
        const QImage written = bmp ? image.convertToFormat(QImage::Format_RGB888) : image;
        if (!written.save(&buffer, bmp ? "BMP" : "PNG")) bytes.clear();
    }
    if (bytes.isEmpty()) {
        throw FileError(
            QCoreApplication::translate("app::GraphFiles",
                                        "Рисунок «%1» не сохранён: его не удалось закодировать.")
                .arg(Name(path))
                .toStdString());
    }
    WriteFileBytes(path, bytes);
}

}  // namespace app
