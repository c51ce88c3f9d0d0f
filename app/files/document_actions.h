// The graph file the window's tables belong to: a new graph, opening, saving
// and saving as (from the keys, the right-click menus and dropped files), the
// question «Сохранить изменения?» before unsaved changes go, and the file's
// name in the window's caption. Undo and redo never change the file, so the
// caption and Ctrl+S always name the file last opened or saved. A failure of
// opening or saving goes to Failed.
#pragma once

#include <QString>

#include "app/messages.h"
#include "document/graph_document.h"

class QAction;
class QMimeData;
class QWidget;

namespace app {

class GraphTables;

class DocumentActions : public WindowPart {
    Q_OBJECT

public:
    // Keeps `window`'s caption.
    DocumentActions(GraphTables* tables, QWidget* window);

    QAction* NewGraphAction() const { return new_; }
    QAction* OpenAction() const { return open_; }
    QAction* SaveAction() const { return save_; }
    QAction* SaveAsAction() const { return saveAs_; }

    // «Новый граф»: two nodes with empty tables, of no file, asking first
    // whether unsaved changes are to be saved.
    void NewGraph();
    // Asks for a file and opens it, asking first whether unsaved changes
    // are to be saved. Throws FileError for a file that cannot be taken,
    // with nothing changed.
    void Open();
    // The same for the file `path`.
    void OpenFile(const QString& path);
    // Puts `texts` into the tables as a new document, belonging to no file
    // yet, asking first as opening a file does.
    void OpenNew(const document::GraphTexts& texts);
    // Saves to the file the tables belong to, or asks for one; false when
    // the person cancels or the saving fails (reported).
    bool Save();
    bool SaveAs();
    // Asks whether to save unsaved changes; false when the person cancels
    // or the saving fails.
    bool ChangesMayGo();

    // The name, without its folder, of the file the tables belong to;
    // empty before any file is opened or saved.
    QString FileName() const;

    // The one local .json file among dropped ones, or nothing.
    static QString DroppedGraphFile(const QMimeData* data);

signals:
    // Before a file is read or written: an open cell editor must commit.
    void EditingMustEnd();
    // The tables now hold another file, or a new graph.
    void Opened();

private:
    void Load(const QString& path);
    // Takes `texts` as the tables' document, belonging to the file `path`.
    void Take(const document::GraphTexts& texts, const QString& path);
    bool WriteTo(const QString& path);
    void ShowFileInCaption();

    GraphTables* tables_;
    QWidget* window_;
    QString fileName_;
    QAction* new_;
    QAction* open_;
    QAction* save_;
    QAction* saveAs_;
};

}  // namespace app
