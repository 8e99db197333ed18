#include "model/programtext.h"

#include "model/iconcatalogue.h"
#include "model/numbers.h"
#include "model/parameterstring.h"

#include <algorithm>

namespace zuvo {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

bool isConnectorIndex(long long cellIndex)
{
    return cellIndex >= 0 && cellIndex <= LastCellIndex
        && isConnector(cellKind(CellX(int(cellIndex)), CellY(int(cellIndex))));
}

bool isIconCellIndex(long long cellIndex)
{
    return cellIndex >= 0 && cellIndex <= LastCellIndex
        && cellKind(CellX(int(cellIndex)), CellY(int(cellIndex))) == CellKind::Icon;
}

int clampScroll(long long value, int limit)
{
    return int(std::clamp<long long>(value, 0, limit));
}

void readConnections(const QString &list, WorkingProgram &staging)
{
    TokenReader reader(list);
    while (true) {
        const QString token = reader.next();
        if (token == ListEnd)
            break;
        if (!token.isEmpty()) {
            const long long v = ReadTokenNumber(token);
            if (isConnectorIndex(v))
                staging.CellContent.atIndex(int(v)) = LineCell;
        }
        if (reader.exhausted())
            break;
    }
}

void readIcons(const QString &list, WorkingProgram &staging)
{
    TokenReader reader(list);
    int slot = 0;
    for (int pair = 0; pair < IconSlotLimit; ++pair) {
        const QString cellToken = reader.next();
        if (cellToken == ListEnd || (reader.exhausted() && cellToken.isEmpty()))
            break;
        const long long cell = ReadTokenNumber(cellToken);
        const bool last = reader.exhausted();
        const QString params = reader.next();
        const int code = ParamsIconCode(params);
        // A negative CellIndex is a free slot: its pair is dropped.
        if (!last && isIconCellIndex(cell) && isValidIconCode(code)
            && staging.CellContent.atIndex(int(cell)) == EmptyCell) {
            staging.CellContent.atIndex(int(cell)) = IconCellContent(code, slot);
            staging.SlotCell[slot] = qint16(cell);
            staging.SlotParams[slot] = params;
            ++slot;
        }
        if (reader.exhausted())
            break;
    }
    staging.SlotCount = slot;
}

void readMemo(const QString &list, WorkingProgram &staging)
{
    TokenReader reader(list);
    QString token = reader.next();
    if (token != ListEnd) {
        QString memo = token;
        while (!reader.exhausted()) {
            token = reader.next();
            if (token == ListEnd)
                break;
            memo += LineBreak + token;
        }
        staging.Memo = memo;
    }
    staging.HScroll = clampScroll(ReadTokenNumber(reader.next()), HScrollLimit);
    staging.VScroll = clampScroll(ReadTokenNumber(reader.next()), VScrollLimit);
}

} // namespace

QString TokenReader::next()
{
    const qsizetype comma = m_list.indexOf(u',', m_pos);
    if (comma < 0) {
        m_exhausted = true;
        return m_list.mid(m_pos);
    }
    const QString token = m_list.mid(m_pos, comma - m_pos);
    m_pos = comma + 1;
    return token;
}

ProgramText ProgramTemplate()
{
    const int begin = RowOffset(2) + 2;
    const int end = RowOffset(2) + 20;
    ProgramText text;
    text.ConnectionList = QStringLiteral(",END");
    text.IconList = QStringLiteral(" %1,29 0=, %2,30 0=,END").arg(begin).arg(end);
    text.MemoList = NewProgramMemo + QStringLiteral(",,END,0,0");
    return text;
}

ProgramText StoreSlotText(const WorkingProgram &program)
{
    ProgramText text;
    for (int y = 0; y < LatticeRows; ++y)
        for (int x = 0; x < LatticeColumns; ++x)
            if (program.holdsLine(x, y))
                text.ConnectionList += QString::number(CellIndex(x, y)) + u',';
    text.ConnectionList += ListEnd;

    const int count = std::clamp(program.SlotCount, 0, IconSlotLimit);
    for (int slot = 0; slot < count; ++slot)
        text.IconList
            += QString::number(program.SlotCell[slot]) + u',' + program.SlotParams[slot] + u',';
    text.IconList += ListEnd;

    text.MemoList = program.Memo + u',' + ListEnd + u',' + QString::number(program.HScroll) + u','
        + QString::number(program.VScroll);
    return text;
}

WorkingProgram LoadSlotText(const ProgramText &text)
{
    WorkingProgram staging;
    readConnections(text.ConnectionList, staging);
    readIcons(text.IconList, staging);
    readMemo(text.MemoList, staging);
    return staging;
}

} // namespace zuvo
