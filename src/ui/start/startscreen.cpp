#include "start/startscreen.h"

#include "common/picturebox.h"
#include "common/windowmenus.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

namespace zuvo {

namespace {

struct BoxPlace
{
    int boxLeft;
    int balloonLeft;
    const char *picture;
    const char *toolTip;
    const char *label; // the word on the box
    const char *balloon; // what its balloon says
};

const BoxPlace Boxes[4] = {
    {56, 40, ":/start/box_go.svg", "プログラムを作る", "GO!",
     "自分でプログラムを作ってロボットを自由に動かそう！"},
    {232, 216, ":/start/box_try.svg", "サンプルプログラムから始める", "TRY",
     "用意されたサンプルでプログラムの作り方を学ぼう！"},
    {408, 392, ":/start/box_help.svg", "説明を見る", "HELP",
     "Zuvomaticの使い方と機能を説明するよ。困ったときは見てね！"},
    {584, 568, ":/start/box_end.svg", "終わる", "END", "Zuvomaticを終わります。またあそぼうね！"},
};

} // namespace

StartScreen::StartScreen(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form0"));
    setWindowTitle(QStringLiteral("Ｚｕｖｏｍａｔｉｃ　メニュー"));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(792, 568);
    m_client->setAutoFillBackground(true);
    QPalette white = m_client->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_client->setPalette(white);
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (int n = 0; n < 4; ++n) {
        auto *box = new PictureBox(QString::fromUtf8(Boxes[n].picture), m_client);
        box->setObjectName(QStringLiteral("サイコロ"));
        box->setProperty("index", n);
        box->setGeometry(Boxes[n].boxLeft, 192, 147, 185);
        box->setClickable(true);
        box->setToolTip(QString::fromUtf8(Boxes[n].toolTip));
        // Screen readers hear the caption first, then the word on the box and the balloon.
        box->setAccessibleName(QString::fromUtf8(Boxes[n].toolTip) + QStringLiteral(u"（")
                               + QString::fromUtf8(Boxes[n].label) + QStringLiteral(u"）"));
        box->setAccessibleDescription(QString::fromUtf8(Boxes[n].balloon));
        connect(box, &PictureBox::pointerMoved, this, [this, n] { PointAtBox(n); });
        // The keyboard's Tab shows the balloon as the pointer does.
        connect(box, &PictureBox::keyboardFocused, this, [this, n] { PointAtBox(n); });
        connect(box, &PictureBox::clicked, this, [this, n] { Choose(n); });
        m_boxes[n] = box;

        auto *balloon = new PictureBox(QStringLiteral(":/start/balloon_%1.svg").arg(n), m_client);
        balloon->setObjectName(QStringLiteral("噴出し"));
        balloon->setProperty("index", n);
        balloon->setGeometry(Boxes[n].balloonLeft, 56, 180, 116);
        balloon->setAccessibleName(QString::fromUtf8(Boxes[n].balloon));
        balloon->hide();
        m_balloons[n] = balloon;
    }

    auto *logo = new PictureBox(QStringLiteral(":/start/logo.svg"), m_client);
    logo->setObjectName(QStringLiteral("Icon"));
    logo->setAccessibleName(QStringLiteral("Zuvomatic"));
    logo->setGeometry(224, 432, 359, 92);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &StartScreen::timerTick);

    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("ファイル"));
    const struct
    {
        const char *name;
        const char *caption;
    } items[4] = {{"はじめる", "つくる"},
                  {"サンプル", "サンプル"},
                  {"せつめい", "せつめい"},
                  {"おしまい", "おわり"}};
    for (int n = 0; n < 4; ++n) {
        QAction *action = file->addAction(QString::fromUtf8(items[n].caption));
        action->setObjectName(QString::fromUtf8(items[n].name));
        connect(action, &QAction::triggered, this, [this, n] { Choose(n); });
    }
    AddHelpMenu(menuBar(), this);
}

int StartScreen::shownBalloon() const
{
    for (int n = 0; n < 4; ++n) {
        if (!m_balloons[n]->isHidden())
            return n;
    }
    return -1;
}

void StartScreen::PointAtBox(int box)
{
    for (int n = 0; n < 4; ++n)
        m_balloons[n]->setVisible(n == box);
}

void StartScreen::PointAtBackground(const QPoint &position)
{
    if (position.x() > 0 && position.y() > 0)
        PointAtBox(-1);
}

void StartScreen::Choose(int choice)
{
    switch (choice) {
    case 0:
        emit waitWindowRequested();
        m_startPending = 1;
        m_timer->start(1);
        break;
    case 1:
        emit samplesRequested();
        break;
    case 2:
        emit helpRequested();
        break;
    case 3:
        emit endRequested();
        return;
    default:
        return;
    }
    hide();
}

void StartScreen::timerTick()
{
    m_timer->stop();
    if (m_startPending != 1)
        return;
    // Reset so that a stray tick can never start a second editor.
    m_startPending = 0;
    emit editorRequested(10);
}

void StartScreen::showEvent(QShowEvent *event)
{
    // The keyboard starts on the white background, where it shows nothing: the first Tab then
    // brings it to GO!, ringed and with its balloon.
    m_client->setFocus(Qt::OtherFocusReason);
    QMainWindow::showEvent(event);
}

void StartScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit endRequested();
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::MouseMove)
        PointAtBackground(static_cast<QMouseEvent *>(event)->position().toPoint());
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zuvo
