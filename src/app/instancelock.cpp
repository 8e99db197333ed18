#include "app/instancelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuvo {

InstanceLock::InstanceLock(const QString &lockFilePath)
    : m_lock(lockFilePath)
{
    // Only a lock whose process is gone is stale: a copy that has been running for hours
    // still holds its lock.
    m_lock.setStaleLockTime(0);
}

namespace {

// A copy of this program run by this user: the process exists, belongs to the user and runs the
// same program file as this one.
bool isLiveCopy(qint64 pid)
{
    if (pid <= 0)
        return false;
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    struct stat info;
    if (::stat(QFile::encodeName(proc).constData(), &info) != 0 || info.st_uid != ::getuid())
        return false;
    const QString program = QFileInfo(proc + QStringLiteral("/exe")).symLinkTarget();
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return !program.isEmpty() && program == self;
}

} // namespace

bool InstanceLock::TryAcquire()
{
    if (m_lock.isLocked())
        return true;
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() != QLockFile::LockFailedError)
        return false;
    // Held, as far as the lock file goes. It is taken over when no live copy holds it: the file
    // is empty or unreadable garbage, or names a process that is gone, another program or
    // another user's. Removing it still fails while a copy holds it open, so two copies that
    // start together cannot both win.
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.getLockInfo(&pid, &host, &application) && isLiveCopy(pid))
        return false;
    return m_lock.removeStaleLockFile() && m_lock.tryLock(0);
}

QString InstanceLock::DefaultPath()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty()) {
        // Started without a login environment: the account behind the process still counts.
        const passwd *account = getpwuid(getuid());
        user = account && account->pw_name ? QString::fromLocal8Bit(account->pw_name)
                                           : QString::number(getuid());
    }
    // Percent-encoded: a name can neither leave the directory nor collide with another user's.
    const QString safeUser = QString::fromLatin1(QUrl::toPercentEncoding(user));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("zuvomatic-%1.lock").arg(safeUser));
}

} // namespace zuvo
