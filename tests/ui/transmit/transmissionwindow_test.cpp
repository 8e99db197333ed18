#include "widgetapp.h"

#include "codegen/transmitencoding.h"
#include "signal/symbolrender.h"
#include "transmit/transmissionwindow.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace zuvo;
using zuvo::test::isolateFromSoundServer;
using zuvo::test::widgetApp;

namespace {

const QString Example
    = QStringLiteral("01 3A 5C C4 B4 E1 F1 F9 00 00 00 00 00 00 00 00 51 C0 05 00 FF 15");
constexpr int SafetyMs = 20000;

// What the window showed, sampled while the event loop runs.
struct Observer
{
    QStringList texts; // lblInfo, each change once
    bool dummyFocusedWhilePlaying = false;
    int progressMaximum = 0;
    int progressValue = 0;

    void sample(QWidget *window)
    {
        auto *info = window->findChild<QLabel *>(QStringLiteral("lblInfo"));
        auto *dummy = window->findChild<QPushButton *>(QStringLiteral("cmdDummy"));
        auto *progress = window->findChild<QProgressBar *>();
        if (info && (texts.isEmpty() || texts.last() != info->text()))
            texts << info->text();
        if (info && dummy && info->text() == QStringLiteral(u"送信中") && dummy->isVisible()
            && dummy->hasFocus())
            dummyFocusedWhilePlaying = true;
        if (progress) {
            progressMaximum = progress->maximum();
            progressValue = progress->value();
        }
    }
};

// Runs the event loop until the window has finished, sampling it on every pass; the safety
// net closes the window instead of hanging the test.
bool runUntilFinished(TransmissionWindow &window, Observer &observer,
                      const std::function<void()> &eachPass = {})
{
    QEventLoop loop;
    bool safetyFired = false;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &loop, [&] {
        safetyFired = true;
        loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        observer.sample(&window);
        if (eachPass)
            eachPass();
    });
    safety.start(SafetyMs);
    poll.start(2);
    window.show();
    loop.exec();
    return !safetyFired;
}

bool liveAudio()
{
    return qEnvironmentVariableIsSet("ZUVO_LIVE_AUDIO");
}

// Lets the sound server finish with a stream that was just deleted, so that the process does
// not exit in the middle of that exchange.
void settle(QObject *window)
{
    QEventLoop loop;
    QTimer::singleShot(100, window, [&loop] { loop.quit(); });
    loop.exec();
}

} // namespace

TEST(TransmissionWindow, ControlsWhenLoaded)
{
    widgetApp();
    TransmissionWindow window(EncodeTransmission(Example));
    EXPECT_EQ(window.objectName(), QStringLiteral("form05"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(u"データ送信"));
    EXPECT_TRUE(window.isModal());
    auto *info = window.findChild<QLabel *>(QStringLiteral("lblInfo"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->alignment() & Qt::AlignLeft);
    auto *dummy = window.findChild<QPushButton *>(QStringLiteral("cmdDummy"));
    ASSERT_NE(dummy, nullptr);
    EXPECT_TRUE(dummy->isHidden());
}

TEST(TransmissionWindow, WithoutASoundServerShowsTheErrorAndCloses)
{
    isolateFromSoundServer();
    widgetApp();
    QWidget owner;
    owner.show();

    // Through the function the editor calls, shown modally over its owner.
    Observer observer;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("form05") && widget->isVisible()) {
                EXPECT_EQ(widget->parentWidget(), &owner);
                EXPECT_TRUE(widget->isModal());
                observer.sample(widget);
            }
        }
    });
    bool safetyFired = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] {
        safetyFired = true;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("form05"))
                widget->close();
        }
    });
    poll.start(2);
    safety.start(SafetyMs);
    const PlaybackResult result = runTransmission(&owner, EncodeTransmission(Example));
    EXPECT_FALSE(safetyFired);
    EXPECT_EQ(result.Response, 3);
    EXPECT_EQ(result.errorText, SignalPlayer::noDeviceText());
    EXPECT_TRUE(observer.texts.contains(SignalPlayer::noDeviceText()));
    EXPECT_FALSE(observer.texts.contains(QStringLiteral(u"送信完了")));
}

namespace {

// A server whose output plays everything and whose monitor heard only silence.
class SilentMonitor final : public SoundServer
{
public:
    OutputInfo readOutput() override { return {}; }
    QString makeAudible() override { return {}; }
    void start(const QByteArray &samples, bool listen) override
    {
        m_progress.finished = true;
        m_progress.result = PlaybackResult::played();
        m_progress.playedBytes = samples.size();
        m_progress.listened = listen;
        m_progress.heard = QByteArray(samples.size(), char(SilenceSample));
    }
    PlaybackProgress progress() override { return m_progress; }
    void stop() override { }

private:
    PlaybackProgress m_progress;
};

} // namespace

TEST(TransmissionWindow, WhatTheMonitorDidNotHearStaysUntilClosed)
{
    widgetApp();
    TransmissionWindow window(EncodeTransmission(Example), nullptr,
                              std::make_unique<SilentMonitor>());
    Observer observer;
    auto *close = window.findChild<QPushButton *>(QStringLiteral("cmdClose"));
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isHidden());
    bool clicked = false;
    ASSERT_TRUE(runUntilFinished(window, observer, [&] {
        // Still open well after the playback: it waits for the close button.
        if (!clicked && close->isVisible()) {
            clicked = true;
            QTest::qWait(TransmissionWindow::FailureLingerMs + 200);
            EXPECT_TRUE(window.isVisible());
            close->click();
        }
    }));
    EXPECT_TRUE(clicked);
    EXPECT_EQ(window.Response(), 1);
    EXPECT_EQ(window.result().hearing, Hearing::NotHeard);
    EXPECT_TRUE(observer.texts.last().startsWith(TransmissionWindow::NotHeardText()));
    EXPECT_TRUE(observer.texts.last().contains(window.result().hearingText));
    EXPECT_FALSE(observer.texts.contains(QStringLiteral(u"送信完了")));
}

// The tests below need a sound server; the audio capture script starts a private one and runs
// them with ZUVO_LIVE_AUDIO set.
TEST(LivePlayback, PlaysToTheEndAndShowsCompletion)
{
    if (!liveAudio())
        GTEST_SKIP() << "needs the private sound server of audio_capture_test.sh";
    widgetApp();
    TransmissionWindow window(EncodeTransmission(Example));
    Observer observer;
    ASSERT_TRUE(runUntilFinished(window, observer));
    EXPECT_EQ(window.Response(), 1);
    EXPECT_TRUE(window.result().errorText.isEmpty());
    EXPECT_TRUE(observer.texts.contains(QStringLiteral(u"送信中")));
    EXPECT_EQ(observer.texts.last(), QStringLiteral(u"送信完了"));
    EXPECT_TRUE(observer.dummyFocusedWhilePlaying);
    // The silence around the signal is played too; the output's monitor heard the frame.
    EXPECT_EQ(observer.progressMaximum, 3840 + LeadInSamples + TailSamples);
    EXPECT_EQ(observer.progressValue, observer.progressMaximum);
    EXPECT_EQ(window.result().hearing, Hearing::Heard);
    settle(&window);
}

TEST(LivePlayback, ClosedWhilePlayingStopsCleanly)
{
    if (!liveAudio())
        GTEST_SKIP() << "needs the private sound server of audio_capture_test.sh";
    widgetApp();
    // A long signal, so that there is time to close the window while it plays.
    QStringList tokens(200, QStringLiteral("5A"));
    tokens.prepend(QStringLiteral("01"));
    TransmissionWindow window(EncodeTransmission(tokens.join(u' ')));
    Observer observer;
    bool closed = false;
    ASSERT_TRUE(runUntilFinished(window, observer, [&] {
        if (!closed && window.isPlaying()) {
            closed = true;
            window.close();
        }
    }));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isPlaying());
    EXPECT_EQ(window.Response(), 3);
    EXPECT_EQ(window.result().errorText, SignalPlayer::interruptedText());

    // The device was released: the next transmission plays.
    TransmissionWindow next(EncodeTransmission(Example));
    Observer nextObserver;
    ASSERT_TRUE(runUntilFinished(next, nextObserver));
    EXPECT_EQ(next.Response(), 1);
    settle(&next);
}

TEST(LivePlayback, ActivatedAgainWhilePlayingKeepsTheResult)
{
    if (!liveAudio())
        GTEST_SKIP() << "needs the private sound server of audio_capture_test.sh";
    widgetApp();
    TransmissionWindow window(EncodeTransmission(Example));
    Observer observer;
    int activations = 0;
    ASSERT_TRUE(runUntilFinished(window, observer, [&] {
        if (window.isPlaying() && activations < 3) {
            ++activations;
            window.activateWindow();
            QEvent activation(QEvent::ActivationChange);
            QApplication::sendEvent(&window, &activation);
        }
    }));
    EXPECT_GT(activations, 0);
    EXPECT_EQ(window.Response(), 1);
    EXPECT_EQ(observer.texts.count(QStringLiteral(u"送信中")), 1);
    EXPECT_EQ(observer.texts.last(), QStringLiteral(u"送信完了"));
    settle(&window);
}
