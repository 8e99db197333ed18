#include "editor/bottompanel.h"

#include "editor/editbuttons.h"
#include "editor/memobox.h"
#include "editor/propertypanel.h"
#include "editor/slottabs.h"
#include "editor/traypanel.h"
#include "model/linebreaks.h"
#include "session/editorsession.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace zuvo {

BottomPanel::BottomPanel(EditorSession &session, QWidget *client)
    : QWidget(client)
    , m_session(session)
{
    setObjectName(QStringLiteral("Frame5"));
    resize(PanelSize);

    m_tabs = new SlotTabs(session, this);
    m_property = new PropertyPanel(session, this);
    m_tray = new TrayPanel(session, this);
    m_tray->move(186, 20);
    m_buttons = new EditButtons(session, this);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("text2"));
    m_message->setGeometry(8, 108, 337, 41);
    m_message->setAutoFillBackground(true);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setMargin(2);
    // Its text is its name to a screen reader, and every new text is announced (NameChanged).
    m_message->setAccessibleDescription(QStringLiteral(u"メッセージエリア"));

    m_memo = new MemoBox(this);
    m_memo->setObjectName(QStringLiteral("Text1"));
    m_memo->setAccessibleName(QStringLiteral(u"メモ帳"));
    m_memo->setGeometry(352, 108, 433, 41);
    m_memo->setTabChangesFocus(true);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &BottomPanel::memoEdited);
}

QString BottomPanel::memoFromProgram(const QString &text)
{
    return WithLineBreaks(text, u"\n");
}

QString BottomPanel::memoToProgram(const QString &text)
{
    return WithLineBreaks(text, u"\r\n");
}

void BottomPanel::memoEdited()
{
    if (m_rendering)
        return;
    m_inMemoEdit = true;
    m_session.SetMemoText(memoToProgram(m_memo->toPlainText()));
    m_inMemoEdit = false;
}

void BottomPanel::syncMemo()
{
    const QString memo = memoFromProgram(m_session.view().memo);
    if (m_memo->toPlainText() == memo)
        return;
    if (m_inMemoEdit) {
        // The box is still inside its own change notification (a memo word empties it).
        QTimer::singleShot(0, this, &BottomPanel::syncMemo);
        return;
    }
    m_rendering = true;
    m_memo->setPlainText(memo);
    m_rendering = false;
}

void BottomPanel::render()
{
    const EditorView &view = m_session.view();
    m_tabs->render();
    m_property->render();
    m_tray->render();
    m_buttons->render();

    const QString message = memoFromProgram(view.messageText);
    if (m_message->text() != message)
        m_message->setText(message);
    if (m_messageBackground != view.messageBackground) {
        m_messageBackground = view.messageBackground;
        QPalette palette = m_message->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(view.messageBackground));
        palette.setColor(QPalette::WindowText, Qt::black);
        m_message->setPalette(palette);
    }

    syncMemo();
}

} // namespace zuvo
