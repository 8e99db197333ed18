#include "samples/samplechooser.h"

#include "common/japanesefonts.h"
#include "common/picturebox.h"
#include "common/windowmenus.h"
#include "common/windowplacement.h"
#include "samples/samplesteps.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace zuvo {

static constexpr int StepLeftTwips[SampleStepCount] = {360, 2640, 4920, 7200, 9480};
// The captions drawn in the step pictures, for screen readers.
static const char16_t *const StepCaptions[SampleStepCount]
    = {u"移動する", u"タッチセンサを使う", u"光センサを使う", u"変数を使う", u"競技する"};

SampleChooser::SampleChooser(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Ｚｕｖｏｍａｔｉｃ　サンプル"));

    QWidget *client = MakeWhiteClient(this, QSize(792, 568));

    PictureBox::place(client, "Image1", QStringLiteral(":/samples/banner.svg"),
                      RectFromTwips(0, 0, 12000, 915))
        ->setAccessibleName(QStringLiteral("Ｚｕｖｏｍａｔｉｃ"));
    PictureBox::place(client, "Image2", QStringLiteral(":/samples/title.svg"),
                      RectFromTwips(720, 1320, 5895, 1290))
        ->setAccessibleName(QStringLiteral("サンプルプログラムから始める"));

    for (int step = 0; step < SampleStepCount; ++step) {
        const QRect place = RectFromTwips(StepLeftTwips[step], 3000, 2205, 1830);
        const QString number = QString::number(step + 1);
        PictureBox *pale = PictureBox::place(
            client, "Image5", QStringLiteral(":/samples/step_%1_pale.svg").arg(number), place);
        pale->setProperty("index", step);
        // A screen reader hears the step and its samples; pressing a pale step lights it up,
        // as pointing at it does, and the bright one then starts it.
        const QString name
            = QStringLiteral(u"ステップ") + number + u' ' + QString::fromUtf16(StepCaptions[step]);
        const QString samples = SampleListText(step).remove(u'●').simplified();
        pale->setAccessibleName(name);
        pale->setAccessibleDescription(QStringLiteral(u"サンプル：") + samples);
        pale->setPressable(true);
        connect(pale, &PictureBox::pointerMoved, this, [this, step] { Highlight(step); });
        m_pale[step] = pale;

        PictureBox *bright = PictureBox::place(
            client, "Image7", QStringLiteral(":/samples/step_%1_bright.svg").arg(number), place);
        bright->setProperty("index", step);
        bright->setClickable(true);
        bright->setAccessibleName(name);
        bright->setAccessibleDescription(QStringLiteral(u"このサンプルで始めます：") + samples);
        bright->installEventFilter(this);
        bright->hide();
        connect(bright, &PictureBox::clicked, this, [this, step] { Choose(step); });
        m_bright[step] = bright;
    }

    PictureBox *frame
        = PictureBox::place(client, "image6", QStringLiteral(":/samples/list_frame.svg"),
                            RectFromTwips(3840, 5880, 4095, 2415));
    frame->setProperty("index", 0);

    m_text = new QPlainTextEdit(client);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("サンプルプログラム"));
    m_text->setGeometry(RectFromTwips(4320, 6120, 3255, 1455));
    m_text->setFont(JapaneseProportionalFont(11.25));
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->document()->setDocumentMargin(1);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->viewport()->setAutoFillBackground(false);
    QPalette clear = m_text->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_text->setPalette(clear);
    m_text->hide();

    PictureBox *ok = PictureBox::place(client, "Image4", QStringLiteral(":/samples/ok.svg"),
                                       RectFromTwips(8400, 6120, 1575, 840));
    ok->setClickable(true);
    ok->setAccessibleName(QStringLiteral(u"始める（OK）"));
    ok->setAccessibleDescription(QStringLiteral(u"明るいステップのサンプルで始めます"));
    connect(ok, &PictureBox::clicked, this, [this] { Choose(m_selectedStep); });

    PictureBox *back = PictureBox::place(client, "Image3", QStringLiteral(":/samples/back.svg"),
                                         RectFromTwips(480, 7440, 1935, 735));
    back->setClickable(true);
    back->setToolTip(QStringLiteral("初期画面に戻る"));
    back->setAccessibleName(QStringLiteral("戻る"));
    connect(back, &PictureBox::clicked, this, &SampleChooser::Back);

    // Takes the keyboard focus after each highlight, outside the client area, never seen.
    m_focusSink = new QLineEdit(client);
    m_focusSink->setObjectName(QStringLiteral("text2"));
    m_focusSink->setGeometry(RectFromTwips(12000, 0, 495, 495));
    // Tab passes it by: the keyboard goes round the bright step, OK and 戻る.
    m_focusSink->setFocusPolicy(Qt::NoFocus);
    m_focusSink->setAccessibleName(QStringLiteral(u"ステップの選択"));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SampleChooser::timerTick);

    const FileMenuActions file = AddChoiceMenus(this, QStringLiteral("おわる"));
    connect(file.Create, &QAction::triggered, this, [this] { emit choiceRequested(0); });
    connect(file.Samples, &QAction::triggered, this, [this] { Choose(m_selectedStep); });
    connect(file.Begin, &QAction::triggered, this, &SampleChooser::Back);
    connect(file.End, &QAction::triggered, this, [this] { emit choiceRequested(3); });
}

QString SampleChooser::shownList() const
{
    return m_text->toPlainText();
}

void SampleChooser::Load()
{
    CentreOnScreen(this);
    // A window shown again after closing starts afresh: Step 1 bright, the others pale.
    for (int step = 0; step < SampleStepCount; ++step) {
        m_pale[step]->setVisible(step != 0);
        m_bright[step]->setVisible(step == 0);
    }
    m_selectedStep = 0;
    m_text->setPlainText(SampleListText(0));
    m_text->show();
    m_loaded = true;
}

void SampleChooser::Highlight(int step)
{
    if (step < 0 || step >= SampleStepCount || step == m_selectedStep)
        return;
    m_pale[m_selectedStep]->show();
    m_bright[m_selectedStep]->hide();
    m_bright[step]->show();
    m_pale[step]->hide();
    m_text->setPlainText(SampleListText(step));
    m_selectedStep = step;
    m_focusSink->setFocus();
}

bool SampleChooser::eventFilter(QObject *watched, QEvent *event)
{
    // On the bright step, the arrow keys light up the step beside it, as the pointer would.
    if (event->type() == QEvent::KeyPress && watched == m_bright[m_selectedStep]) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int step = m_selectedStep + (key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0);
        if (step != m_selectedStep && step >= 0 && step < SampleStepCount) {
            Highlight(step);
            m_bright[step]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void SampleChooser::Choose(int step)
{
    if (step < 0 || step >= SampleStepCount)
        return;
    m_editorStartMode = step + 11;
    emit waitWindowRequested();
    m_editorOpenPending = true;
    m_timer->start(1);
    hide();
}

void SampleChooser::timerTick()
{
    m_timer->stop();
    if (!m_editorOpenPending)
        return;
    m_editorOpenPending = false;
    emit editorRequested(m_editorStartMode);
}

void SampleChooser::Back()
{
    emit startScreenRequested();
    hide();
}

void SampleChooser::showEvent(QShowEvent *event)
{
    // The keyboard starts on the white background; the first Tab brings it, ringed, to the
    // bright step.
    centralWidget()->setFocus(Qt::OtherFocusReason);
    if (!m_loaded)
        Load();
    QMainWindow::showEvent(event);
}

void SampleChooser::closeEvent(QCloseEvent *event)
{
    emit startScreenRequested();
    m_loaded = false;
    event->accept();
}

} // namespace zuvo
