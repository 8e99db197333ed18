// Saving onto a real full file system: a small tmpfs, mounted by the test when it runs as the
// administrator (as CI does) and skipped otherwise. The editor's saves, its WAV file and the
// command-line tool's -o files each leave the old file byte for byte, leave no new file behind
// and report the failure, both on a full disk and on one with a few KiB left.
//
// The mounts live in the test program's own mount namespace, so they vanish with the process
// even when a test crashes; each test also unmounts its own.

#include "sessiontestsupport.h"

#include "model/filewriter.h"
#include "model/iconcatalogue.h"
#include "model/robotfile.h"
#include "model/samples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace zuvo;
using namespace zuvo::test;

namespace {

constexpr qint64 Page = 4096;
const QString FillerName = QStringLiteral("filler");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("(missing)");
    return file.readAll();
}

qint64 freeBytes(const QString &path)
{
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(path).constData(), &fs) != 0)
        return -1;
    return qint64(fs.f_bavail) * qint64(fs.f_frsize);
}

// A memo that makes a robot file of about 10 KB: more than a few KiB of free space can take.
const QString TenKilobyteMemo(10000, u'm');

class FullDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system needs the administrator";
        ASSERT_TRUE(m_base.isValid());
        m_mount = m_base.filePath(QStringLiteral("disk"));
        ASSERT_TRUE(QDir().mkpath(m_mount));
        if (::mount("tmpfs", QFile::encodeName(m_mount).constData(), "tmpfs", 0, "size=256k") != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        m_mounted = true;
    }

    void TearDown() override
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mount).constData(), MNT_DETACH);
    }

    QString onDisk(const QString &name) const { return QDir(m_mount).filePath(name); }

    // A file outside the small disk, for inputs.
    QString outside(const QString &name) const { return m_base.filePath(name); }

    void writeOld(const QString &name, const QByteArray &bytes)
    {
        QFile file(onDisk(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
        ASSERT_TRUE(file.flush());
    }

    // Fills the disk to the last page, then frees leftBytes (whole pages) again.
    void fill(qint64 leftBytes)
    {
        const QByteArray path = QFile::encodeName(onDisk(FillerName));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        const QByteArray page(Page, 'f');
        qint64 size = 0;
        while (true) {
            const ssize_t n = ::write(fd, page.constData(), size_t(page.size()));
            if (n <= 0)
                break;
            size += n;
        }
        if (leftBytes > 0) {
            ASSERT_EQ(::ftruncate(fd, size - leftBytes), 0) << std::strerror(errno);
        }
        ::close(fd);
        ASSERT_EQ(freeBytes(m_mount), leftBytes);
        m_listing = QDir(m_mount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Nothing new on the disk, no half file, no leftover of a new file.
    void expectNoNewFile() const
    {
        EXPECT_EQ(QDir(m_mount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  m_listing);
    }

    struct CliRun
    {
        int code = -1;
        QString err;
    };
    CliRun cli(const QStringList &args) const
    {
        QProcess process;
        process.start(QStringLiteral(ZUVOMATIC_CLI_PATH), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardError())};
    }

    // The editor with the old file open in its current slot, then changed into the 10 KB
    // program by the gestures of a user.
    void openAndChange(SessionFixture &f, const QString &path)
    {
        f.session.OpenRobotFileAt(path);
        ASSERT_EQ(f.state().SlotFilePath[0], path);
        f.place(IconForward, 10, 10);
        f.session.SetMemoText(TenKilobyteMemo);
        ASSERT_EQ(f.state().SlotModified[0], 1);
        ASSERT_GT(EncodeRobotFile(f.program()).bytes.size(), 2 * Page);
    }

    void expectEditorKeptEverything(const SessionFixture &f, const QString &path) const
    {
        EXPECT_EQ(f.state().SlotModified[0], 1);
        EXPECT_EQ(f.state().SlotFilePath[0], path);
        EXPECT_EQ(f.view().tabCaptions[0], QFileInfo(path).fileName());
    }

    void saveOver(qint64 left);
    void saveAs(qint64 left);
    void saveWav(qint64 left);
    void cliSample(qint64 left);
    void cliWav(qint64 left);

    QTemporaryDir m_base;
    QString m_mount;
    bool m_mounted = false;
    QStringList m_listing;
};

const QString OldName = QStringLiteral("a.qvk");

QByteArray oldRobotFile()
{
    return EncodeRobotFile(LoadSlotText(BuiltInSampleSet(1).programs[0])).bytes;
}

void FullDisk::saveOver(qint64 left)
{
    writeOld(OldName, oldRobotFile());
    SessionFixture f;
    openAndChange(f, onDisk(OldName));
    fill(left);

    f.session.SaveRobotFile();

    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].title, QStringLiteral(u"上書きメッセージ"));
    EXPECT_EQ(f.prompts.messages[0].text,
              QStringLiteral(u"ファイルを保存できませんでした。　　\ra.qvk\r") + DiskFullReason);
    EXPECT_EQ(f.prompts.messages[0].icon, MessageIcon::Warning);
    expectEditorKeptEverything(f, onDisk(OldName));
    EXPECT_EQ(readAll(onDisk(OldName)), oldRobotFile());
    expectNoNewFile();
    // Leaving the editor still asks about the program.
    EXPECT_FALSE(f.session.ConfirmEditorClose());
    ASSERT_EQ(f.prompts.questions.size(), 1);
}

void FullDisk::saveAs(qint64 left)
{
    writeOld(OldName, oldRobotFile());
    SessionFixture f;
    openAndChange(f, onDisk(OldName));
    fill(left);

    const QString newPath = onDisk(QStringLiteral("new.qvk"));
    f.prompts.files = {newPath};
    f.session.SaveRobotFileAs();

    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].text,
              QStringLiteral(u"ファイルを保存できませんでした。　　\rnew.qvk\r") + DiskFullReason);
    expectEditorKeptEverything(f, onDisk(OldName));
    EXPECT_FALSE(QFile::exists(newPath));
    expectNoNewFile();

    // Over the old file, after the question.
    f.prompts.files = {onDisk(OldName)};
    f.prompts.answers = {true};
    f.session.SaveRobotFileAs();
    ASSERT_EQ(f.prompts.questions.size(), 1);
    ASSERT_EQ(f.prompts.messages.size(), 2);
    EXPECT_TRUE(f.prompts.messages[1].text.endsWith(DiskFullReason));
    expectEditorKeptEverything(f, onDisk(OldName));
    EXPECT_EQ(readAll(onDisk(OldName)), oldRobotFile());
    expectNoNewFile();
}

void FullDisk::saveWav(qint64 left)
{
    const QString name = QStringLiteral("signal.wav");
    const QByteArray old("RIFF old signal");
    writeOld(name, old);
    SessionFixture f;
    f.session.LoadSampleSet(2);
    for (int i = 0; i < 3; ++i)
        f.session.RunGrammarCheck();
    ASSERT_TRUE(f.view().sendEnabled);
    fill(left);

    f.prompts.files = {onDisk(name)};
    f.session.SaveSignalAsWav();

    ASSERT_EQ(f.prompts.messages.size(), 1);
    EXPECT_EQ(f.prompts.messages[0].title, QStringLiteral(u"信号をWAVファイルに保存"));
    EXPECT_TRUE(f.prompts.messages[0].text.endsWith(QStringLiteral(u"に保存できませんでした。\r\n")
                                                    + DiskFullReason))
        << f.prompts.messages[0].text.toStdString();
    EXPECT_FALSE(
        f.view().messageText.startsWith(QStringLiteral(u"信号をWAVファイルに保存しました")));
    EXPECT_EQ(readAll(onDisk(name)), old);
    f.prompts.files = {onDisk(QStringLiteral("new.wav"))};
    for (int i = 0; i < 3; ++i)
        f.session.RunGrammarCheck();
    f.session.SaveSignalAsWav();
    EXPECT_EQ(f.prompts.messages.size(), 2);
    expectNoNewFile();
}

void FullDisk::cliSample(qint64 left)
{
    writeOld(OldName, oldRobotFile());
    fill(left);
    const QByteArray wanted = EncodeRobotFile(LoadSlotText(BuiltInSampleSet(4).programs[1])).bytes;
    ASSERT_LT(wanted.size(), Page);

    const CliRun r = cli({"sample", "4", "2", "-o", onDisk(OldName)});
    if (left >= Page) {
        // A sample is smaller than one page of free space: it is written, and completely.
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(readAll(onDisk(OldName)), wanted);
    } else {
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.contains(DiskFullReason)) << r.err.toStdString();
        EXPECT_EQ(readAll(onDisk(OldName)), oldRobotFile());
    }
    expectNoNewFile();
}

void FullDisk::cliWav(qint64 left)
{
    const QString input = outside(QStringLiteral("in.qvk"));
    ASSERT_TRUE(WriteRobotFile(LoadSlotText(BuiltInSampleSet(2).programs[0]), input).ok);
    const QString name = QStringLiteral("signal.wav");
    const QByteArray old("RIFF old signal");
    writeOld(name, old);
    fill(left);

    const CliRun r = cli({"wav", input, "-o", onDisk(name)});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(DiskFullReason)) << r.err.toStdString();
    EXPECT_EQ(readAll(onDisk(name)), old);
    const CliRun fresh = cli({"wav", input, "-o", onDisk(QStringLiteral("new.wav"))});
    EXPECT_EQ(fresh.code, 2);
    expectNoNewFile();
}

} // namespace

TEST_F(FullDisk, SaveOverTheOpenFile)
{
    saveOver(0);
}
TEST_F(FullDisk, SaveOverTheOpenFileWithAFewKiBLeft)
{
    saveOver(Page);
}
TEST_F(FullDisk, SaveUnderANewName)
{
    saveAs(0);
}
TEST_F(FullDisk, SaveUnderANewNameWithAFewKiBLeft)
{
    saveAs(Page);
}
TEST_F(FullDisk, SignalAsWav)
{
    saveWav(0);
}
TEST_F(FullDisk, SignalAsWavWithAFewKiBLeft)
{
    saveWav(Page);
}
TEST_F(FullDisk, CommandLineSample)
{
    cliSample(0);
}
TEST_F(FullDisk, CommandLineSampleWithAFewKiBLeft)
{
    cliSample(Page);
}
TEST_F(FullDisk, CommandLineWav)
{
    cliWav(0);
}
TEST_F(FullDisk, CommandLineWavWithAFewKiBLeft)
{
    cliWav(Page);
}

TEST_F(FullDisk, TheWriterNamesTheFullDiskAndKeepsTheOldBytes)
{
    writeOld(OldName, oldRobotFile());
    fill(Page);
    const FileWriteResult written = WriteWholeFile(onDisk(OldName), QByteArray(3 * Page, 'x'));
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.reason, DiskFullReason);
    EXPECT_EQ(readAll(onDisk(OldName)), oldRobotFile());
    expectNoNewFile();
    // What fits is written completely.
    const QByteArray small(1000, 's');
    ASSERT_TRUE(WriteWholeFile(onDisk(OldName), small).ok);
    EXPECT_EQ(readAll(onDisk(OldName)), small);
    expectNoNewFile();
}

int main(int argc, char **argv)
{
    // A mount namespace of this process alone (before any thread exists), so that no mount of
    // the test can outlive it.
    if (::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0)
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
