#include "editor/memobox.h"

#include <QEvent>
#include <algorithm>

namespace zuvo {

namespace {
constexpr int SideMargin = 3;
} // namespace

MemoBox::MemoBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    document()->setDocumentMargin(0);
    // The margins lie outside the viewport: they take the text's white, not the panel's colour.
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, white.color(QPalette::Base));
    setPalette(white);
    fitWholeLines();
}

int MemoBox::visibleLines() const
{
    return viewport()->height() / std::max(1, fontMetrics().lineSpacing());
}

void MemoBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    fitWholeLines();
}

void MemoBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWholeLines();
}

void MemoBox::fitWholeLines()
{
    const int line = std::max(1, fontMetrics().lineSpacing());
    const int inner = std::max(0, height() - 2 * frameWidth());
    const int spare = inner - std::max(1, inner / line) * line;
    const int top = std::max(0, spare / 2);
    const int bottom = std::max(0, spare - top);
    const QMargins wanted(SideMargin, top, 0, bottom);
    if (viewportMargins() != wanted)
        setViewportMargins(wanted);
}

} // namespace zuvo
