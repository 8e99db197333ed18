#pragma once
// ProgramText: a program as three comma-separated lists (ConnectionList, IconList, MemoList),
// each ended by "END". The four program slots, the samples and the template are kept this way.

#include "model/workingprogram.h"

#include <QString>

namespace zuvo {

struct ProgramText
{
    QString ConnectionList;
    QString IconList;
    QString MemoList;
    bool operator==(const ProgramText &) const = default;
};

// The empty program as the editor builds it at start-up (" 398" and " 416" with one blank).
ProgramText ProgramTemplate();

// Writes a working program (lattice, slots, memo, scroll positions) as ProgramText.
ProgramText StoreSlotText(const WorkingProgram &program);

// Reads ProgramText into a fresh staging program (marks 0, slots renumbered densely, memo and
// scroll positions set). Text the program never writes itself is read without failing: cells
// outside the lattice and icon codes outside 0..30 are left out.
WorkingProgram LoadSlotText(const ProgramText &text);

// Reads tokens from one list: the text up to the next ",", or the rest of the string when there
// is no comma left; asking again after the last token returns the last token again.
class TokenReader
{
public:
    explicit TokenReader(const QString &list)
        : m_list(list)
    {
    }
    QString next();

private:
    QString m_list;
    qsizetype m_pos = 0;
};

} // namespace zuvo
