// Program entry: the application, its one window, and the event loop that
// runs until the window is closed. One argument names a graph file to open
// once the window has started.
#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <csignal>

#include "app/Unit1.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "app/window_accessibility.h"

int main(int argc, char* argv[]) {
    // A file growing past the process's size limit is refused (EFBIG) and
    // the save reported, instead of the signal ending the window unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    app::LoadTranslations();
    app::InstallWindowAccessibility();
    TForm1 form;
    form.show();
    const QStringList files = QApplication::arguments().mid(1);
    if (files.size() > 1) {
        app::ShowMessageBox(
            {QMessageBox::Warning, app::ApplicationTitle(),
             QCoreApplication::translate("main",
                                         "Открывается только один файл, %1; остальные "
                                         "аргументы пропущены: %2.")
                 .arg(files.front(), files.mid(1).join(QStringLiteral(", ")))});
    }
    if (!files.isEmpty()) form.OpenFile(files.front());
    return application.exec();
}
