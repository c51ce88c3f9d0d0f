// Application title, error texts and the replaceable message box; see
// messages.h.
#include "messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <utility>

namespace app {

namespace {

void ShowRealMessageBox(const MessageBoxContent& content) {
    QMessageBox box(content.icon, content.caption, content.text, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // Qt would centre the box over the active window; it belongs in the
    // middle of the screen, which needs its final size, known once shown.
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    if (const QScreen* screen = box.screen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
}

MessageBoxShower& CurrentShower() {
    static MessageBoxShower shower = ShowRealMessageBox;
    return shower;
}

}  // namespace

QString TitleFromExecutable(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const QString title = fileName.left(fileName.indexOf(QLatin1Char('.')));
    if (title.isEmpty()) return title;
    return title.left(1) + title.mid(1).toLower();
}

QString ApplicationTitle() { return TitleFromExecutable(QCoreApplication::applicationFilePath()); }

QString WithFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

void ShowMessageBox(const MessageBoxContent& content) {
    // A widget holding the mouse would otherwise keep receiving its moves
    // while the box is up.
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    CurrentShower()(content);
}

MessageBoxShower SetMessageBoxShower(MessageBoxShower shower) {
    if (!shower) shower = ShowRealMessageBox;
    return std::exchange(CurrentShower(), std::move(shower));
}

}  // namespace app
