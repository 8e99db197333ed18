#include "editor/debugpanel.h"

#include "session/editorsession.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zuvo {

DebugPanel::DebugPanel(EditorSession &session, QWidget *editorWindow)
    : QWidget(editorWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_session(session)
{
    setObjectName(QStringLiteral("DebugPanel"));
    setWindowTitle(QStringLiteral("Debag"));
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (int i = 0; i < 11; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text"));
        box->setProperty("index", i);
        box->setReadOnly(true);
        box->setMinimumWidth(110);
        layout->addWidget(box, i / 2, i % 2);
        m_texts[i] = box;
    }
    m_debugButton = new QPushButton(QStringLiteral("Debag"), this);
    m_debugButton->setObjectName(QStringLiteral("デバッグ"));
    m_compactButton = new QPushButton(QStringLiteral("前詰"), this);
    m_compactButton->setObjectName(QStringLiteral("前詰め"));
    layout->addWidget(m_debugButton, 6, 0);
    layout->addWidget(m_compactButton, 6, 1);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setMinimumSize(420, 260);
    QFont fixed = m_list->font();
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFamily(QStringLiteral("IPAGothic"));
    m_list->setFont(fixed);
    m_list->hide();
    layout->addWidget(m_list, 7, 0, 1, 2);

    connect(m_debugButton, &QPushButton::clicked, this, [this] { m_session.DebugViewStep(); });
    connect(m_compactButton, &QPushButton::clicked, this, [this] { m_session.CompactIconSlots(); });
    hide();
}

void DebugPanel::render()
{
    const EditorView &view = m_session.view();
    if (!view.debugPanelVisible && !view.debugListVisible) {
        if (isVisible())
            hide();
        return;
    }
    for (int i = 0; i < 11; ++i) {
        if (m_texts[i]->text() != view.debugTexts[i])
            m_texts[i]->setText(view.debugTexts[i]);
        m_texts[i]->setVisible(view.debugPanelVisible);
    }
    m_debugButton->setVisible(view.debugPanelVisible);
    m_compactButton->setVisible(view.debugPanelVisible);

    QStringList shown;
    for (int i = 0; i < m_list->count(); ++i)
        shown << m_list->item(i)->text();
    if (shown != view.debugList) {
        m_list->clear();
        m_list->addItems(view.debugList);
    }
    m_list->setVisible(view.debugListVisible);
    if (!isVisible()) {
        adjustSize();
        if (QWidget *editor = parentWidget())
            move(editor->frameGeometry().topRight() + QPoint(8, 0));
        show();
    }
}

} // namespace zuvo
