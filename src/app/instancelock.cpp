#include "app/instancelock.h"

#include <QDir>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace zuvo {

InstanceLock::InstanceLock(const QString &lockFilePath)
    : m_lock(lockFilePath)
{
    // Only a lock whose process is gone is stale: a copy that has been running for hours
    // still holds its lock.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::TryAcquire()
{
    if (m_lock.isLocked())
        return true;
    return m_lock.tryLock(0);
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
