// The keys of the window's undo and redo. Edit lines inside the window
// (a cell's editor, the count box) would take them for their own undo; they
// let them through to the window instead.
#pragma once

#include <QKeyEvent>
#include <QKeySequence>

namespace app {

inline bool IsHistoryKey(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

}  // namespace app
