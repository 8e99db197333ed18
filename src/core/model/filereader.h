#pragma once
// The one way a file is read: a regular file of bounded size, read whole. Anything else (a
// folder, a pipe, a device, a socket) is refused at once, so that no reader waits for a writer
// that never comes.

#include <QByteArray>
#include <QString>

namespace zuvo {

inline const QString FileMissingReason = QStringLiteral(u"ファイルが見つかりません");
inline const QString ReadForbiddenReason = QStringLiteral(u"読み出しが禁止されています");
inline const QString NotAFileReason = QStringLiteral(u"通常のファイルではありません");

struct FileReadResult
{
    bool ok = false;
    bool tooLarge = false; // the file holds more than the limit; nothing was kept
    QString reason; // why it was not read, in the user's words; empty when ok or tooLarge
    QByteArray bytes;
};

// Reads the whole file at path when it is a regular file of at most limit bytes.
FileReadResult ReadWholeFile(const QString &path, qint64 limit);

} // namespace zuvo
