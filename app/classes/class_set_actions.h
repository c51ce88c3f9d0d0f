// The main window's way into class sets and worksheets: «Варианты для
// класса…», in the menus of the tables and the picture, opens the tool
// window and puts the variant it is asked for into the tables as a new
// document; «Печать задания…», in the picture's menu, opens the print
// preview of the worksheet for the graph in the tables. Failures go to
// Failed.
#pragma once

#include <QPointer>

#include "app/messages.h"

class QAction;
class QWidget;

namespace app {

class ClassSetWindow;
class DocumentActions;
class GraphTables;

class ClassSetActions : public WindowPart {
    Q_OBJECT

public:
    // The actions belong to `window`, which the tool window opens beside.
    ClassSetActions(GraphTables* tables, DocumentActions* documents, QWidget* window);
    ~ClassSetActions() override;

    QAction* ClassSetAction() const { return classSet_; }
    QAction* PrintTaskAction() const { return printTask_; }

    // Opens the tool window, or brings it to the front.
    void OpenClassSet();
    // The worksheet of the tables' graph in the print preview, titled with
    // the file's name without its extension, or «Задание». Throws when a
    // cell cannot be read or the background cannot be loaded.
    void PrintTask();

signals:
    // Before the tables are read: an open cell editor must commit.
    void EditingMustEnd();

private:
    GraphTables* tables_;
    DocumentActions* documents_;
    QWidget* window_;
    QAction* classSet_;
    QAction* printTask_;
    QPointer<ClassSetWindow> classSetWindow_;
};

}  // namespace app
