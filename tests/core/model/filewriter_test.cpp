// The one file writer: every refusal has its reason and leaves the old file as it was.

#include "model/filereader.h"
#include "model/filewriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zuvo;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

} // namespace

TEST(FileWriter, ReplacesTheWholeFileAndKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.qvk"));
    ASSERT_TRUE(WriteWholeFile(path, QByteArray(5000, 'x')).ok);
    ASSERT_TRUE(QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    const FileWriteResult written = WriteWholeFile(path, "short");
    EXPECT_TRUE(written.ok);
    EXPECT_TRUE(written.reason.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("short"));
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_EQ(entries(dir), QStringList {QStringLiteral("a.qvk")}) << "no leftover beside it";

    ASSERT_TRUE(WriteWholeFile(path, QByteArray()).ok);
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(FileWriter, EachRefusalNamesItsReasonAndWritesNothing)
{
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.qvk"));
    ASSERT_TRUE(WriteWholeFile(kept, "old bytes").ok);

    FileWriteResult r = WriteWholeFile(dir.filePath(QStringLiteral("missing/a.qvk")), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, FolderMissingReason);
    r = WriteWholeFile(dir.filePath(QStringLiteral("kept.qvk/a.qvk")), "x");
    EXPECT_EQ(r.reason, FolderMissingReason) << "a file where the folder should be";
    r = WriteWholeFile(dir.path(), "x");
    EXPECT_EQ(r.reason, IsFolderReason);
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
    r = WriteWholeFile(QString(), "x");
    EXPECT_FALSE(r.ok);

    // A read-only file stays, even for the administrator.
    ASSERT_TRUE(QFile::setPermissions(kept, QFile::ReadOwner | QFile::ReadGroup));
    r = WriteWholeFile(kept, "new bytes");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, WriteForbiddenReason);
    EXPECT_EQ(readAll(kept), QByteArray("old bytes"));

    // A pipe in the file's place is refused at once, nothing waits for a reader.
    const QString pipe = dir.filePath(QStringLiteral("pipe.qvk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    r = WriteWholeFile(pipe, "x");
    EXPECT_EQ(r.reason, WriteForbiddenReason);

    EXPECT_EQ(entries(dir).size(), 2) << entries(dir).join(u' ').toStdString();
}

TEST(FileWriter, ALinkIsFollowedAndStaysALink)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.qvk"));
    const QString link = dir.filePath(QStringLiteral("link.qvk"));
    ASSERT_TRUE(WriteWholeFile(target, "old").ok);
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(WriteWholeFile(link, "new").ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(target), QByteArray("new"));
}

TEST(FileWriter, SystemErrorsWithoutAReasonOfTheirOwnKeepTheSystemsText)
{
    EXPECT_EQ(FileErrorReason(ENOSPC), DiskFullReason);
    EXPECT_EQ(FileErrorReason(EDQUOT), DiskFullReason);
    EXPECT_EQ(FileErrorReason(EROFS), WriteForbiddenReason);
    EXPECT_EQ(FileErrorReason(EACCES), WriteForbiddenReason);
    EXPECT_EQ(FileErrorReason(ENOENT), FolderMissingReason);
    EXPECT_FALSE(FileErrorReason(EIO).isEmpty());
}

TEST(FileReader, OnlyARegularFileIsReadAndNothingWaits)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    FileReadResult r = ReadWholeFile(pipe, 100);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, NotAFileReason);
    EXPECT_EQ(ReadWholeFile(dir.path(), 100).reason, IsFolderReason);
    EXPECT_EQ(ReadWholeFile(dir.filePath(QStringLiteral("none")), 100).reason, FileMissingReason);
    EXPECT_EQ(ReadWholeFile(QStringLiteral("/dev/zero"), 100).reason, NotAFileReason);

    const QString file = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(WriteWholeFile(file, QByteArray(100, 'a')).ok);
    r = ReadWholeFile(file, 100);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, QByteArray(100, 'a'));
    r = ReadWholeFile(file, 99);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.tooLarge);
    EXPECT_TRUE(r.bytes.isEmpty());
    ASSERT_TRUE(WriteWholeFile(file, QByteArray()).ok);
    r = ReadWholeFile(file, 100);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.bytes.isEmpty());
}

TEST(FileWriter, LinkChainsLongNamesAndTheLeftoversOfAKilledSave)
{
    QTemporaryDir dir;
    const auto path = [&dir](const QString &name) {
        return dir.filePath(name);
    };
    // A chain of two links: the real file is written, both links stay.
    ASSERT_TRUE(WriteWholeFile(path(QStringLiteral("real.qvk")), "old").ok);
    ASSERT_TRUE(QFile::link(QStringLiteral("real.qvk"), path(QStringLiteral("middle.qvk"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("middle.qvk")), path(QStringLiteral("first.qvk"))));
    ASSERT_TRUE(WriteWholeFile(path(QStringLiteral("first.qvk")), "new").ok);
    EXPECT_EQ(readAll(path(QStringLiteral("real.qvk"))), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("middle.qvk"))).isSymLink());
    ASSERT_TRUE(QFile::link(path(QStringLiteral("loop.qvk")), path(QStringLiteral("loop.qvk"))));
    EXPECT_EQ(WriteWholeFile(path(QStringLiteral("loop.qvk")), "x").reason, TooManyLinksReason);

    // Names of 248 to 255 bytes are written (the new file's name is cut); longer ones say why.
    const QString longest = QString(251, u'a') + QStringLiteral(".png");
    EXPECT_TRUE(WriteWholeFile(path(longest), "picture").ok);
    EXPECT_EQ(WriteWholeFile(path(u'b' + longest), "x").reason, NameTooLongReason);

    // What a killed save of real.qvk left, older than a minute, goes with the next save;
    // a younger one (a save going on) and other names stay.
    const QStringList left {QStringLiteral(".real.qvk.Ab3xYz"), QStringLiteral(".real.qvk.fresh1"),
                            QStringLiteral(".real.qvk.toolong7"),
                            QStringLiteral(".other.qvk.Ab3xYz")};
    for (const QString &name : left) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QDateTime written = QDateTime::currentDateTime().addSecs(name == left[1] ? 0 : -120);
        ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(WriteWholeFile(path(QStringLiteral("first.qvk")), "newer").ok);
    for (const QString &name : left)
        EXPECT_EQ(QFile::exists(path(name)), name != left[0]) << name.toStdString();
}
