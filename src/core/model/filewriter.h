#pragma once
// The one way a file reaches the disk: robot files, WAV files and every other file the program
// writes. The old file is either replaced completely or left byte for byte as it was.

#include <QByteArray>
#include <QString>

namespace zuvo {

// The reasons the user reads in a failure message.
inline const QString DiskFullReason = QStringLiteral(u"ディスクの空きが足りません");
inline const QString WriteForbiddenReason = QStringLiteral(u"書き込みが禁止されています");
inline const QString FolderMissingReason = QStringLiteral(u"フォルダが見つかりません");
inline const QString IsFolderReason = QStringLiteral(u"フォルダです");
inline const QString NameTooLongReason = QStringLiteral(u"ファイル名が長すぎます");
inline const QString TooManyLinksReason = QStringLiteral(u"リンクが多すぎるか、輪になっています");

struct FileWriteResult
{
    bool ok = false;
    QString reason; // why nothing was written, in the user's words; empty when ok
};

// Writes bytes as the whole content of the file at path. The bytes go into a new file beside
// it, ".NAME.XXXXXX" (NAME cut where the name would exceed the file system's limit), which is
// written unbuffered, synced to the disk and closed, each step checked, and only then renamed
// over the old file; on any failure the new file is removed and the old one was never touched.
// Such a file left by a save that was killed, older than a minute, is removed by the next save
// of the same file. A full disk or quota, a read-only file, folder or file system, a missing
// folder and a name too long each have a reason of their own; anything else gives the system's
// text. Symbolic links are followed to the end of their chain: the real file is replaced. The
// file keeps the permissions of the file it replaces; a new one gets the usual permissions for
// the user (0666 less the umask).
FileWriteResult WriteWholeFile(const QString &path, const QByteArray &bytes);

// The user's reason for a system error number (errno).
QString FileErrorReason(int errorNumber);

} // namespace zuvo
