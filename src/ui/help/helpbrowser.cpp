#include "help/helpbrowser.h"

#include "common/japanesefonts.h"
#include "common/picturebox.h"
#include "common/windowmenus.h"
#include "common/windowplacement.h"
#include "help/helptopics.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QListWidget>
#include <QPlainTextEdit>

namespace zuvo {

namespace {
// Inside the frame's inner line (the frame picture lies at 1200, 2880, 4200, 3975).
const QRect ListPlace = RectFromTwips(1335, 3105, 3930, 3480);
} // namespace

HelpBrowser::HelpBrowser(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ｚｕｖｏｍａｔｉｃ　説明"));

    QWidget *client = MakeWhiteClient(this, QSize(792, 568));

    PictureBox::place(client, "Image2", QStringLiteral(":/help/banner.svg"),
                      RectFromTwips(0, 0, 12000, 915))
        ->setAccessibleName(QStringLiteral("Ｚｕｖｏｍａｔｉｃ"));
    PictureBox::place(client, "Image1", QStringLiteral(":/help/title.svg"),
                      RectFromTwips(720, 1320, 2985, 1290))
        ->setAccessibleName(QStringLiteral("説明を見る"));
    PictureBox::place(client, "Image5", QStringLiteral(":/help/list_frame.svg"),
                      RectFromTwips(1200, 2880, 4200, 3975));

    m_list = new QListWidget(client);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("説明の項目"));
    // As wide as the frame's inner line allows, so that the longest entries ("Q3：…その１")
    // show in full; the separator line ends at the list's edge instead of scrolling past it.
    m_list->setGeometry(ListPlace);
    m_list->setFont(JapaneseFixedFont(9));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideNone);
    connect(m_list, &QListWidget::currentRowChanged, this, &HelpBrowser::ShowTopic);

    PictureBox::place(client, "吹出1", QStringLiteral(":/help/balloon.svg"),
                      RectFromTwips(5640, 2760, 5250, 4200));

    m_text = new QPlainTextEdit(client);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("説明"));
    m_text->setGeometry(RectFromTwips(6120, 3000, 4455, 3735));
    m_text->setFont(JapaneseFixedFont(9));
    m_text->setReadOnly(true);
    m_text->setFrameShape(QFrame::NoFrame);
    // The line breaks are part of each text; wrapping again would spoil its layout.
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->document()->setDocumentMargin(2);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->viewport()->setAutoFillBackground(false);
    QPalette clear = m_text->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_text->setPalette(clear);
    m_text->hide();

    PictureBox *back = PictureBox::place(client, "Image3", QStringLiteral(":/help/back.svg"),
                                         RectFromTwips(555, 7440, 1935, 735));
    back->setClickable(true);
    back->setToolTip(QStringLiteral("初期画面に戻る"));
    back->setAccessibleName(QStringLiteral("戻る"));
    connect(back, &PictureBox::clicked, this, &HelpBrowser::Back);

    const FileMenuActions file = AddChoiceMenus(this, QStringLiteral("おわり"));
    connect(file.Create, &QAction::triggered, this, [this] { emit choiceRequested(0); });
    connect(file.Samples, &QAction::triggered, this, [this] { emit choiceRequested(1); });
    connect(file.Begin, &QAction::triggered, this, &HelpBrowser::Back);
    connect(file.End, &QAction::triggered, this, [this] { emit choiceRequested(3); });
}

int HelpBrowser::selectedEntry() const
{
    return m_list->currentRow();
}

QString HelpBrowser::shownText() const
{
    return m_text->toPlainText();
}

void HelpBrowser::Load()
{
    CentreOnScreen(this);
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (int entry = 0; entry < HelpTopicCount; ++entry)
            m_list->addItem(HelpListText(entry));
    }
    m_list->setCurrentRow(0);
    ShowTopic(0);
    m_text->show();
    m_loaded = true;
}

void HelpBrowser::ShowTopic(int entry)
{
    if (entry < 0 || entry >= HelpTopicCount) {
        m_text->clear();
        return;
    }
    // Always the whole text, replaced: never appended to what was there.
    m_text->setPlainText(HelpTopicText(entry));
}

void HelpBrowser::Back()
{
    emit startScreenRequested();
    hide();
}

void HelpBrowser::showEvent(QShowEvent *event)
{
    if (!m_loaded)
        Load();
    QMainWindow::showEvent(event);
}

void HelpBrowser::closeEvent(QCloseEvent *event)
{
    emit startScreenRequested();
    m_loaded = false;
    event->accept();
}

} // namespace zuvo
