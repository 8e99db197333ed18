#include "model/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <dirent.h>
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

constexpr int LinkLimit = 40; // as the system's own path lookup
constexpr int RandomPartLength = 6; // mkostemp's XXXXXX
constexpr time_t StaleSeconds = 60;

// The folder (with its slash) and the name of a path.
std::pair<QByteArray, QByteArray> splitPath(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return {slash < 0 ? QByteArray("./") : path.left(slash + 1), path.mid(slash + 1)};
}

// The start of the new file's name, ".NAME.", with NAME cut (at a whole UTF-8 character) so that
// the name with its random part fits the folder's name limit.
QByteArray siblingPrefix(const QByteArray &folder, const QByteArray &name)
{
    long limit = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (limit <= 0)
        limit = NAME_MAX;
    qsizetype keep = std::min<qsizetype>(name.size(), limit - 2 - RandomPartLength);
    while (keep > 0 && keep < name.size() && (quint8(name[keep]) & 0xc0) == 0x80)
        --keep; // not inside a character
    return '.' + name.left(std::max<qsizetype>(keep, 0)) + '.';
}

// Creates the new file beside the target (same folder, so the rename cannot cross file
// systems); its name starts with a dot and ends in a random part.
int createSibling(const QByteArray &target, QByteArray &siblingPath)
{
    const auto [folder, name] = splitPath(target);
    QByteArray pattern = folder + siblingPrefix(folder, name) + QByteArray(RandomPartLength, 'X');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        siblingPath = pattern;
    return fd;
}

// Removes the new files of earlier saves of this target that never finished (the program was
// killed during the write): this writer's names, regular files of this user, untouched for a
// minute. A save going on right now in another copy is younger and stays.
void removeStaleSiblings(const QByteArray &target)
{
    const auto [folder, name] = splitPath(target);
    const QByteArray prefix = siblingPrefix(folder, name);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (entryName.size() != prefix.size() + RandomPartLength || !entryName.startsWith(prefix))
            continue;
        struct stat info;
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_uid == ::getuid()
            && now - info.st_mtime > StaleSeconds)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// The file a path finally names: its symbolic links followed to the end of their chain (the last
// one may name a file yet to be made). Empty with errno set after too many links.
QByteArray finalTarget(QByteArray path)
{
    for (int links = 0; links <= LinkLimit; ++links) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path; // not a link (or nothing there): this is the file
        const QByteArray next(target, qsizetype(length));
        path = next.startsWith('/') ? next : splitPath(path).first + next;
    }
    errno = ELOOP;
    return QByteArray();
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
    case ENAMETOOLONG:
        return NameTooLongReason;
    case ELOOP:
        return TooManyLinksReason;
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

FileWriteResult WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return failed(FolderMissingReason);
    const QByteArray target = finalTarget(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
    if (target.isEmpty())
        return failed(FileErrorReason(errno));
    const QFileInfo info(QFile::decodeName(target));
    if (info.isDir())
        return failed(IsFolderReason);
    if (!info.absoluteDir().exists())
        return failed(FolderMissingReason);
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

    removeStaleSiblings(target);
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
