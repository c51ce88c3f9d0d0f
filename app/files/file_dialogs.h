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
    // SaveSet chooses a folder, not a file; SaveQuiz also asks the set's
    // name in the question bank.
    enum class Purpose { OpenGraph, SaveGraph, SavePicture, SaveSet, SaveQuiz };

    Purpose purpose = Purpose::OpenGraph;
    // Where the dialog starts, and the name it suggests.
    QString folder;
    QString fileName;
    // The set's name offered, for SaveQuiz.
    QString quizName{};

    friend bool operator==(const FileRequest&, const FileRequest&) = default;
};

struct FileChoice {
    // Empty when the person cancelled.
    QString path;
    // The filter chosen, e.g. "Рисунок PNG (*.png)".
    QString filter;
    // The set's name as typed, for SaveQuiz.
    QString quizName{};
};

using FileChooser = std::function<FileChoice(const FileRequest&)>;

// The filters the dialogs offer.
QString GraphFilter();
QString PngFilter();
QString BmpFilter();
QString SvgFilter();
QString PdfFilter();
QString MoodleXmlFilter();
QString GiftFilter();
// `name` with the ending of the quiz filter `filter`, ".xml" or
// ".gift.txt", in place of its own ".xml", ".gift.txt" or ".txt", or added.
QString QuizFileName(const QString& name, const QString& filter);
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
