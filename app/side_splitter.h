// A 2-px vertical bar that, dragged, changes the width of one block to its
// right while the stretching block (the picture) takes up the difference;
// the blocks between keep their widths. No block goes below kMinSize.
#pragma once

#include <QWidget>

namespace app {

class SideSplitter : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 2;
    static constexpr int kMinSize = 30;

    // `resized` must have a fixed width; `rest` is the block that stretches.
    SideSplitter(QWidget* resized, QWidget* rest, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* resized_;
    QWidget* rest_;
    bool dragging_ = false;
    int startX_ = 0;
    int startWidth_ = 0;
    int startRestWidth_ = 0;
};

}  // namespace app
