// A class set's files in a folder; see set_folder.h.
#include "app/classes/set_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/files/graph_files.h"
#include "document/class_set_files.h"

namespace app {

namespace {

// Files a question names before it says how many more there are.
constexpr qsizetype kNamesAsked = 3;

}  // namespace

QString BookletName() { return QStringLiteral("booklet.pdf"); }

std::vector<SetFile> SetFiles(const std::vector<graph::ClassVariant>& set,
                              const QByteArray& booklet) {
    std::vector<SetFile> files;
    const int count = static_cast<int>(set.size());
    for (int k = 0; k < count; ++k) {
        files.push_back({QString::fromStdString(document::VariantFileName(k + 1, count)),
                         QByteArray::fromStdString(document::WriteGraphTexts(
                             document::VariantTexts(set[static_cast<std::size_t>(k)])))});
    }
    files.push_back({BookletName(), booklet});
    files.push_back({QStringLiteral("key.csv"), QByteArray::fromStdString(document::KeyText(set))});
    return files;
}

QStringList ExistingFiles(const QString& folder, const std::vector<SetFile>& files) {
    QStringList existing;
    const QDir dir(folder);
    for (const SetFile& file : files) {
        if (QFileInfo::exists(dir.filePath(file.name))) existing.push_back(file.name);
    }
    return existing;
}

QString ReplaceQuestion(const QString& folder, const QStringList& existing) {
    const QString name =
        QFileInfo(folder).fileName().isEmpty() ? folder : QFileInfo(folder).fileName();
    if (existing.size() == 1) {
        return QCoreApplication::translate("app::SetFolder",
                                           "Файл «%1» уже есть в папке «%2». Заменить его?")
            .arg(existing.front(), name);
    }
    QStringList named;
    for (const QString& file : existing.first(std::min(existing.size(), kNamesAsked))) {
        named.push_back(QStringLiteral("«%1»").arg(file));
    }
    QString list = named.join(QStringLiteral(", "));
    if (existing.size() > kNamesAsked) {
        list += QCoreApplication::translate("app::SetFolder", " и ещё %1")
                    .arg(existing.size() - kNamesAsked);
    }
    return QCoreApplication::translate("app::SetFolder",
                                       "Файлы %1 уже есть в папке «%2». Заменить их?")
        .arg(list, name);
}

void WriteSetFiles(const QString& folder, const std::vector<SetFile>& files) {
    const QDir dir(folder);
    for (const SetFile& file : files) WriteFileBytes(dir.filePath(file.name), file.bytes);
}

}  // namespace app
