#include "programinvariants.h"

#include "model/iconcatalogue.h"
#include "model/parameterstring.h"
#include "model/programtext.h"

namespace zuvo {

namespace {

QString at(const char *what, int x, int y)
{
    return QStringLiteral("%1 at (%2, %3)").arg(QLatin1String(what)).arg(x).arg(y);
}

} // namespace

QString ProgramInconsistency(const WorkingProgram &program)
{
    if (program.SlotCount < 0 || program.SlotCount > IconSlotLimit)
        return QStringLiteral("SlotCount %1 outside 0..100").arg(program.SlotCount);
    if (program.HScroll < 0 || program.HScroll > HScrollLimit || program.VScroll < 0
        || program.VScroll > VScrollLimit)
        return QStringLiteral("scroll position %1, %2 outside the scroll bars")
            .arg(program.HScroll)
            .arg(program.VScroll);

    for (int slot = 0; slot < IconSlotLimit; ++slot) {
        const int cell = program.SlotCell[slot];
        if (slot >= program.SlotCount) {
            if (cell != -1 || program.SlotParams[slot] != FreeSlotParams)
                return QStringLiteral("slot %1 beyond SlotCount is not free").arg(slot);
            continue;
        }
        if (cell < 0) // a slot freed by deletion
            continue;
        if (cell > LastCellIndex || cellKind(CellX(cell), CellY(cell)) != CellKind::Icon)
            return QStringLiteral("slot %1 stands on CellIndex %2, not an icon cell")
                .arg(slot)
                .arg(cell);
        const int content = program.CellContent.atIndex(cell);
        const int code = ParamsIconCode(program.SlotParams[slot]);
        if (!isValidIconCode(code))
            return QStringLiteral("slot %1 has IconCode %2").arg(slot).arg(code);
        if (content != code * 1000 + slot)
            return QStringLiteral("slot %1 at %2: cell holds %3, expected %4")
                .arg(slot)
                .arg(cell)
                .arg(content)
                .arg(code * 1000 + slot);
    }

    for (int y = 0; y < StorageRows; ++y) {
        for (int x = 0; x < StorageColumns; ++x) {
            const int content = program.CellContent(x, y);
            if (program.CellMark(x, y) != 0)
                return at("marked cell", x, y);
            if (content == EmptyCell)
                continue;
            if (!insideLattice(x, y))
                return at("content outside the lattice", x, y);
            if (content == LineCell) {
                if (!isConnector(cellKind(x, y)))
                    return at("line on a cell that is no connector", x, y);
                continue;
            }
            if (cellKind(x, y) != CellKind::Icon)
                return at("icon on a cell that is no icon cell", x, y);
            const int slot = ContentSlot(content);
            if (content < 0 || slot >= program.SlotCount
                || program.SlotCell[slot] != CellIndex(x, y))
                return at("cell content that no slot owns", x, y);
        }
    }
    return QString();
}

bool SameLinesAndIcons(const WorkingProgram &a, const WorkingProgram &b)
{
    return a.CellContent == b.CellContent && a.SlotCell == b.SlotCell
        && a.SlotParams == b.SlotParams && a.SlotCount == b.SlotCount;
}

} // namespace zuvo
