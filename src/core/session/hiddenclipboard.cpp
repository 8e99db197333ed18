#include "session/hiddenclipboard.h"

#include "model/lattice.h"
#include "model/numbers.h"

#include <QStringList>

namespace zuvo {

namespace {
const QString ListEnd = QStringLiteral("END");
}

ClipWriter::ClipWriter(int boxX, int boxY)
    : m_boxX(boxX)
    , m_boxY(boxY)
{
}

int ClipWriter::relativeIndex(int x, int y) const
{
    return (y - m_boxY) * LatticeColumns + (x - m_boxX);
}

void ClipWriter::addLine(int x, int y)
{
    m_lines += QString::number(relativeIndex(x, y)) + u',';
}

void ClipWriter::addIcon(int x, int y, const QString &params)
{
    m_icons += QString::number(relativeIndex(x, y)) + u',' + params + u',';
}

QString ClipWriter::lines() const
{
    return m_lines + ListEnd;
}

QString ClipWriter::icons() const
{
    return m_icons + ListEnd;
}

QString ClipWriter::parity() const
{
    return QString::number(m_boxX % 2) + QString::number(m_boxY % 2);
}

QList<int> ReadClipLines(const QString &clipLines)
{
    const QStringList tokens = clipLines.split(u',');
    QList<int> offsets;
    for (qsizetype i = 0; i + 1 < tokens.size(); ++i)
        offsets.append(static_cast<int>(ReadTokenNumber(tokens.at(i))));
    return offsets;
}

QList<ClipIcon> ReadClipIcons(const QString &clipIcons)
{
    const QStringList tokens = clipIcons.split(u',');
    QList<ClipIcon> icons;
    for (qsizetype i = 0; i + 1 < tokens.size() && tokens.at(i) != ListEnd; i += 2)
        icons.append({static_cast<int>(ReadTokenNumber(tokens.at(i))), tokens.at(i + 1)});
    return icons;
}

namespace {
int align(int value, QChar parity)
{
    if (parity == u'1' && value % 2 == 0)
        return value - 1;
    if (parity == u'0' && value % 2 != 0)
        return value + 1;
    return value;
}
} // namespace

QPoint AlignPasteOrigin(int c, int r, const QString &parity)
{
    const QChar column = parity.size() > 0 ? parity.at(0) : QChar();
    const QChar row = parity.size() > 1 ? parity.at(1) : QChar();
    return QPoint(align(c, column), align(r, row));
}

std::optional<QPoint> PasteTarget(QPoint origin, int offset)
{
    if (offset < 0)
        return std::nullopt;
    const int x = origin.x() + offset % LatticeColumns;
    const int y = origin.y() + offset / LatticeColumns;
    if (!insideLattice(x, y))
        return std::nullopt;
    return QPoint(x, y);
}

} // namespace zuvo
