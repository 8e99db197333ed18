#include "model/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuvo {

namespace {

FileWriteResult failed(const QString &reason)
{
    FileWriteResult result;
    result.reason = reason;
    return result;
}

// Writes everything, going on after short writes; false with errno set on a failure.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC; // no progress and no error: the disk takes no more
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Creates the new file beside the target (same folder, so the rename cannot cross file
// systems); its name starts with a dot and ends in a random part.
int createSibling(const QByteArray &target, QByteArray &siblingPath)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash + 1);
    const QByteArray name = slash < 0 ? target : target.mid(slash + 1);
    QByteArray pattern = folder + (folder.endsWith('/') ? "" : "/") + '.' + name + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        siblingPath = pattern;
    return fd;
}

mode_t permissionsForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString FileErrorReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFullReason;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return WriteForbiddenReason;
    case ENOENT:
    case ENOTDIR:
        return FolderMissingReason;
    case EISDIR:
        return IsFolderReason;
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

FileWriteResult WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return failed(FolderMissingReason);
    QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            info.setFile(target);
    }
    if (info.isDir())
        return failed(IsFolderReason);
    if (!info.absoluteDir().exists())
        return failed(FolderMissingReason);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    mode_t mode = permissionsForNewFile();
    struct stat old;
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing) {
        if (!S_ISREG(old.st_mode))
            return failed(WriteForbiddenReason); // a device, a pipe or a socket is no file
        // A file marked read-only is not replaced, not even by the administrator, whom the
        // system would let write anyway.
        if (::access(target.constData(), W_OK) != 0 || (old.st_mode & 0222) == 0)
            return failed(WriteForbiddenReason);
        mode = old.st_mode & 07777;
    }

    QByteArray sibling;
    const int fd = createSibling(target, sibling);
    if (fd < 0)
        return failed(FileErrorReason(errno));

    const auto giveUp = [&](int errorNumber) {
        ::unlink(sibling.constData());
        return failed(FileErrorReason(errorNumber));
    };
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int errorNumber = errno;
        ::close(fd);
        return giveUp(errorNumber);
    }
    if (::close(fd) != 0)
        return giveUp(errno);
    if (::rename(sibling.constData(), target.constData()) != 0)
        return giveUp(errno);

    // The rename itself reaches the disk with the folder; the file is complete either way.
    const int folder = ::open(QFile::encodeName(info.absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    FileWriteResult result;
    result.ok = true;
    return result;
}

} // namespace zuvo
