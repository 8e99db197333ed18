#include "flowpicture.h"

#include "model/iconcatalogue.h"

#include <stdexcept>

namespace zuvo::test {

namespace {

QString letterParams(QChar letter, const QHash<QChar, QString> &custom)
{
    if (custom.contains(letter))
        return custom.value(letter);
    static const QHash<QChar, int> codes {
        {u'B', IconBegin},
        {u'E', IconEnd},
        {u'F', IconForward},
        {u'K', IconBackward},
        {u'W', IconWait},
        {u'X', IconBrake},
        {u'O', IconNop},
        {u'Z', IconMotorOff},
        {u'L', IconLightBranch},
        {u'T', IconTouchBranch},
        {u'V', IconVariableBranch},
        {u'M', IconMerge},
        {u'Y', IconYes},
        {u'N', IconNo},
        {u'P', IconLoop},
        {u'Q', IconLoopEnd},
        {u'R', IconRepeat},
        {u'S', IconRepeatEnd},
    };
    if (!codes.contains(letter))
        return QString();
    return DefaultParams(codes.value(letter));
}

void placeFromParams(WorkingProgram &program, int x, int y, const QString &params)
{
    program.placeNewIcon(x, y, params.left(2).toInt(), params);
}

} // namespace

WorkingProgram DrawProgram(const QStringList &rows, const QHash<QChar, QString> &custom)
{
    LoadIconCatalogue();
    WorkingProgram program;
    // BEGIN first, so that it holds slot 0.
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < rows.size(); ++y) {
            const QString &row = rows[y];
            for (int x = 0; x < row.size(); ++x) {
                const QChar c = row[x];
                if (x % 2 == 0 && y % 2 == 0) {
                    if ((c == u'B') != (pass == 0))
                        continue;
                    const QString params = letterParams(c, custom);
                    if (!params.isEmpty())
                        placeFromParams(program, x, y, params);
                } else if (pass == 1 && (c == u'-' || c == u'|')) {
                    if (cellKind(x, y) == CellKind::Corner)
                        throw std::invalid_argument("a line on a corner cell");
                    program.CellContent(x, y) = LineCell;
                }
            }
        }
    }
    return program;
}

WorkingProgram ChainProgram(const QStringList &params)
{
    LoadIconCatalogue();
    WorkingProgram program;
    QStringList all;
    all << DefaultParams(IconBegin) << params << DefaultParams(IconEnd);
    int previousX = -1;
    int previousY = -1;
    for (int i = 0; i < all.size(); ++i) {
        const int row = i / IconColumns;
        const int column = row % 2 == 0 ? i % IconColumns : IconColumns - 1 - i % IconColumns;
        const int x = 2 * column;
        const int y = 2 * row;
        placeFromParams(program, x, y, all[i]);
        if (previousX >= 0)
            program.CellContent((x + previousX) / 2, (y + previousY) / 2) = LineCell;
        previousX = x;
        previousY = y;
    }
    return program;
}

} // namespace zuvo::test
