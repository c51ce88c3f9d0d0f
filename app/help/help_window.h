// «Справка»: the user's guide in a tool window of the main window, in the
// interface's language, opened by F1.
#pragma once

#include <QWidget>

namespace app {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

// Gives `window` the F1 key (the platform's key for help), which shows its
// one guide window, made on first use.
void AddHelpKey(QWidget* window);

}  // namespace app
