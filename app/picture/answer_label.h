// A label for the answer of the last calculation (the way, its length). Its
// text is always the whole answer; when that does not fit the box, it is
// painted ending in "…" and a tooltip shows it whole. While the answer no
// longer belongs to the tables as they are, it is painted grey.
#pragma once

#include <QLabel>

namespace app {

class AnswerLabel : public QLabel {
    Q_OBJECT

public:
    // The label stands at `at` in `parent` and reaches to its right edge.
    AnswerLabel(const QString& name, const QString& text, QPoint at, QWidget* parent);

    void SetStale(bool stale);
    bool IsStale() const { return stale_; }
    // True when the text is painted cut, ending in "…".
    bool IsCut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitParent();

    bool stale_ = false;
};

}  // namespace app
