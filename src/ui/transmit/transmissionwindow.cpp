#include "transmit/transmissionwindow.h"

#include "signal/symbolrender.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

namespace zuvo {

TransmissionWindow::TransmissionWindow(const QString &symbolText, QWidget *owner,
                                       std::unique_ptr<SoundServer> server)
    : QDialog(owner)
    , m_symbolText(symbolText)
    , m_player(std::move(server))
    , m_result(PlaybackResult::failed(SignalPlayer::interruptedText()))
{
    setObjectName(QStringLiteral("form05"));
    setWindowTitle(QStringLiteral(u"データ送信"));
    setModal(true);

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("lblInfo"));
    m_info->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_info->setWordWrap(true);
    m_info->setMinimumWidth(260);
    QFont big = m_info->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_info->setFont(big);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(QStringLiteral(u"送信の進み具合"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->hide();

    // Takes the keyboard while the signal plays, so that key presses do nothing.
    m_dummy = new QPushButton(QStringLiteral(u"送信中…"), this);
    m_dummy->setObjectName(QStringLiteral("cmdDummy"));
    m_dummy->setAutoDefault(false);
    m_dummy->setFlat(true);
    m_dummy->hide();

    // Only when what was played did not hold the frame: the window then waits to be read.
    m_close = new QPushButton(QStringLiteral(u"閉じる"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->hide();
    connect(m_close, &QPushButton::clicked, this, [this] { done(m_result.Response); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(m_info);
    layout->addWidget(m_progress);
    layout->addWidget(m_dummy, 0, Qt::AlignRight);
    layout->addWidget(m_close, 0, Qt::AlignRight);

    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, [this] { done(m_result.Response); });
    connect(&m_player, &SignalPlayer::progress, this, [this](qint64 played, qint64 total) {
        m_progress->setRange(0, int(total));
        m_progress->setValue(int(played));
    });
    connect(&m_player, &SignalPlayer::finished, this, &TransmissionWindow::onFinished);
}

TransmissionWindow::~TransmissionWindow()
{
    // The device's teardown may run the event loop: do it while the window is still whole.
    m_closeTimer.stop();
    m_player.disconnect(this);
    m_player.stopNow();
    setBusyCursor(false);
}

void TransmissionWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Let the window paint before the transmission starts.
    QTimer::singleShot(0, this, &TransmissionWindow::startOnce);
}

void TransmissionWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        startOnce();
}

void TransmissionWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_player.isPlaying() && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TransmissionWindow::reject()
{
    m_player.stop();
    m_closeTimer.stop();
    QDialog::reject();
}

void TransmissionWindow::startOnce()
{
    if (m_started || !isVisible())
        return;
    m_started = true;
    setBusyCursor(true);
    m_dummy->show();
    m_dummy->setFocus();
    m_info->setText(QStringLiteral(u"送信中"));
    const QByteArray samples = PadForOutput(RenderSymbols(m_symbolText));
    m_progress->setRange(0, qMax(1, int(samples.size())));
    m_progress->setValue(0);
    m_progress->show();
    m_player.play(samples, true);
}

void TransmissionWindow::onFinished(const PlaybackResult &result)
{
    m_result = result;
    setBusyCursor(false);
    m_dummy->hide();
    m_info->setAlignment(Qt::AlignCenter);
    if (result.Response == PlaybackResult::Played && result.hearing == Hearing::NotHeard) {
        m_progress->hide();
        m_info->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        showSentences(NotHeardText() + u'\n' + result.hearingText);
        m_close->show();
        m_close->setFocus();
        adjustSize();
    } else if (result.Response == PlaybackResult::Played) {
        m_progress->setValue(m_progress->maximum());
        m_info->setText(QStringLiteral(u"送信完了"));
        m_closeTimer.start(SuccessLingerMs);
    } else {
        m_progress->hide();
        m_info->setText(result.errorText);
        m_closeTimer.start(FailureLingerMs);
    }
}

// Read, not glanced at: as wide as the widest sentence needs and the screen allows, so that
// the lines break between sentences rather than inside them.
void TransmissionWindow::showSentences(const QString &text)
{
    const QFontMetrics metrics(m_info->font());
    int widest = 0;
    for (const QString &sentence : text.split(QRegularExpression(QStringLiteral(u"(?<=。)|\n"))))
        widest = qMax(widest, metrics.horizontalAdvance(sentence.trimmed()));
    const QScreen *shown = screen();
    const int room = shown ? shown->availableGeometry().width() * 4 / 5 : widest;
    m_info->setText(text);
    m_info->setMinimumWidth(qMin(widest + metrics.averageCharWidth(), room));
}

void TransmissionWindow::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QString TransmissionWindow::NotHeardText()
{
    return QStringLiteral(u"送信しましたが、ロボットに届いていないかもしれません。");
}

PlaybackResult runTransmission(QWidget *owner, const QString &symbolText,
                               std::unique_ptr<SoundServer> server)
{
    TransmissionWindow window(symbolText, owner, std::move(server));
    window.exec();
    return window.result();
}

} // namespace zuvo
