#include "editor/slottabs.h"

#include "session/editorsession.h"

#include <QColor>
#include <QMouseEvent>
#include <QPushButton>

namespace zuvo {

const QColor SlotTabs::TabColour(194, 229, 242);
const QColor SlotTabs::CurrentTabColour(23, 157, 217);

namespace {

QString tabStyle(const QColor &background)
{
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #7a9fb0;"
                          " padding: 0px; color: black; }")
        .arg(background.name());
}

} // namespace

SlotTabs::SlotTabs(EditorSession &session, QWidget *bottomPanel)
    : QObject(bottomPanel)
    , m_session(session)
    , m_panel(bottomPanel)
{
    for (int k = 0; k < 4; ++k) {
        auto *tab = new QPushButton(bottomPanel);
        tab->setObjectName(QStringLiteral("プログラム"));
        tab->setProperty("index", k);
        tab->setFocusPolicy(Qt::NoFocus);
        tab->setGeometry(8 + 192 * k, 0, k == 3 ? 201 : 193, 17);
        tab->installEventFilter(this);
        connect(tab, &QPushButton::clicked, this, [this, k] {
            m_session.SwitchSlot(k);
            emit tabClicked();
        });
        m_tabs[k] = tab;
    }
}

int SlotTabs::tabUnder(QPoint panelPosition) const
{
    for (int k = 0; k < 4; ++k) {
        if (m_tabs[k]->geometry().contains(panelPosition))
            return k;
    }
    return -1;
}

bool SlotTabs::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto *tab = static_cast<QWidget *>(watched);
        auto *move = static_cast<QMouseEvent *>(event);
        if (move->buttons() & Qt::RightButton) {
            // The tab pressed keeps the pointer; the tab under it is the one to copy onto.
            const int k = tabUnder(tab->mapToParent(move->position().toPoint()));
            if (k >= 0)
                m_session.CopySlotTo(k);
        }
    }
    return QObject::eventFilter(watched, event);
}

void SlotTabs::render()
{
    const EditorView &view = m_session.view();
    const int current = m_session.state().CurrentSlot;
    for (int k = 0; k < 4; ++k) {
        if (m_tabs[k]->text() != view.tabCaptions[k])
            m_tabs[k]->setText(view.tabCaptions[k]);
        const int isCurrent = k == current ? 1 : 0;
        if (m_shownCurrent[k] != isCurrent) {
            m_shownCurrent[k] = isCurrent;
            m_tabs[k]->setStyleSheet(tabStyle(isCurrent ? CurrentTabColour : TabColour));
        }
    }
}

} // namespace zuvo
