// The guide window; see help_window.h.
#include "app/help/help_window.h"

#include <QAction>
#include <QKeySequence>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/form_controls.h"
#include "app/interface_language.h"

namespace app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Справка"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setAccessibleName(tr("Руководство пользователя"));
    text->setOpenExternalLinks(true);
    // The guides and the window's pictures they show are built into the
    // program; the same files are in the source's docs folder.
    text->setSource(QUrl(InterfaceLanguage() == graph::Language::English
                             ? QStringLiteral("qrc:/guide/guide.en.html")
                             : QStringLiteral("qrc:/guide/guide.ru.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    resize(640, 560);
}

void AddHelpKey(QWidget* window) {
    QAction* help = NewAction(QStringLiteral("helpAction"), HelpWindow::tr("Справка"), window,
                              QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
    window->addAction(help);
    QObject::connect(help, &QAction::triggered, window, [window] {
        auto* guide = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (guide == nullptr) guide = new HelpWindow(window);
        guide->show();
        guide->raise();
        guide->activateWindow();
    });
}

}  // namespace app
