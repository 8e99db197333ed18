#include "checkpictures.h"

namespace zuvo::test {

QStringList NestedBranches(int n)
{
    const int turn = 4 * n + 2;
    QString row0 = QStringLiteral("B");
    QString row4 = QStringLiteral("E");
    QString lines(turn + 1, u' ');
    QString noRow(turn + 1, u' ');
    for (int i = 0; i < n; ++i) {
        row0 += QStringLiteral("-L-Y");
        row4 += QStringLiteral("-M-O");
        lines[2 + 4 * i] = u'|';
        noRow[2 + 4 * i] = u'N';
    }
    row0 += QStringLiteral("-F");
    row4 += QStringLiteral("-O");
    lines[turn] = u'|';
    noRow[turn] = u'O';
    return {row0, lines, noRow, lines, row4};
}

QStringList LoopWithBranches(int blocks)
{
    QString row0 = QStringLiteral("B-P");
    QString row1 = QStringLiteral("   ");
    QString row2 = QStringLiteral("   ");
    for (int j = 0; j < blocks; ++j) {
        row0 += QStringLiteral("-L-Y-M");
        row1 += QStringLiteral(" |   |");
        row2 += QStringLiteral(" N-O-O");
    }
    row0 += QStringLiteral("-Q-E");
    return {row0, row1, row2};
}

} // namespace zuvo::test
