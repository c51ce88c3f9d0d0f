// What the window tells the person outside its own controls: the
// application's title, the full-stop rule of error texts, and the single
// place every message box goes through, which tests replace so that nothing
// modal blocks them.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace app {

// The title of an executable at `path`: its file name without the folder,
// cut at its first ".", every character after the first in lower case.
QString TitleFromExecutable(const QString& path);

// TitleFromExecutable of the running program; the caption of every box.
QString ApplicationTitle();

// An error text as shown: a full stop is appended when the code of the last
// character is above that of "."; texts ending in ".", "!", a space and the
// like, and the empty text, stay as they are.
QString WithFullStop(const QString& message);

// One message box: an OK button that Enter and Esc also press, shown modal
// and centred on the screen.
struct MessageBoxContent {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;

    friend bool operator==(const MessageBoxContent&, const MessageBoxContent&) = default;
};

using MessageBoxShower = std::function<void(const MessageBoxContent&)>;

// Shows `content` through the current shower; by default a real modal box.
void ShowMessageBox(const MessageBoxContent& content);

// Replaces the shower (an empty function restores the real box) and returns
// the one it replaced.
MessageBoxShower SetMessageBoxShower(MessageBoxShower shower);

}  // namespace app
