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

// No robot file comes near this; a bigger one is refused as broken rather than read into memory.
constexpr qint64 RobotFileSizeLimit = 16 * 1024 * 1024;

struct RobotFileReadResult
{
    enum class Status {
        Ok,
        CannotOpen, // "ファイルが有りません"
        ForeignHeader, // another language edition
        Broken, // "ファイルが壊れています" with reason
        PictureWithoutProgram, // a PNG that carries no robot file
        PictureDamaged, // a PNG whose bytes are damaged, with reason
    };
    Status status = Status::Ok;
    QString reason; // for Broken: "接続線座標が異常です", "アイコン座標が異常です", ...;
                    // for PictureDamaged: what is wrong with the picture
    QString systemError; // for CannotOpen: the system's reason
    WorkingProgram program; // the whole staged program, only when Ok
};

// Reads and validates a whole file before anything else happens: either a complete program or
// a refusal with its reason. Beyond the reasons the file format itself gives, a file is refused
//   - with "アイコン座標が異常です" when an icon stands on a corner cell or on a cell that already
//     holds an icon (each would break the lattice's invariants);
//   - with "データ区分が異常" when it ends early, holds a number outside the 16-bit range, a
//     scroll position outside 0..HScrollLimit / 0..VScrollLimit, more than 100 icon lines, or
//     no header at all (an empty file).
// An empty memo (the memo list starting with "END") gives an empty memo. Bytes that are not
// code page 932 are read as U+001A, so a damaged memo still opens.
RobotFileReadResult ParseRobotFile(const QByteArray &bytes);
// ParseRobotFile, or for a PNG picture of a program the robot file it carries (pngprogram.h).
RobotFileReadResult ParseRobotFileOrPicture(const QByteArray &bytes);
// Reads a robot file, or the robot file inside a PNG picture of its program.
RobotFileReadResult ReadRobotFile(const QString &path);

struct RobotFileEncoding
{
    QByteArray bytes;
    // Characters of the memo that code page 932 cannot hold; each was written as "？".
    QString replacedCharacters;
};

// The file's bytes for a working program (code page 932, CR LF). Line breaks inside the memo
// are written as CR LF whatever their form in memory.
RobotFileEncoding EncodeRobotFile(const WorkingProgram &program);

struct RobotFileWriteResult
{
    bool ok = false;
    QString error; // the user's reason when not ok (see WriteWholeFile)
    QString replacedCharacters;
};

// Replaces the file completely or leaves it untouched (WriteWholeFile). A read-only file is not
// replaced.
RobotFileWriteResult WriteRobotFile(const WorkingProgram &program, const QString &path);

// The message box text of a refused file, CR between the lines (as the editor shows it).
QString RobotFileRefusalText(const RobotFileReadResult &result, bool forInsert);

} // namespace zuvo
