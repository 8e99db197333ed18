#pragma once
// The rule that only one copy of the program runs for a user. A copy holds an advisory lock
// (flock) on a lock file named by the user id in a folder only that user can write: the runtime
// folder of the session ($XDG_RUNTIME_DIR, or /run/user/UID), else a private folder of its own,
// /tmp/zuvomatic-UID (mode 0700), never the current folder. The kernel drops the lock with the
// process, so the lock of a copy that was killed is free at once. Nothing at the lock file's
// place can stop a start: a pipe, a folder, a link, a file of another account or one without
// permissions is taken over; a folder where no lock can be made is passed over for the next,
// and where none can take it the program starts without the rule, saying why.

#include <QString>
#include <QStringList>

namespace zuvo {

class InstanceLock
{
public:
    enum class State {
        Free, // not tried yet
        Held, // this copy holds the lock
        Refused, // another running copy of this user holds it
        Unavailable, // no place could take a lock: the program runs without the rule
    };

    // The lock files to try, in order; the first that can take a lock is the lock. Its folder
    // must be a folder of this user that no one else may write, and is created (mode 0700) when
    // it is missing. Links to such a folder are followed.
    explicit InstanceLock(const QStringList &lockFilePaths = DefaultPaths());
    explicit InstanceLock(const QString &lockFilePath)
        : InstanceLock(QStringList {lockFilePath})
    {
    }
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Never waits. Held once, it stays held until the object goes.
    State Acquire();
    // True when this copy now holds the lock.
    bool TryAcquire() { return Acquire() == State::Held; }
    bool IsHeld() const { return m_state == State::Held; }
    // Why a place could not take the lock, one line per place, in the user's words (for
    // Unavailable, and for places that were passed over).
    QString problems() const { return m_problems.join(u'\n'); }

    // The lock files of the current user: in the session's runtime folder when there is one that
    // is private to the user, then in the program's own folder /tmp/zuvomatic-UID.
    static QStringList DefaultPaths();

private:
    enum class PlaceOutcome { Locked, HeldByOther, Unusable };
    PlaceOutcome lockAt(const QString &path);

    QStringList m_paths;
    int m_fd = -1; // the locked file
    QStringList m_problems;
    State m_state = State::Free;
};

// Says, without waiting for an answer, that the program runs without the rule and why (also on
// the error output).
void ShowRunningWithoutLock(const QString &problems);

} // namespace zuvo
