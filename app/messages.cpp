// Application title, error texts and the replaceable message box; see
// messages.h.
#include "app/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <utility>

#include "graph/shown_texts.h"

namespace app {

namespace {

// Shows `box` modal in the middle of the screen and waits for its answer;
// the window that was active gets the keyboard back, even where no window
// manager hands it back.
int Run(QMessageBox& box) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    // Qt would centre the box over the active window; it belongs in the
    // middle of the screen, which needs its final size, known once shown.
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    if (const QScreen* screen = box.screen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    const int answer = box.exec();
    if (active) active->activateWindow();
    return answer;
}

void ShowRealMessageBox(const MessageBoxContent& content) {
    QMessageBox box(content.icon, content.caption, content.text, QMessageBox::Ok);
    // The button says "OK" whatever language Qt's own texts are in.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    Run(box);
}

QMessageBox::StandardButton AskRealQuestion(const QuestionContent& question) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), question.text);
    const auto add = [&box](QMessageBox::StandardButton button, const QString& text) {
        box.addButton(button);
        box.button(button)->setText(text);
    };
    if (question.answers == QuestionContent::YesNo) {
        add(QMessageBox::Yes, QCoreApplication::translate("app::Question", "Да"));
        add(QMessageBox::No, QCoreApplication::translate("app::Question", "Нет"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        add(QMessageBox::Save, QCoreApplication::translate("app::Question", "Сохранить"));
        add(QMessageBox::Discard, QCoreApplication::translate("app::Question", "Не сохранять"));
        add(QMessageBox::Cancel, QCoreApplication::translate("app::Question", "Отмена"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    Run(box);
    return box.standardButton(box.clickedButton());
}

MessageBoxShower& CurrentShower() {
    static MessageBoxShower shower = ShowRealMessageBox;
    return shower;
}

QuestionAsker& CurrentAsker() {
    static QuestionAsker asker = AskRealQuestion;
    return asker;
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
    if (!message.isEmpty() && graph::TakesFullStop(message.back().unicode())) return message + u'.';
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

QMessageBox::StandardButton AskQuestion(const QuestionContent& question) {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    return CurrentAsker()(question);
}

QuestionAsker SetQuestionAsker(QuestionAsker asker) {
    if (!asker) asker = AskRealQuestion;
    return std::exchange(CurrentAsker(), std::move(asker));
}

}  // namespace app
