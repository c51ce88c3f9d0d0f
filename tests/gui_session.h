// What the programs that drive the GUI without a display share -- tests,
// benchmarks and fuzzers: the one QApplication, on the offscreen platform
// unless the environment names another, and a scratch folder holding the
// background 1.bmp that the window reads from its working directory.
#pragma once

#include <QString>
#include <QTemporaryDir>

// Starts the program's application on the first call; it lasts until
// StopGuiApplication, or else until the program ends.
void StartGuiApplication();

// Ends the application while the program still runs, as a test program must
// before its widgets' and fonts' globals go at exit.
void StopGuiApplication();

// A new folder holding `background` as 1.bmp, the working directory for as
// long as the folder lasts.
class BackgroundFolder : public QTemporaryDir {
public:
    explicit BackgroundFolder(const QString& background);
    ~BackgroundFolder();

    // Whether the folder was made, the picture copied and the folder entered.
    bool IsReady() const { return ready_; }

private:
    QString previous_;
    bool ready_ = false;
};
