// The node count: an edit box with spin buttons, 2..100, each press 1 more
// or less, no wrap-around, no acceleration, the up and down keys moving it. The spin
// box plays UpDown1 and its edit line LabeledEdit1; the count is always the
// spin position, so text typed into the line can never take it out of range.
#pragma once

#include <QSpinBox>
#include <QString>
#include <cstdint>

#include "graph/graph_model.h"
#include "graph/node_layout.h"

namespace app {

class NodeCountBox : public QSpinBox {
    Q_OBJECT

public:
    static constexpr int kMinimum = graph::kFewestNodes;
    static constexpr int kMaximum = graph::kMostNodes;
    static constexpr int kInitial = static_cast<int>(graph::kSampleNodes.size());

    explicit NodeCountBox(QWidget* parent = nullptr);

    std::int16_t Position() const { return static_cast<std::int16_t>(value()); }

protected:
    // Only the up and down keys move the count; Page Up and Page Down do not.
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel moves the count only while the box has the focus, so that
    // scrolling past it never changes the graph.
    void wheelEvent(QWheelEvent* event) override;
    // Undo and redo keys go to the window's history.
    bool event(QEvent* event) override;

signals:
    // Every change of the edit line's text: each keystroke and each press of
    // the spin buttons or keys, once per change.
    void EditTextChanged();

private:
    void NoteText(const QString& text);

    QString shownText_;
};

}  // namespace app
