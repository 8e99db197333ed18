#pragma once
// The grid lattice: 99 x 59 positions of icon cells, connectors and corners, their numbering
// (CellIndex = x + 99 y) and their pixel geometry on the 2941 x 1761 drawing surface.

#include <QRect>
#include <stdexcept>

namespace zuvo {

constexpr int LatticeColumns = 99; // x = 0 .. 98
constexpr int LatticeRows = 59; // y = 0 .. 58
constexpr int StorageColumns = 100; // column 99 and row 59 exist only in storage
constexpr int StorageRows = 60;
constexpr int LastCellIndex = 5840;
constexpr int IconColumns = 50;
constexpr int IconRows = 30;
constexpr int CellPitch = 59;
constexpr int IconPictureSize = 48;
constexpr int SurfaceWidth = 2941;
constexpr int SurfaceHeight = 1761;

enum class CellKind { Icon, HorizontalConnector, VerticalConnector, Corner };

// Thrown when a table of the program would be read or written outside its bounds. The check
// stages turn it into their run-time failure instead of undefined behaviour.
class LatticeIndexError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

CellKind cellKind(int x, int y);
inline bool isConnector(CellKind k)
{
    return k == CellKind::HorizontalConnector || k == CellKind::VerticalConnector;
}

constexpr int CellIndex(int x, int y)
{
    return x + LatticeColumns * y;
}
constexpr int CellX(int cellIndex)
{
    return cellIndex % LatticeColumns;
}
constexpr int CellY(int cellIndex)
{
    return cellIndex / LatticeColumns;
}

// The CellIndex of the icon cell in icon column 0 of icon row r.
constexpr int RowOffset(int r)
{
    return 198 * r;
}

// True for positions that belong to the program (not the storage-only column 99 / row 59).
constexpr bool insideLattice(int x, int y)
{
    return x >= 0 && x < LatticeColumns && y >= 0 && y < LatticeRows;
}

// Hit test of one pixel coordinate (either axis). Pixels 0..48 of each 59-pixel pitch belong to
// the icon column, 49..58 to the connector after it. Returns -1 for a negative pixel; callers
// check the result with insideLattice (the edge pixel maps to 99 or 59).
int PixelToLattice(int pixel);

// The filled box of a position, corner to corner inclusive, as a QRect.
QRect cellBox(int x, int y);
// The grey bar drawn over a connector that holds a line (null for other kinds).
QRect lineBar(int x, int y);
// Top-left pixel of the icon picture of an icon cell.
QPoint iconPicturePosition(int x, int y);

} // namespace zuvo
