#include "app/instancelock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "widgetapp.h"

#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

#include <cstdio>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace zuvo;

namespace {

// Started with ZUVO_TAKE_LOCK_AND_DIE set to a path, this test program takes that lock and ends
// at once without releasing it, as a copy of the program that was killed would.
const bool lockTakerRan = [] {
    const QByteArray path = qgetenv("ZUVO_TAKE_LOCK_AND_DIE");
    if (!path.isEmpty()) {
        InstanceLock lock(QString::fromLocal8Bit(path));
        _exit(lock.TryAcquire() ? 0 : 1);
    }
    return false;
}();

// Started with ZUVO_HOLD_LOCK set to a path, this test program takes that lock, says so on its
// output and holds it until its input is closed: a second copy that is alive.
const bool lockHolderRan = [] {
    const QByteArray path = qgetenv("ZUVO_HOLD_LOCK");
    if (!path.isEmpty()) {
        InstanceLock lock(QString::fromLocal8Bit(path));
        const bool held = lock.TryAcquire();
        std::fputs(held ? "held\n" : "refused\n", stdout);
        std::fflush(stdout);
        char c;
        while (::read(0, &c, 1) > 0) { }
        _exit(held ? 0 : 1);
    }
    return false;
}();

void writeLockFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(InstanceLock, ALockNoLiveCopyHoldsIsTakenOver)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zuvomatic-test.lock"));
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"garbage", QByteArray("\x01\x02 not a lock \xff\n")},
        {"a process that does not exist", "2147483000\nzuvomatic\n" + host + "\n"},
        {"another program's process", "1\nzuvomatic\n" + host + "\n"},
        {"a negative process", "-5\nzuvomatic\n" + host + "\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeLockFile(path, c.bytes);
        InstanceLock lock(path);
        EXPECT_TRUE(lock.TryAcquire());
        EXPECT_TRUE(lock.IsHeld());
        // Now a live copy holds it: the next one is refused.
        InstanceLock next(path);
        EXPECT_FALSE(next.TryAcquire());
    }
}

TEST(InstanceLock, ALiveSecondCopyInAnotherProcessHoldsItsLock)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zuvomatic-test.lock"));

    zuvo::test::widgetApp();
    QProcess holder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZUVO_HOLD_LOCK"), path);
    holder.setProcessEnvironment(environment);
    holder.start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(), {});
    ASSERT_TRUE(holder.waitForStarted(30000));
    while (!holder.canReadLine() && holder.state() == QProcess::Running)
        holder.waitForReadyRead(1000);
    ASSERT_EQ(holder.readLine(), QByteArray("held\n"));
    ASSERT_FALSE(lockHolderRan);

    {
        InstanceLock second(path);
        EXPECT_FALSE(second.TryAcquire());
    }
    EXPECT_TRUE(QFile::exists(path));

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(holder.exitCode(), 0);
    InstanceLock after(path);
    EXPECT_TRUE(after.TryAcquire());
}

TEST(InstanceLock, SecondCopyIsRefusedAndTheFirstKeepsItsLock)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zuvomatic-test.lock"));

    InstanceLock first(path);
    ASSERT_TRUE(first.TryAcquire());
    EXPECT_TRUE(first.IsHeld());
    {
        InstanceLock second(path);
        EXPECT_FALSE(second.TryAcquire());
        EXPECT_FALSE(second.IsHeld());
    }
    // The refused copy leaves the running one's lock where it was.
    EXPECT_TRUE(QFile::exists(path));
    InstanceLock third(path);
    EXPECT_FALSE(third.TryAcquire());
    EXPECT_TRUE(first.TryAcquire());
}

TEST(InstanceLock, LockOfAKilledCopyIsTakenOver)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zuvomatic-test.lock"));

    zuvo::test::widgetApp();
    QProcess killed;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZUVO_TAKE_LOCK_AND_DIE"), path);
    killed.setProcessEnvironment(environment);
    killed.start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(), {});
    ASSERT_TRUE(killed.waitForFinished(30000));
    ASSERT_EQ(killed.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(killed.exitCode(), 0);
    ASSERT_FALSE(lockTakerRan);
    ASSERT_TRUE(QFile::exists(path));

    InstanceLock next(path);
    EXPECT_TRUE(next.TryAcquire());
}

TEST(InstanceLock, DefaultLockIsNamedByTheUserIdInPrivateFoldersOnly)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray user = qgetenv("USER");
    QTemporaryDir dir; // mode 0700
    ASSERT_TRUE(dir.isValid());
    const QString name = QStringLiteral("zuvomatic-%1.lock").arg(getuid());
    const QString own = QStringLiteral("/tmp/zuvomatic-%1/").arg(getuid()) + name;

    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    const QStringList paths = InstanceLock::DefaultPaths();
    qputenv("USER", "someone-else");
    EXPECT_EQ(InstanceLock::DefaultPaths(), paths); // the environment's user name plays no part
    EXPECT_EQ(paths, QStringList({dir.filePath(name), own}));
    // A runtime folder that others may write is not used.
    qputenv("XDG_RUNTIME_DIR", "/tmp");
    EXPECT_FALSE(InstanceLock::DefaultPaths().contains(QStringLiteral("/tmp/") + name));
    EXPECT_EQ(InstanceLock::DefaultPaths().last(), own);
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("USER", user);
}
