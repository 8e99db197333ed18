#pragma once
// The data transmission window form05: plays one SymbolText once, with silence around it, while
// the output's monitor listens; shows how it went and closes itself, unless what the output
// played did not hold the frame: that stays on the screen until it is closed. Created anew for
// every transmission and shown modally over its owner.

#include "signal/playbackresult.h"
#include "signal/signalplayer.h"

#include <QDialog>
#include <QTimer>

QT_BEGIN_NAMESPACE
class QLabel;
class QProgressBar;
class QPushButton;
QT_END_NAMESPACE

namespace zuvo {

class TransmissionWindow : public QDialog
{
    Q_OBJECT
public:
    // How long the outcome stays readable before the window closes itself.
    static constexpr int SuccessLingerMs = 400;
    static constexpr int FailureLingerMs = 1500;

    // The server is the playback module's unless one is given (tests).
    explicit TransmissionWindow(const QString &symbolText, QWidget *owner = nullptr,
                                std::unique_ptr<SoundServer> server = nullptr);
    ~TransmissionWindow() override;

    // The first line of the window when the output's monitor did not hear the frame.
    static QString NotHeardText();

    int Response() const { return m_result.Response; }
    PlaybackResult result() const { return m_result; }
    bool isPlaying() const { return m_player.isPlaying(); }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public slots:
    // Closing the window while it plays stops the device and reports the transmission as
    // interrupted.
    void reject() override;

private:
    void startOnce();
    void onFinished(const PlaybackResult &result);
    void showSentences(const QString &text);
    void setBusyCursor(bool busy);

    QString m_symbolText;
    QLabel *m_info = nullptr;
    QPushButton *m_dummy = nullptr;
    QPushButton *m_close = nullptr;
    QProgressBar *m_progress = nullptr;
    SignalPlayer m_player;
    QTimer m_closeTimer;
    bool m_started = false; // the activation guard
    bool m_busyCursor = false;
    PlaybackResult m_result;
};

// Shows the window modally over owner, plays the signal and returns once it has closed.
PlaybackResult runTransmission(QWidget *owner, const QString &symbolText,
                               std::unique_ptr<SoundServer> server = nullptr);

} // namespace zuvo
