// Choosing a file to open or save, through one replaceable chooser, as
// message boxes go through one replaceable shower: tests answer in place of
// a person. The dialogs start in the folder of the last file opened or saved
// while the program runs, otherwise in the person's documents folder.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace app {

struct FileRequest {
    // SaveSet chooses a folder, not a file.
    enum class Purpose { OpenGraph, SaveGraph, SavePicture, SaveSet };

    Purpose purpose = Purpose::OpenGraph;
    // Where the dialog starts, and the name it suggests.
    QString folder;
    QString fileName;

    friend bool operator==(const FileRequest&, const FileRequest&) = default;
};

struct FileChoice {
    // Empty when the person cancelled.
    QString path;
    // The filter chosen, e.g. "Рисунок PNG (*.png)".
    QString filter;
};

using FileChooser = std::function<FileChoice(const FileRequest&)>;

// The filters the dialogs offer.
QString GraphFilter();
QString PngFilter();
QString BmpFilter();
QString SvgFilter();
QString PdfFilter();
// The picture's filters in the dialog's order, and the extension each
// stands for.
QStringList PictureFilters();
QStringList PictureSuffixes();

FileChoice ChooseFile(const FileRequest& request);

// Replaces the chooser (an empty function restores the real dialogs) and
// returns the one it replaced.
FileChooser SetFileChooser(FileChooser chooser);

// The folder the next dialog starts in (the documents folder, or the home
// folder when there is none), and the file whose folder it becomes after an
// opening or a saving.
QString DialogFolder();
void RememberFolderOf(const QString& path);

}  // namespace app
