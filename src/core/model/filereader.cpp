#include "model/filereader.h"

#include "model/filewriter.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuvo {

namespace {

QString readReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return FileMissingReason;
    case EACCES:
    case EPERM:
        return ReadForbiddenReason;
    case EISDIR:
        return IsFolderReason;
    case ENXIO: // a socket, or a device without its driver
        return NotAFileReason;
    case ENAMETOOLONG:
        return NameTooLongReason;
    case ELOOP:
        return TooManyLinksReason;
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

FileReadResult failed(const QString &reason)
{
    FileReadResult result;
    result.reason = reason;
    return result;
}

} // namespace

FileReadResult ReadWholeFile(const QString &path, qint64 limit)
{
    if (path.isEmpty())
        return failed(FileMissingReason);
    // Not blocking: opening a pipe would otherwise wait for its writer. The kind of file is
    // taken from the open file itself, so it cannot change between a look and the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(readReason(errno));
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        return failed(folder ? IsFolderReason : NotAFileReason);
    }

    FileReadResult result;
    QByteArray bytes;
    bytes.resize(qsizetype(std::min<qint64>(info.st_size, limit) + 1));
    qsizetype have = 0;
    while (true) {
        if (have == bytes.size()) {
            if (have > limit)
                break;
            bytes.resize(qsizetype(std::min<qint64>(qint64(have) * 2 + 4096, limit + 1)));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int errorNumber = errno;
            ::close(fd);
            return failed(readReason(errorNumber));
        }
        if (n == 0)
            break;
        have += n;
    }
    ::close(fd);
    if (have > limit) {
        result.tooLarge = true;
        return result;
    }
    bytes.truncate(have);
    result.ok = true;
    result.bytes = bytes;
    return result;
}

} // namespace zuvo
