#pragma once
// The rule that only one copy of the program runs for a user: a lock file in the temporary
// directory. The lock of a copy that was killed is taken over, since its process is gone.

#include <QLockFile>
#include <QString>

namespace zuvo {

class InstanceLock
{
public:
    explicit InstanceLock(const QString &lockFilePath = DefaultPath());

    // True when this copy now holds the lock; false when another running copy holds it.
    // Never waits.
    bool TryAcquire();
    bool IsHeld() const { return m_lock.isLocked(); }

    // The lock file of the current user, in the temporary directory.
    static QString DefaultPath();

private:
    QLockFile m_lock;
};

} // namespace zuvo
