#include "app/instancelock.h"

#include "model/filewriter.h"

#include <QFile>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuvo {

namespace {

// What stands at the lock's place is replaced a few times at most.
constexpr int Attempts = 4;
// Starts that meet in a folder take their turns there, each for an instant; a turn that does not
// come within this time (a start stopped in the middle) is not waited for any longer.
constexpr int TurnWaitMs = 2000;
constexpr int TurnPollMs = 5;

const QString CannotReplaceReason = QStringLiteral(u"ロックファイルを作り直せません");

// A folder only this user may write: its own, and neither group nor others may write into it.
bool isPrivateFolder(const struct stat &info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 022) == 0;
}

bool isPrivateFolder(const QString &path)
{
    struct stat info;
    return path.startsWith(u'/') && ::stat(QFile::encodeName(path).constData(), &info) == 0
        && isPrivateFolder(info);
}

// Opens the lock file's folder, creating it (mode 0700) when it is missing. A link may lead to
// it: what counts is the folder opened, checked through its descriptor, and every later step
// works relative to that descriptor.
int openFolder(const QByteArray &folder, QString &problem)
{
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    int fd = ::open(folder.constData(), flags);
    if (fd < 0 && errno == ENOENT && ::mkdir(folder.constData(), 0700) == 0)
        fd = ::open(folder.constData(), flags);
    if (fd < 0) {
        problem
            = errno == ENOTDIR ? QStringLiteral(u"フォルダではありません") : FileErrorReason(errno);
        return -1;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !isPrivateFolder(info)) {
        ::close(fd);
        problem = QStringLiteral(u"自分だけが書き込めるフォルダではありません");
        return -1;
    }
    return fd;
}

// Whatever stands at the lock's place in a private folder was put there by this user or the
// administrator, and a running copy holds no such thing: it goes. A folder that is not empty is
// moved aside.
bool removeIntruder(int folder, const QByteArray &name)
{
    if (::unlinkat(folder, name.constData(), 0) == 0 || errno == ENOENT)
        return true;
    if (::unlinkat(folder, name.constData(), AT_REMOVEDIR) == 0)
        return true;
    const QByteArray aside = name + ".old-" + QByteArray::number(::getpid());
    return ::renameat(folder, name.constData(), folder, aside.constData()) == 0;
}

// Takes the folder's turn: an flock on the folder itself, so that no two starts replace what
// stands at the lock's place at the same time (one could remove the other's new lock file).
bool takeTurn(int folder)
{
    for (int waited = 0; waited <= TurnWaitMs; waited += TurnPollMs) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(TurnPollMs));
    }
    return false;
}

} // namespace

InstanceLock::InstanceLock(const QStringList &lockFilePaths)
    : m_paths(lockFilePaths)
{
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // drops the lock
}

QStringList InstanceLock::DefaultPaths()
{
    const QString name = QStringLiteral("zuvomatic-%1.lock").arg(::getuid());
    QStringList paths;
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!isPrivateFolder(runtime))
        runtime = QStringLiteral("/run/user/%1").arg(::getuid());
    if (isPrivateFolder(runtime))
        paths << runtime + u'/' + name;
    paths << QStringLiteral("/tmp/zuvomatic-%1/").arg(::getuid()) + name;
    return paths;
}

InstanceLock::PlaceOutcome InstanceLock::lockAt(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    const qsizetype slash = encoded.lastIndexOf('/');
    const QByteArray folderPath = slash <= 0 ? QByteArray("/") : encoded.left(slash);
    const QByteArray name = encoded.mid(slash + 1);
    QString problem;
    const int folder = openFolder(folderPath, problem);
    if (folder < 0) {
        m_problems << QFile::decodeName(folderPath) + QStringLiteral(u": ") + problem;
        return PlaceOutcome::Unusable;
    }
    const auto finish = [&](PlaceOutcome outcome, const QString &reason = QString()) {
        ::close(folder); // ends the turn

        if (outcome == PlaceOutcome::Unusable)
            m_problems << path + QStringLiteral(u": ") + reason;
        return outcome;
    };
    if (!takeTurn(folder))
        return finish(PlaceOutcome::Unusable, QStringLiteral(u"フォルダが使用中です"));

    for (int attempt = 0; attempt < Attempts; ++attempt) {
        // Read-only is enough for flock; a pipe does not block the open, a link is not followed.
        const int fd = ::openat(folder, name.constData(),
                                O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            const int error = errno;
            // The user's own lock file without read permission: it gets it back, so that a copy
            // still holding it is found.
            if (error == EACCES && ::fchmodat(folder, name.constData(), 0600, 0) == 0)
                continue;
            // A link (ELOOP), a folder (EISDIR), a socket (ENXIO), another account's file.
            if (error != EACCES && error != ELOOP && error != EISDIR && error != ENXIO)
                return finish(PlaceOutcome::Unusable, FileErrorReason(error));
            if (!removeIntruder(folder, name))
                return finish(PlaceOutcome::Unusable, CannotReplaceReason);
            continue;
        }
        struct stat opened;
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::getuid()) {
            ::close(fd);
            if (!removeIntruder(folder, name))
                return finish(PlaceOutcome::Unusable, CannotReplaceReason);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return finish(PlaceOutcome::HeldByOther);
            return finish(PlaceOutcome::Unusable, FileErrorReason(error));
        }
        m_fd = fd;
        return finish(PlaceOutcome::Locked);
    }
    return finish(PlaceOutcome::Unusable, CannotReplaceReason);
}

InstanceLock::State InstanceLock::Acquire()
{
    if (m_state != State::Free)
        return m_state;
    m_state = State::Unavailable;
    for (const QString &path : std::as_const(m_paths)) {
        const PlaceOutcome outcome = lockAt(path);
        if (outcome == PlaceOutcome::Unusable)
            continue;
        m_state = outcome == PlaceOutcome::Locked ? State::Held : State::Refused;
        break;
    }
    return m_state;
}

void ShowRunningWithoutLock(const QString &problems)
{
    const QString text = QStringLiteral(u"ほかに Zuvomatic が起動していないかを確かめられません"
                                        u"でした。このまま起動します。");
    std::fprintf(stderr, "zuvomatic: %s\n%s\n", text.toLocal8Bit().constData(),
                 problems.toLocal8Bit().constData());
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral(u"Zuvomatic　起動の確認"),
                                text, QMessageBox::Ok);
    box->setObjectName(QStringLiteral(u"二重起動の確認"));
    box->setInformativeText(problems);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

} // namespace zuvo
