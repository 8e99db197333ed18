#include "editor/scrollstrips.h"

#include "editor/editorlayout.h"
#include "session/editorsession.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

namespace zuvo {

namespace {

QLabel *coordinateBox(QWidget *strip, const QString &name)
{
    auto *box = new QLabel(strip);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    box->setPalette(palette);
    QFont small = box->font();
    small.setPixelSize(10);
    box->setFont(small);
    box->setAccessibleDescription(name == u"横座標" ? QStringLiteral(u"列")
                                                    : QStringLiteral(u"行"));
    return box;
}

QScrollBar *scrollBar(Qt::Orientation orientation, QWidget *strip, const QString &name)
{
    auto *bar = new QScrollBar(orientation, strip);
    bar->setObjectName(name);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setRange(0, 0);
    bar->setAccessibleName(orientation == Qt::Horizontal ? QStringLiteral(u"横スクロール")
                                                         : QStringLiteral(u"縦スクロール"));
    return bar;
}

} // namespace

ScrollStrips::ScrollStrips(EditorSession &session, QWidget *client)
    : QObject(client)
    , m_session(session)
{
    m_frame4 = new QFrame(client);
    m_frame4->setObjectName(QStringLiteral("Frame4"));
    m_frame3 = new QFrame(client);
    m_frame3->setObjectName(QStringLiteral("Frame3"));

    m_topLeft = addJump(m_frame4, QStringLiteral("左上"), QStringLiteral("┏"),
                        &EditorSession::JumpTopLeft);
    m_left
        = addJump(m_frame4, QStringLiteral("左TOP"), QStringLiteral("←"), &EditorSession::JumpLeft);
    m_hScroll = scrollBar(Qt::Horizontal, m_frame4, QStringLiteral("HScroll1"));
    m_right = addJump(m_frame4, QStringLiteral("右TOP"), QStringLiteral("→"),
                      &EditorSession::JumpRight);
    m_columnBox = coordinateBox(m_frame4, QStringLiteral("横座標"));

    m_top
        = addJump(m_frame3, QStringLiteral("上TOP"), QStringLiteral("↑"), &EditorSession::JumpTop);
    m_vScroll = scrollBar(Qt::Vertical, m_frame3, QStringLiteral("VScroll1"));
    m_bottom = addJump(m_frame3, QStringLiteral("下TOP"), QStringLiteral("↓"),
                       &EditorSession::JumpBottom);
    m_rowBox = coordinateBox(m_frame3, QStringLiteral("縦座標"));
    m_bottomRight = addJump(m_frame3, QStringLiteral("右下"), QStringLiteral("┛"),
                            &EditorSession::JumpBottomRight);

    connect(m_hScroll, &QScrollBar::valueChanged, this, &ScrollStrips::barsMoved);
    connect(m_vScroll, &QScrollBar::valueChanged, this, &ScrollStrips::barsMoved);
}

QToolButton *ScrollStrips::addJump(QWidget *strip, const QString &name, const QString &caption,
                                   void (EditorSession::*operation)())
{
    auto *button = new QToolButton(strip);
    button->setObjectName(name);
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    // Said in words, not by the arrow drawn on it.
    static const QHash<QString, QString> spoken {
        {QStringLiteral(u"左上"), QStringLiteral(u"左上のすみへ")},
        {QStringLiteral(u"左TOP"), QStringLiteral(u"左はしへ")},
        {QStringLiteral(u"右TOP"), QStringLiteral(u"右はしへ")},
        {QStringLiteral(u"上TOP"), QStringLiteral(u"上はしへ")},
        {QStringLiteral(u"下TOP"), QStringLiteral(u"下はしへ")},
        {QStringLiteral(u"右下"), QStringLiteral(u"右下のすみへ")},
    };
    button->setAccessibleName(spoken.value(name));
    QFont small = button->font();
    small.setPixelSize(11);
    button->setFont(small);
    connect(button, &QToolButton::clicked, this, [this, operation] {
        (m_session.*operation)();
        emit jumped();
    });
    return button;
}

void ScrollStrips::applyGeometry(const EditorGeometry &g)
{
    m_frame4->setGeometry(g.horizontalStrip);
    m_frame3->setGeometry(g.verticalStrip);
    m_topLeft->setGeometry(g.jumpTopLeft);
    m_left->setGeometry(g.jumpLeft);
    m_hScroll->setGeometry(g.horizontalBar);
    m_right->setGeometry(g.jumpRight);
    m_columnBox->setGeometry(g.columnBox);
    m_top->setGeometry(g.jumpTop);
    m_vScroll->setGeometry(g.verticalBar);
    m_bottom->setGeometry(g.jumpBottom);
    m_rowBox->setGeometry(g.rowBox);
    m_bottomRight->setGeometry(g.jumpBottomRight);
}

void ScrollStrips::barsMoved()
{
    if (m_rendering)
        return;
    m_session.SetScroll(m_hScroll->value(), m_vScroll->value());
}

void ScrollStrips::render()
{
    const EditorView &view = m_session.view();
    const ScrollView &s = view.scroll;
    m_rendering = true;
    m_hScroll->setRange(0, std::max(0, s.hMax));
    m_vScroll->setRange(0, std::max(0, s.vMax));
    m_hScroll->setSingleStep(std::max(1, s.smallChange));
    m_vScroll->setSingleStep(std::max(1, s.smallChange));
    m_hScroll->setPageStep(std::max(1, s.hLargeChange));
    m_vScroll->setPageStep(std::max(1, s.vLargeChange));
    m_hScroll->setValue(s.hValue);
    m_vScroll->setValue(s.vValue);
    m_rendering = false;
    if (m_columnBox->text() != view.columnBoxText)
        m_columnBox->setText(view.columnBoxText);
    if (m_rowBox->text() != view.rowBoxText)
        m_rowBox->setText(view.rowBoxText);
}

} // namespace zuvo
