// The replaceable file chooser; see file_dialogs.h.
#include "app/files/file_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QWidget>
#include <utility>

namespace app {

namespace {

// The set's name and what GIFT leaves out, under the dialog's own rows, so
// that the person decides both where the format is chosen. Qt's own dialog
// lays itself out in a grid; without one the name stays as offered.
QLineEdit* AddQuizRows(QFileDialog& dialog, const QString& name) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr) return nullptr;
    auto* edit = new QLineEdit(name, &dialog);
    edit->setObjectName(QStringLiteral("quizNameEdit"));
    auto* caption =
        new QLabel(QCoreApplication::translate("app::FileDialogs", "Имя набора:"), &dialog);
    caption->setBuddy(edit);
    auto* note =
        new QLabel(QCoreApplication::translate("app::FileDialogs",
                                               "GIFT несёт только вопросы о длине и о пути: без "
                                               "рисунков и без таблицы Дейкстры."),
                   &dialog);
    note->setWordWrap(true);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1, 1, grid->columnCount() - 1);
    grid->addWidget(note, row + 1, 0, 1, grid->columnCount());
    return edit;
}

FileChoice ChooseWithDialog(const FileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    QLineEdit* quizName = nullptr;
    // Qt's own dialog, so that its texts are in the program's language
    // whatever the desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    switch (request.purpose) {
        case FileRequest::Purpose::OpenGraph:
            dialog.setWindowTitle(QCoreApplication::translate("app::FileDialogs", "Открыть граф"));
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setNameFilter(GraphFilter());
            break;
        case FileRequest::Purpose::SaveGraph:
            dialog.setWindowTitle(
                QCoreApplication::translate("app::FileDialogs", "Сохранить граф"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setNameFilter(GraphFilter());
            dialog.setDefaultSuffix(QStringLiteral("json"));
            break;
        case FileRequest::Purpose::SavePicture:
            dialog.setWindowTitle(
                QCoreApplication::translate("app::FileDialogs", "Сохранить рисунок"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setNameFilters(PictureFilters());
            // A name typed without an extension gets the chosen filter's,
            // and the caller asks before replacing the file it then names.
            dialog.setDefaultSuffix(PictureSuffixes().front());
            QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                             [&dialog](const QString& filter) {
                                 const qsizetype at = PictureFilters().indexOf(filter);
                                 dialog.setDefaultSuffix(PictureSuffixes().value(at));
                             });
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
            break;
        case FileRequest::Purpose::SaveSet:
            dialog.setWindowTitle(
                QCoreApplication::translate("app::FileDialogs", "Сохранить набор в папку"));
            dialog.setFileMode(QFileDialog::Directory);
            dialog.setOption(QFileDialog::ShowDirsOnly);
            break;
        case FileRequest::Purpose::SaveQuiz:
            dialog.setWindowTitle(
                QCoreApplication::translate("app::FileDialogs", "Экспорт в Moodle"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setNameFilters({MoodleXmlFilter(), GiftFilter()});
            // The caller gives the name its ending and asks before
            // replacing a file.
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
            // Qt would put a bare "txt" for "gift.txt".
            QObject::connect(
                &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
                    const QStringList typed = dialog.selectedFiles();
                    if (typed.isEmpty() || QFileInfo(typed.front()).isDir()) return;
                    dialog.selectFile(QuizFileName(QFileInfo(typed.front()).fileName(), filter));
                });
            quizName = AddQuizRows(dialog, request.quizName);
            break;
    }
    dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    const QPointer<QWidget> active = QApplication::activeWindow();
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (active) active->activateWindow();
    if (!chosen) return {};
    return {dialog.selectedFiles().front(), dialog.selectedNameFilter(),
            quizName != nullptr ? quizName->text() : request.quizName};
}

FileChooser& CurrentChooser() {
    static FileChooser chooser = ChooseWithDialog;
    return chooser;
}

QString& LastFolder() {
    static QString folder;
    return folder;
}

}  // namespace

QString GraphFilter() { return QCoreApplication::translate("app::FileDialogs", "Граф (*.json)"); }
QString PngFilter() {
    return QCoreApplication::translate("app::FileDialogs", "Рисунок PNG (*.png)");
}
QString BmpFilter() {
    return QCoreApplication::translate("app::FileDialogs", "Рисунок BMP (*.bmp)");
}
QString SvgFilter() {
    return QCoreApplication::translate("app::FileDialogs", "Векторный рисунок SVG (*.svg)");
}
QString PdfFilter() {
    return QCoreApplication::translate("app::FileDialogs", "Документ PDF (*.pdf)");
}
QString MoodleXmlFilter() { return QStringLiteral("Moodle XML (*.xml)"); }
QString GiftFilter() {
    return QCoreApplication::translate("app::FileDialogs", "GIFT, только текст (*.gift.txt)");
}
QString QuizFileName(const QString& name, const QString& filter) {
    QString base = name;
    for (const QString& ending :
         {QStringLiteral(".gift.txt"), QStringLiteral(".xml"), QStringLiteral(".txt")}) {
        if (base.endsWith(ending, Qt::CaseInsensitive)) {
            base.chop(ending.size());
            break;
        }
    }
    return base + (filter == GiftFilter() ? QStringLiteral(".gift.txt") : QStringLiteral(".xml"));
}
QStringList PictureFilters() { return {PngFilter(), BmpFilter(), SvgFilter(), PdfFilter()}; }
QStringList PictureSuffixes() {
    return {QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("svg"),
            QStringLiteral("pdf")};
}

FileChoice ChooseFile(const FileRequest& request) { return CurrentChooser()(request); }

FileChooser SetFileChooser(FileChooser chooser) {
    if (!chooser) chooser = ChooseWithDialog;
    return std::exchange(CurrentChooser(), std::move(chooser));
}

QString DialogFolder() {
    if (!LastFolder().isEmpty()) return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberFolderOf(const QString& path) { LastFolder() = QFileInfo(path).absolutePath(); }

}  // namespace app
