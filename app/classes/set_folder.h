// A class set's files in a folder: the variants' graph files, the booklet
// and the key, the same names and, for the graph files and the key, the same
// bytes as graphway --generate writes. Each file is written whole or not at
// all, and the key last, so that a key stands only beside a whole set.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "graph/class_set.h"

namespace app {

struct SetFile {
    QString name;
    QByteArray bytes;
};

// The booklet's name in the folder.
QString BookletName();

// variant-01.json … and key.csv, the key last; `booklet` goes before the
// key when it is given.
std::vector<SetFile> SetFiles(const std::vector<graph::ClassVariant>& set,
                              const QByteArray& booklet = {});

// The names of `files` that stand in `folder` already.
QStringList ExistingFiles(const QString& folder, const std::vector<SetFile>& files);

// The question before `existing` files in `folder` are replaced.
QString ReplaceQuestion(const QString& folder, const QStringList& existing);

// Writes `files` into `folder` in their order. Throws FileError; the files
// written before the one that failed stay, each whole.
void WriteSetFiles(const QString& folder, const std::vector<SetFile>& files);

}  // namespace app
