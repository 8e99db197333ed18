#include "programtextcheck.h"

#include "fuzzinput.h"
#include "memoroundtrip.h"
#include "programinvariants.h"

#include "model/codepage932twins.h"
#include "model/programtext.h"
#include "model/robotfile.h"
#include "session/hiddenclipboard.h"

namespace zuvo {

namespace {

// ParameterStrings the editor can come to hold: a robot file refuses the others.
bool fileWorthyParams(const WorkingProgram &program)
{
    for (int slot = 0; slot < program.SlotCount; ++slot) {
        const QString &params = program.SlotParams[slot];
        if (params.startsWith(u' ') || params.startsWith(u'"') || params.contains(u'\r')
            || params.contains(u'\n') || params.size() > RobotFileParamsLimit)
            return false;
    }
    return true;
}

// Whatever the memo holds, the program saves into a robot file that opens again as the same
// program: the same lines, icons and scroll position, and the memo as CheckMemoAfterSave allows.
QString checkSaved(const WorkingProgram &program)
{
    if (!fileWorthyParams(program))
        return QString();
    const RobotFileEncoding saved = EncodeRobotFile(program);
    const RobotFileReadResult reopened = ParseRobotFile(saved.bytes);
    if (reopened.status != RobotFileReadResult::Status::Ok)
        return QStringLiteral("saved program does not open again: ")
            + RobotFileRefusalText(reopened, false);
    // Writing gives the JIS look-alikes of code page 932 the names the code page reads back.
    WorkingProgram written = program;
    for (QString &params : written.SlotParams)
        params = WithCodePage932Twins(params);
    if (saved.memoChanges.replacedCharacters.isEmpty()
        && !SameLinesAndIcons(written, reopened.program))
        return QStringLiteral("lines or icons changed by saving and opening again");
    if (program.HScroll != reopened.program.HScroll || program.VScroll != reopened.program.VScroll)
        return QStringLiteral("scroll position changed by saving and opening again");
    return CheckMemoAfterSave(WithCodePage932Twins(program.Memo), saved.memoChanges,
                              reopened.program.Memo);
}

QString checkClipboard(const ProgramText &lists)
{
    const QList<int> lines = ReadClipLines(lists.ConnectionList);
    const QList<ClipIcon> icons = ReadClipIcons(lists.IconList);
    for (const ClipIcon &icon : icons)
        if (icon.params.contains(u','))
            return QStringLiteral("clipboard icon with a comma in its ParameterString");

    // Paste at the corners of the lattice and at one cell of each kind.
    const QPoint cells[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {98, 58}, {97, 57}, {50, 30}};
    for (const QPoint cell : cells) {
        const QPoint origin = AlignPasteOrigin(cell.x(), cell.y(), lists.MemoList.left(2));
        if (origin.x() < -1 || origin.x() > LatticeColumns || origin.y() < -1
            || origin.y() > LatticeRows)
            return QStringLiteral("paste origin moved more than one cell");
        QList<int> offsets = lines;
        for (const ClipIcon &icon : icons)
            offsets << icon.offset;
        for (const int offset : std::as_const(offsets)) {
            const std::optional<QPoint> target = PasteTarget(origin, offset);
            if (target && !insideLattice(target->x(), target->y()))
                return QStringLiteral("paste target outside the lattice");
        }
    }
    return QString();
}

} // namespace

QString CheckProgramTextInput(QByteArrayView input)
{
    const QList<QByteArray> parts = SplitFuzzInput(input, 3);
    ProgramText text;
    text.ConnectionList = QString::fromUtf8(parts.value(0));
    text.IconList = QString::fromUtf8(parts.value(1));
    text.MemoList = QString::fromUtf8(parts.value(2));

    const WorkingProgram program = LoadSlotText(text);
    if (const QString fault = ProgramInconsistency(program); !fault.isEmpty())
        return QStringLiteral("program read from the lists: ") + fault;

    const ProgramText stored = StoreSlotText(program);
    const WorkingProgram again = LoadSlotText(stored);
    if (!(again == program))
        return QStringLiteral("program changed by writing it out and reading it again");
    if (!(StoreSlotText(again) == stored))
        return QStringLiteral("program text changed by a second write");

    if (const QString fault = checkSaved(program); !fault.isEmpty())
        return fault;
    return checkClipboard(text);
}

} // namespace zuvo
