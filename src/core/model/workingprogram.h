#pragma once
// The working program: what the lattice holds (CellContent, CellMark), the 100 icon slots
// (SlotCell, SlotParams, SlotCount), the memo and the two scroll positions. The editor holds one
// of these for the current program slot; readers fill a fresh one as a staging copy.

#include "model/lattice.h"

#include <QString>
#include <array>
#include <cstdint>

namespace zuvo {

constexpr int IconSlotLimit = 100;
constexpr qint16 EmptyCell = -1;
constexpr qint16 LineCell = 999;
inline const QString FreeSlotParams = QStringLiteral("***");
inline const QString NewProgramMemo = QStringLiteral(u"プログラム履歴　メモ");
// CellMark: normal; selected (the cell blinks, and only this mark counts as selected); settle:
// the next blink tick draws the cell in its normal state and sets the mark back to normal.
constexpr qint16 MarkNormal = 0;
constexpr qint16 MarkSelected = 1;
constexpr qint16 MarkSettle = 2;
constexpr int BeginCellIndex = 398; // (2, 4)
constexpr int EndCellIndex = 416; // (20, 4)

// One value per storage position (100 x 60). Every access is bounds-checked.
template<typename T> class CellGrid
{
public:
    explicit CellGrid(T initial = T {}) { m_values.fill(initial); }

    T &operator()(int x, int y) { return m_values[offset(x, y)]; }
    const T &operator()(int x, int y) const { return m_values[offset(x, y)]; }
    T &atIndex(int cellIndex) { return (*this)(checkedX(cellIndex), CellY(cellIndex)); }
    const T &atIndex(int cellIndex) const { return (*this)(checkedX(cellIndex), CellY(cellIndex)); }
    void fill(T value) { m_values.fill(value); }
    bool operator==(const CellGrid &) const = default;

private:
    static int checkedX(int cellIndex)
    {
        if (cellIndex < 0 || cellIndex > LastCellIndex)
            throw LatticeIndexError("CellIndex outside the lattice");
        return CellX(cellIndex);
    }
    static int offset(int x, int y)
    {
        if (x < 0 || x >= StorageColumns || y < 0 || y >= StorageRows)
            throw LatticeIndexError("lattice position outside storage");
        return x + StorageColumns * y;
    }
    std::array<T, StorageColumns * StorageRows> m_values;
};

// An icon cell's CellContent holds its IconCode and its icon slot in one value; the encoding
// and its decoding are these, and only these.
constexpr qint16 IconCellContent(int code, int slot)
{
    return static_cast<qint16>(code * 1000 + slot);
}
constexpr int ContentIconCode(int value)
{
    return value / 1000;
}
constexpr int ContentSlot(int value)
{
    return value % 1000;
}
constexpr bool ContentHoldsIcon(int value)
{
    return value != EmptyCell && value != LineCell;
}

struct WorkingProgram
{
    CellGrid<qint16> CellContent {EmptyCell};
    CellGrid<qint16> CellMark {MarkNormal};
    std::array<qint16, IconSlotLimit> SlotCell {};
    std::array<QString, IconSlotLimit> SlotParams {};
    int SlotCount = 0;
    QString Memo;
    int HScroll = 0;
    int VScroll = 0;

    // An empty lattice: every cell empty and unmarked, every slot free, SlotCount 0.
    WorkingProgram();

    // The new program: BEGIN in slot 0 at 398, END in slot 1 at 416, the default memo.
    static WorkingProgram newProgram();

    void clearLattice();
    void PlaceStartAndEnd();

    bool holdsIcon(int x, int y) const { return ContentHoldsIcon(CellContent(x, y)); }
    bool holdsLine(int x, int y) const { return CellContent(x, y) == LineCell; }
    // IconCode at an icon cell, -1 when it holds none.
    int iconCodeAt(int x, int y) const;
    bool holdsBeginOrEnd(int x, int y) const;
    bool slotInUse(int slot) const { return SlotCell.at(slot) >= 0; }

    // The icon-count limit decision: true when no slot is left for a new icon.
    bool slotLimitReached() const { return SlotCount > IconSlotLimit - 1; }
    // Places a new icon of IconCode code into the empty icon cell (x, y): slot SlotCount gets
    // the catalogue default, then the slot is claimed. Returns the slot.
    int placeNewIcon(int x, int y, int code);
    // Same, with a given ParameterString (copy, paste, insert).
    int placeNewIcon(int x, int y, int code, const QString &params);
    // Replaces the icon of an occupied icon cell, keeping its slot; default parameters.
    void replaceIcon(int x, int y, int code);
    // Frees a slot (SlotCell -1, SlotParams "***"); SlotCount does not shrink.
    void freeSlot(int slot);
    void ClaimSlot() { ++SlotCount; }

    // Number of slots in use (SlotCell not negative) among 0 .. SlotCount - 1.
    int iconsInUse() const;

    bool operator==(const WorkingProgram &) const = default;
};

} // namespace zuvo
