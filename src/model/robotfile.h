#pragma once
// Robot files (.qvk): header "Quorvel50 J", the lists of one program, code page 932, CR LF.

#include "model/workingprogram.h"

#include <QByteArray>
#include <QString>

namespace zuvo {

inline const QString RobotFileHeader = QStringLiteral("Quorvel50 J");

struct RobotFileReadResult
{
    enum class Status {
        Ok,
        CannotOpen, // "ファイルが有りません"
        ForeignHeader, // another language edition
        Broken, // "ファイルが壊れています" with reason
    };
    Status status = Status::Ok;
    QString reason; // for Broken: "接続線座標が異常です", "アイコン座標が異常です", ...
    QString systemError; // for CannotOpen: the system's reason
    WorkingProgram program; // the whole staged program, only when Ok
};

// Reads and validates a whole file before anything else happens: either a complete program or
// a refusal with its reason.
RobotFileReadResult ParseRobotFile(const QByteArray &bytes);
RobotFileReadResult ReadRobotFile(const QString &path);

struct RobotFileEncoding
{
    QByteArray bytes;
    // Characters of the memo that code page 932 cannot hold; each was written as "？".
    QString replacedCharacters;
};

// The file's bytes for a working program (code page 932, CR LF).
RobotFileEncoding EncodeRobotFile(const WorkingProgram &program);

struct RobotFileWriteResult
{
    bool ok = false;
    QString error; // the system's reason when not ok
    QString replacedCharacters;
};

// Replaces the file completely or leaves it untouched.
RobotFileWriteResult WriteRobotFile(const WorkingProgram &program, const QString &path);

// The message box text of a refused file, CR between the lines (as the editor shows it).
QString RobotFileRefusalText(const RobotFileReadResult &result, bool forInsert);

} // namespace zuvo
