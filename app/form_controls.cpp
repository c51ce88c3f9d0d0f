// The main window's small control pieces; see form_controls.h.
#include "app/form_controls.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QRect>
#include <QWidget>

namespace app {

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QAction* NewAction(const QString& name, const QString& text, QObject* parent,
                   const QKeySequence& key) {
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

QAction* ExecMenu(QMenu& menu, const QPoint& at, QWidget* window) {
    QAction* chosen = menu.exec(at);
    window->activateWindow();
    return chosen;
}

QGroupBox* NewGroupBox(const QString& name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* NewButton(const QString& name, const QString& caption, QWidget* parent,
                       std::optional<QPoint> at) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (at) button->setGeometry(QRect(*at, QSize(75, 25)));
    button->setAutoDefault(false);
    return button;
}

void SetHints(QWidget* StringGrid1, QWidget* StringGrid2, QWidget* Button2, QWidget* Button3,
              QWidget* Button1) {
    StringGrid1->setAccessibleName(QCoreApplication::translate("app::Hints", "Таблица узлов"));
    StringGrid2->setAccessibleName(QCoreApplication::translate("app::Hints", "Матрица смежности"));
    StringGrid1->setToolTip(QCoreApplication::translate(
        "app::Hints",
        "Координаты узлов: X и Y — целые числа от −200 до 200, начало координат "
        "в центре рисунка, Y растёт вверх."));
    StringGrid2->setToolTip(QCoreApplication::translate(
        "app::Hints",
        "Вес связи из узла столбца в узел строки; то же число встаёт и в "
        "симметричную ячейку. Пустая ячейка или отрицательное число — связи нет; "
        "0 — связь веса 0, которую «Связи» не рисуют."));
    Button2->setToolTip(QCoreApplication::translate(
        "app::Hints", "Нарисовать узлы по координатам из таблицы узлов."));
    Button3->setToolTip(QCoreApplication::translate(
        "app::Hints", "Нарисовать узлы и связи с их весами; связи веса 0 не рисуются."));
    Button1->setToolTip(QCoreApplication::translate(
        "app::Hints",
        "Найти кратчайший путь от узла 1 до последнего узла, нарисовать его красным и "
        "записать вместе с длиной."));
}

}  // namespace app
