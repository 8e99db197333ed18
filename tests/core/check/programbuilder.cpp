#include "programbuilder.h"

#include "model/iconcatalogue.h"

#include <QList>
#include <algorithm>
#include <stdexcept>

namespace zuvo::test {

int IconForLetter(QChar letter)
{
    switch (letter.unicode()) {
    case u'B':
        return IconBegin;
    case u'E':
        return IconEnd;
    case u'F':
        return IconForward;
    case u'K':
        return IconBackward;
    case u'W':
        return IconWait;
    case u'O':
        return IconNop;
    case u'L':
        return IconLightBranch;
    case u'T':
        return IconTouchBranch;
    case u'V':
        return IconVariableBranch;
    case u'M':
        return IconMerge;
    case u'Y':
        return IconYes;
    case u'N':
        return IconNo;
    case u'P':
        return IconLoop;
    case u'Q':
        return IconLoopEnd;
    case u'R':
        return IconRepeat;
    case u'S':
        return IconRepeatEnd;
    default:
        return -1;
    }
}

WorkingProgram BuildProgram(const ProgramPicture &picture)
{
    if (picture.x0 % 2 != 0 || picture.y0 % 2 != 0)
        throw std::invalid_argument("a picture starts on an icon cell");
    struct Icon
    {
        int x, y, code;
    };
    QList<Icon> icons;
    WorkingProgram program;
    for (int row = 0; row < picture.rows.size(); ++row) {
        const QString &line = picture.rows[row];
        for (int column = 0; column < line.size(); ++column) {
            const QChar c = line[column];
            if (c == u' ' || c == u'.')
                continue;
            const int x = picture.x0 + column;
            const int y = picture.y0 + row;
            const CellKind kind = cellKind(x, y);
            if (c == u'-' || c == u'|') {
                const bool fits = (c == u'-' && kind == CellKind::HorizontalConnector)
                    || (c == u'|' && kind == CellKind::VerticalConnector);
                if (!fits)
                    throw std::invalid_argument("a line off its connector cell");
                program.CellContent(x, y) = LineCell;
                continue;
            }
            const int code = IconForLetter(c);
            if (code < 0 || kind != CellKind::Icon)
                throw std::invalid_argument("an unknown letter or an icon off its cell");
            icons.append({x, y, code});
        }
    }
    if (picture.beginFirst) {
        std::stable_partition(icons.begin(), icons.end(),
                              [](const Icon &icon) { return icon.code == IconBegin; });
    }
    for (const Icon &icon : icons)
        program.placeNewIcon(icon.x, icon.y, icon.code);
    return program;
}

WorkingProgram BuildProgram(const QStringList &rows)
{
    return BuildProgram(ProgramPicture {rows});
}

} // namespace zuvo::test
