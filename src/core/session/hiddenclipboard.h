#pragma once
// The hidden clipboard's text form: a box of cells written as a line list and an icon list whose
// indexes are relative to the box's top-left cell, plus the parity of that cell ("0"/"1" for the
// column, then for the row), so that a paste keeps lines on connector cells.

#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

namespace zuvo {

// Collects the cells of one box in visiting order and yields the clipboard texts.
class ClipWriter
{
public:
    ClipWriter(int boxX, int boxY);
    void addLine(int x, int y);
    void addIcon(int x, int y, const QString &params);
    QString lines() const; // "v,v,...,END"
    QString icons() const; // "v,params,...,END"
    QString parity() const;

private:
    int relativeIndex(int x, int y) const;

    int m_boxX;
    int m_boxY;
    QString m_lines;
    QString m_icons;
};

struct ClipIcon
{
    int offset = 0; // relative index
    QString params;
};

// The relative indexes of the copied lines: every token that a comma follows.
QList<int> ReadClipLines(const QString &clipLines);
// The copied icons, pairs up to "END".
QList<ClipIcon> ReadClipIcons(const QString &clipIcons);

// The paste origin for the current cell (c, r): moved by one column / row where its kind differs
// from the copied box's top-left cell.
QPoint AlignPasteOrigin(int c, int r, const QString &parity);

// The lattice position of a relative index pasted at origin; none when it lies outside the
// lattice.
std::optional<QPoint> PasteTarget(QPoint origin, int offset);

} // namespace zuvo
