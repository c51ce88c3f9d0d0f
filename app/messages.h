// What the window tells the person outside its own controls: the
// application's title, the full-stop rule of error texts, the single place
// every message box goes through, which tests replace so that nothing modal
// blocks them, and the way the window's parts hand their failures to the
// window, the one place that shows them.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace app {

// A part of the main window that runs handlers of its own (a menu entry, a
// key, the mouse): what fails in them goes to Failed, for the window to
// show, never into Qt's event loop.
class WindowPart : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void Failed(const std::exception& error);

protected:
    // Runs `handler`; true when it ran through, false when it failed and
    // its failure went to Failed.
    template <typename Handler>
    bool Run(Handler&& handler) {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const std::exception& error) {
            emit Failed(error);
            return false;
        }
    }
};

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

// A question with its answers, in a modal box titled with the application
// title and centred on the screen like every box.
struct QuestionContent {
    // Да / Нет, Esc meaning Нет; or Сохранить / Не сохранять / Отмена, Esc
    // meaning Отмена.
    enum Answers { YesNo, SaveDiscardCancel };

    QString text;
    Answers answers = YesNo;

    friend bool operator==(const QuestionContent&, const QuestionContent&) = default;
};

// The answer: QMessageBox::Yes or No; Save, Discard or Cancel.
using QuestionAsker = std::function<QMessageBox::StandardButton(const QuestionContent&)>;

QMessageBox::StandardButton AskQuestion(const QuestionContent& question);

// Replaces the asker as SetMessageBoxShower replaces the shower.
QuestionAsker SetQuestionAsker(QuestionAsker asker);

}  // namespace app
