#pragma once
// One icon picture Drow(s) on the drawing surface: the grid picture of its icon with the three
// value labels D1, D2, D3 painted on it. Mouse and keys go to the session as events of icon
// slot s.

#include "picture/gridpainter.h"
#include "session/editorstate.h"

#include <QWidget>
#include <array>

namespace zuvo {

class EditorSession;

class IconPictureWidget : public QWidget
{
    Q_OBJECT
public:
    // Value label places inside the picture: D1 top right, D2 bottom right, D3 bottom left.
    static constexpr const std::array<QRect, 3> &LabelRects = ValueLabelRects;

    IconPictureWidget(EditorSession &session, int slot, QWidget *surface);

    int slot() const { return m_slot; }
    int iconCode() const { return m_code; }
    const std::array<ValueLabelView, 3> &labels() const { return m_labels; }

    // Brings the picture in line with the session's view of it. position is where it stands
    // (the dragged picture follows the pointer).
    void render(const IconPictureView &picture, const std::array<ValueLabelView, 3> &labels,
                QPoint position);

signals:
    // A press reached the picture: the drawing surface takes the keyboard focus.
    void wantsFocus();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    EditorSession &m_session;
    int m_slot;
    int m_code = -1;
    std::array<ValueLabelView, 3> m_labels {};
};

} // namespace zuvo
