#include "picture/programpicture.h"

#include "model/iconcatalogue.h"
#include "model/lattice.h"
#include "model/parameterstring.h"
#include "model/valuelabels.h"
#include "picture/gridpainter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace zuvo {

namespace {

constexpr int TitlePixelSize = 18;
constexpr int MemoPixelSize = 13;
constexpr int Gap = 14; // between the title, the program and the memo
constexpr int MinimumWidth = 360;
const QColor TitleColour(40, 40, 40);
const QColor MemoColour(70, 70, 70);
const QColor RuleColour(200, 200, 200);
const QColor FaintGridColour(222, 222, 222);
const QString Ellipsis = QStringLiteral(u"…");

QRect areaOf(const WorkingProgram &program)
{
    QRect area;
    for (int slot = 0; slot < std::clamp(program.SlotCount, 0, IconSlotLimit); ++slot) {
        const int cell = program.SlotCell[slot];
        if (cell < 0 || cell > LastCellIndex)
            continue;
        area |= QRect(iconPicturePosition(CellX(cell), CellY(cell)),
                      QSize(IconPictureSize, IconPictureSize));
    }
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            if (isConnector(cellKind(x, y)) && program.holdsLine(x, y))
                area |= lineBar(x, y);
    if (area.isEmpty()) // nothing on the grid: one empty icon cell
        area = QRect(iconPicturePosition(0, 0), QSize(IconPictureSize, IconPictureSize));
    return area;
}

QString memoText(QString memo)
{
    memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo.replace(u'\r', u'\n');
    while (memo.endsWith(u'\n'))
        memo.chop(1);
    return memo;
}

// The memo's first `limit` lines as wrapped to `width` (at word boundaries, or anywhere in a word
// longer than the width); when more follows, the last ends in "…". Only the lines drawn are laid
// out, however long the memo.
QStringList wrappedMemo(const QString &memo, const QFont &font, int width, int limit)
{
    QStringList lines;
    bool more = false;
    const QFontMetrics metrics(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qsizetype start = 0;
    while (start <= memo.size()) {
        if (lines.size() == limit) {
            more = true;
            break;
        }
        qsizetype end = memo.indexOf(u'\n', start);
        if (end < 0)
            end = memo.size();
        const QString paragraph = memo.mid(start, end - start);
        start = end + 1;
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            if (lines.size() == limit) {
                more = true;
                break;
            }
            line.setLineWidth(width);
            QString text = paragraph.mid(line.textStart(), line.textLength());
            while (text.endsWith(u' ')) // the blank at which the line was broken
                text.chop(1);
            lines << text;
        }
        layout.endLayout();
        if (more)
            break;
    }
    if (more && !lines.isEmpty()) {
        QString &last = lines.last();
        while (!last.isEmpty() && metrics.horizontalAdvance(last + Ellipsis) > width)
            last.chop(1);
        last += Ellipsis;
    }
    return lines;
}

} // namespace

QFont PictureFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

ProgramPicture::ProgramPicture(const WorkingProgram &program, const QString &title,
                               ProgramPictureOptions options)
    : m_program(program)
    , m_title(title)
    , m_memo(memoText(program.Memo))
    , m_options(options)
    , m_programArea(areaOf(program))
{
    const QFontMetrics titleMetrics(PictureFont(TitlePixelSize, true));
    m_titleShown = titleMetrics.elidedText(m_title, Qt::ElideMiddle, TitleWidthLimit);
    const int titleWidth = titleMetrics.horizontalAdvance(m_titleShown);
    const int width
        = std::max({m_programArea.width() + 2 * Margin, titleWidth + 2 * Margin, MinimumWidth});
    const int inner = width - 2 * Margin;

    m_titleRect = QRect(Margin, Margin, inner, titleMetrics.height());
    int y = m_titleRect.bottom() + 1 + Gap;
    // The program stands centred under the title.
    m_programOrigin = QPoint((width - m_programArea.width()) / 2, y);
    y += m_programArea.height() + Gap;
    if (!m_memo.isEmpty()) {
        const QFont memoFont = PictureFont(MemoPixelSize);
        m_memoLines = wrappedMemo(m_memo, memoFont, inner, MemoLinesDrawn);
        const int height = int(m_memoLines.size()) * QFontMetrics(memoFont).lineSpacing();
        m_memoRect = QRect(Margin, y + Gap / 2, inner, height);
        y = m_memoRect.bottom() + 1;
    }
    m_size = QSize(width, y + Margin - (m_memo.isEmpty() ? Gap : 0));
}

void ProgramPicture::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRect(QPoint(0, 0), m_size), Qt::white);

    painter.setPen(TitleColour);
    painter.setFont(PictureFont(TitlePixelSize, true));
    painter.drawText(m_titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_titleShown);
    painter.fillRect(QRect(Margin, m_titleRect.bottom() + Gap / 2, m_size.width() - 2 * Margin, 1),
                     RuleColour);

    painter.save();
    painter.translate(m_programOrigin - m_programArea.topLeft());
    paintProgram(painter);
    painter.restore();

    if (!m_memo.isEmpty()) {
        painter.fillRect(QRect(Margin, m_memoRect.top() - Gap / 2, m_size.width() - 2 * Margin, 1),
                         RuleColour);
        painter.setPen(MemoColour);
        const QFont memoFont = PictureFont(MemoPixelSize);
        painter.setFont(memoFont);
        const QFontMetrics metrics(memoFont);
        int baseline = m_memoRect.top() + metrics.ascent();
        for (const QString &line : m_memoLines) {
            painter.drawText(QPoint(m_memoRect.left(), baseline), line);
            baseline += metrics.lineSpacing();
        }
    }
    painter.restore();
}

void ProgramPicture::paintProgram(QPainter &painter) const
{
    if (m_options.grid) {
        const int c0 = m_programArea.left() / CellPitch;
        const int c1 = m_programArea.right() / CellPitch;
        const int r0 = m_programArea.top() / CellPitch;
        const int r1 = m_programArea.bottom() / CellPitch;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                paintIconCellOutline(painter, c, r, FaintGridColour);
    }
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            if (isConnector(cellKind(x, y)) && m_program.holdsLine(x, y))
                paintLineBar(painter, x, y);

    const QFont labelFont = QGuiApplication::font();
    for (int slot = 0; slot < std::clamp(m_program.SlotCount, 0, IconSlotLimit); ++slot) {
        const int cell = m_program.SlotCell[slot];
        if (cell < 0 || cell > LastCellIndex)
            continue;
        const int x = CellX(cell);
        const int y = CellY(cell);
        const int content = m_program.CellContent(x, y);
        if (!ContentHoldsIcon(content))
            continue;
        const QPoint topLeft = iconPicturePosition(x, y);
        paintIconArtwork(painter, QRectF(topLeft, QSizeF(IconPictureSize, IconPictureSize)),
                         ContentIconCode(content));
        const QString &params = m_program.SlotParams[slot];
        if (!params.startsWith(u'*'))
            paintValueLabels(painter, topLeft, SlotValueLabels(params), labelFont);
    }
}

} // namespace zuvo
