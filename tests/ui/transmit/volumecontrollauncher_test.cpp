#include "widgetapp.h"

#include "transmit/volumecontrollauncher.h"

#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zuvo;

namespace {

// Writes an executable script into dir.
void script(const QTemporaryDir &dir, const QString &name, const QByteArray &body)
{
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Runs the event loop until the signal has been seen (or a safety net of 20 s).
bool waitFor(QSignalSpy &spy)
{
    if (!spy.isEmpty())
        return true;
    QEventLoop loop;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!spy.isEmpty())
            loop.quit();
    });
    safety.start(20000);
    poll.start(5);
    loop.exec();
    return !spy.isEmpty();
}

} // namespace

TEST(VolumeControlLauncher, StartsTheFirstMixerThatRunsAndWaitsForIt)
{
    zuvo::test::widgetApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A program whose interpreter is missing cannot start: the next one is tried.
    script(dir, QStringLiteral("brokenmixer"), "#!/nonexistent/interpreter\n");
    // The mixer stays open until the test lets it go.
    const QString release = dir.filePath(QStringLiteral("release"));
    script(dir, QStringLiteral("goodmixer"),
           "#!/bin/sh\nwhile [ ! -e \"$1\" ]; do sleep 0.02; done\necho \"$1\" > \"$1.done\"\n");

    VolumeControlLauncher launcher({{QStringLiteral("absentmixer"), {}, {}},
                                    {QStringLiteral("brokenmixer"), {}, {}},
                                    {QStringLiteral("goodmixer"), {release}, {}},
                                    {QStringLiteral("goodmixer"), {}, {}}},
                                   {dir.path()});
    QSignalSpy started(&launcher, &VolumeControlLauncher::started);
    QSignalSpy finished(&launcher, &VolumeControlLauncher::finished);
    QSignalSpy unavailable(&launcher, &VolumeControlLauncher::unavailable);
    launcher.start();
    ASSERT_TRUE(waitFor(started));
    EXPECT_EQ(started.first().first().toString(), QStringLiteral("goodmixer"));
    EXPECT_TRUE(launcher.isRunning());
    EXPECT_TRUE(finished.isEmpty());

    launcher.start(); // already running: nothing new starts
    QFile(release).open(QIODevice::WriteOnly);
    ASSERT_TRUE(waitFor(finished));
    EXPECT_EQ(started.size(), 1);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_TRUE(unavailable.isEmpty());
    EXPECT_FALSE(launcher.isRunning());
    EXPECT_TRUE(QFile::exists(release + QStringLiteral(".done"))); // got its arguments
}

TEST(VolumeControlLauncher, ReportsWhenNoMixerCanBeStarted)
{
    zuvo::test::widgetApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    script(dir, QStringLiteral("brokenmixer"), "#!/nonexistent/interpreter\n");
    // A terminal is there, but the mixer it would run is not.
    script(dir, QStringLiteral("terminal"), "#!/bin/sh\nexit 0\n");

    VolumeControlLauncher launcher({{QStringLiteral("absentmixer"), {}, {}},
                                    {QStringLiteral("brokenmixer"), {}, {}},
                                    {QStringLiteral("terminal"),
                                     {QStringLiteral("-e"), QStringLiteral("alsamixer")},
                                     QStringLiteral("absentalsamixer")}},
                                   {dir.path()});
    QSignalSpy started(&launcher, &VolumeControlLauncher::started);
    QSignalSpy unavailable(&launcher, &VolumeControlLauncher::unavailable);
    launcher.start();
    ASSERT_TRUE(waitFor(unavailable));
    EXPECT_TRUE(started.isEmpty());
    const QString text = unavailable.first().first().toString();
    EXPECT_TRUE(text.startsWith(QStringLiteral(u"音量調節プログラムが見つかりません。\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("pavucontrol")));
    EXPECT_FALSE(launcher.isRunning());

    // The real list starts with the PulseAudio mixers.
    const QList<MixerCandidate> candidates = VolumeControlLauncher::defaultCandidates();
    ASSERT_GE(candidates.size(), 2);
    EXPECT_EQ(candidates[0].program, QStringLiteral("pavucontrol"));
    EXPECT_EQ(candidates[1].program, QStringLiteral("pavucontrol-qt"));
}
