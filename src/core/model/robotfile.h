#pragma once
// Robot files (.qvk): header "Quorvel50 J", the lists of one program, code page 932, CR LF.

#include "model/workingprogram.h"

#include <QByteArray>
#include <QString>

namespace zuvo {

inline const QString RobotFileHeader = QStringLiteral("Quorvel50 J");

// The reasons of a broken file, as the message box names them.
inline const QString LinesBrokenReason = QStringLiteral(u"接続線座標が異常です");
inline const QString IconCellBrokenReason = QStringLiteral(u"アイコン座標が異常です");
inline const QString IconCodeBrokenReason = QStringLiteral(u"アイコン番号が異常です");
inline const QString DataBrokenReason = QStringLiteral(u"データ区分が異常");

// The largest robot file read; a bigger one is refused as broken. The largest program the editor
// can write stays well below: every line cell of the lattice (about 21 KB), 100 icons with
// ParameterStrings of at most RobotFileParamsLimit characters (14 KB) and a memo of
// MemoCharacterLimit characters (at most 64 KiB in code page 932).
constexpr qint64 RobotFileSizeLimit = 128 * 1024;

// The largest picture file read for the robot file it carries.
constexpr qint64 RobotPictureSizeLimit = 16 * 1024 * 1024;

// The longest ParameterString in a file: the longest the property form makes is 26 characters.
constexpr int RobotFileParamsLimit = 64;

struct RobotFileReadResult
{
    enum class Status {
        Ok,
        CannotOpen, // "ファイルが有りません", or another reason the file cannot be read
        TooLarge, // larger than a robot file or a picture of one can be
        ForeignHeader, // another language edition
        Broken, // "ファイルが壊れています" with reason
        PictureWithoutProgram, // a PNG that carries no robot file
        PictureDamaged, // a PNG whose bytes are damaged, with reason
    };
    Status status = Status::Ok;
    QString reason; // for Broken: "接続線座標が異常です", "アイコン座標が異常です", ...;
                    // for PictureDamaged: what is wrong with the picture
    QString systemError; // for CannotOpen: the reason in the user's words (filereader.h)
    WorkingProgram program; // the whole staged program, only when Ok
};

// Reads and validates a whole file before anything else happens: either a complete program or
// a refusal with its reason. Beyond the reasons the file format itself gives, a file is refused
//   - with "アイコン座標が異常です" when an icon stands on a corner cell or on a cell that already
//     holds an icon (each would break the lattice's invariants);
//   - with "データ区分が異常" when it ends early, holds a number outside the 16-bit range, a
//     scroll position outside 0..HScrollLimit / 0..VScrollLimit, more than 100 icon lines, a
//     ParameterString longer than RobotFileParamsLimit, a memo longer than MemoCharacterLimit,
//     or no header at all (an empty file);
//   - as TooLarge when it holds more than RobotFileSizeLimit bytes.
// An empty memo (the memo list starting with "END") gives an empty memo. Bytes that are not
// code page 932 are read as U+001A, so a damaged memo still opens.
RobotFileReadResult ParseRobotFile(const QByteArray &bytes);
// ParseRobotFile, or for a PNG picture of a program the robot file it carries (pngprogram.h);
// a picture whose chunk holds no robot file at all is PictureDamaged.
RobotFileReadResult ParseRobotFileOrPicture(const QByteArray &bytes);
// Reads a robot file, or the robot file inside a PNG picture of its program.
RobotFileReadResult ReadRobotFile(const QString &path);

// What the file could not hold of the memo as it is, and how it was written instead; the file
// then opens again with the memo so changed.
struct MemoChanges
{
    // Characters that code page 932 cannot hold; each was written as "？".
    QString replacedCharacters;
    // A memo field (a line, or a piece between commas) that reads as "END" after its leading
    // blanks would end the memo list: its "END" was written as "ＥＮＤ".
    bool endWords = false;
    // A field that begins with a double quote would be read as a quoted field, losing the
    // quotes and what follows the closing one: that quote was written as "＂".
    bool quotes = false;
    // The memo read back would be longer than MemoCharacterLimit (a comma reads back as a line
    // break, CR LF): its end was cut off.
    bool shortened = false;
    bool any() const { return !replacedCharacters.isEmpty() || endWords || quotes || shortened; }
};

struct RobotFileEncoding
{
    QByteArray bytes;
    MemoChanges memoChanges;
};

// The file's bytes for a working program (code page 932, CR LF). Line breaks inside the memo
// are written as CR LF whatever their form in memory; the memo is changed only where the file
// could not hold it (MemoChanges).
RobotFileEncoding EncodeRobotFile(const WorkingProgram &program);

// The message shown after a save that changed the memo (empty when nothing changed), CR
// between the lines.
QString MemoChangesText(const MemoChanges &changes);

struct RobotFileWriteResult
{
    bool ok = false;
    QString error; // the user's reason when not ok (see WriteWholeFile)
    MemoChanges memoChanges;
};

// Replaces the file completely or leaves it untouched (WriteWholeFile). A read-only file is not
// replaced. The bytes are read back before anything is written: a program whose file the reader
// would refuse (a ParameterString no editor makes) is not written at all.
RobotFileWriteResult WriteRobotFile(const WorkingProgram &program, const QString &path);

// What a file too large says after "ファイルが大きすぎます": the two limits.
QString TooLargeDetail();

// The message box text of a refused file, CR between the lines (as the editor shows it).
QString RobotFileRefusalText(const RobotFileReadResult &result, bool forInsert);

} // namespace zuvo
