#pragma once
// The two scroll strips beside the program area: Frame4 (┏ ← HScroll1 → 横座標) below it and
// Frame3 (↑ VScroll1 ↓ 縦座標 ┛) to its right. The bars mirror the session's scroll state and
// report the user's scrolling; the jump buttons call the jump operations.

#include <QObject>

class QLabel;
class QScrollBar;
class QToolButton;
class QWidget;

namespace zuvo {

class EditorSession;
struct EditorGeometry;

class ScrollStrips : public QObject
{
    Q_OBJECT
public:
    ScrollStrips(EditorSession &session, QWidget *client);

    void applyGeometry(const EditorGeometry &geometry);
    void render();

    QWidget *horizontalStrip() const { return m_frame4; }
    QWidget *verticalStrip() const { return m_frame3; }
    QScrollBar *horizontalBar() const { return m_hScroll; }
    QScrollBar *verticalBar() const { return m_vScroll; }

signals:
    // A jump button was pressed (the drawing surface takes the focus, even when nothing moved).
    void jumped();

private:
    QToolButton *addJump(QWidget *strip, const QString &name, const QString &caption,
                         void (EditorSession::*operation)());
    void barsMoved();

    EditorSession &m_session;
    QWidget *m_frame4 = nullptr;
    QWidget *m_frame3 = nullptr;
    QToolButton *m_topLeft = nullptr;
    QToolButton *m_left = nullptr;
    QToolButton *m_right = nullptr;
    QToolButton *m_top = nullptr;
    QToolButton *m_bottom = nullptr;
    QToolButton *m_bottomRight = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    QLabel *m_columnBox = nullptr;
    QLabel *m_rowBox = nullptr;
    bool m_rendering = false;
};

} // namespace zuvo
