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

inline const QString ListEnd = QStringLiteral("END");

// The longest memo, in UTF-16 code units with CR LF between its lines: a memo is a few lines
// of notes, and a bound keeps every reader and the memo box quick on any input.
constexpr int MemoCharacterLimit = 32768;

// The largest scroll positions any editor window can have (the drawing surface is scrolled
// within 2950 x 1770 pixels).
constexpr int HScrollLimit = 2950;
constexpr int VScrollLimit = 1770;

// The empty program as the editor builds it at start-up (" 398" and " 416" with one blank).
ProgramText ProgramTemplate();

// Writes a working program (lattice, slots, memo, scroll positions) as ProgramText. Free slots
// below SlotCount are written as "-1" and "***".
ProgramText StoreSlotText(const WorkingProgram &program);

// Reads ProgramText into a fresh staging program (marks 0, slots renumbered densely, memo and
// scroll positions set).
//
// The program only ever reads text it wrote itself, the samples and the template, but any text
// is read without failing and without touching anything outside the lattice:
// - a line outside 0..5840 or on a cell that is not a connector is left out;
// - an icon pair is left out when its CellIndex is outside 0..5840 or not an icon cell, when
//   its IconCode is outside 0..30, or when its cell already holds an icon; a pair left out
//   takes no slot but counts towards the 100 pairs examined;
// - a list without "END" ends with its last token;
// - scroll positions are kept within 0..HScrollLimit and 0..VScrollLimit.
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
    // True once a token has been taken that had no comma after it: further tokens repeat it.
    bool exhausted() const { return m_exhausted; }

private:
    QString m_list;
    qsizetype m_pos = 0;
    bool m_exhausted = false;
};

} // namespace zuvo
