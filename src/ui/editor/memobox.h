#pragma once
// The memo box Text1: a plain text box that shows only whole lines. Its inner height is split
// into as many lines of its font as fit, and what is left over is margin above and below, so
// that no line is cut through its glyphs.

#include <QPlainTextEdit>

namespace zuvo {

class MemoBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MemoBox(QWidget *parent = nullptr);

    // How many whole lines the box shows at once.
    int visibleLines() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitWholeLines();
};

} // namespace zuvo
