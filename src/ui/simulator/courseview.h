#pragma once
// The course seen from above: floor, lines, walls, the goal, the light ball, the robot with its
// sensors and LED, and the path it has driven. A child drags the ball with the mouse.

#include <QList>
#include <QPointF>
#include <QTransform>
#include <QWidget>

namespace zuvo::sim {

class Simulation;

class CourseView : public QWidget
{
    Q_OBJECT
public:
    explicit CourseView(QWidget *parent = nullptr);

    // The simulation to draw; not owned. Null draws nothing.
    void setSimulation(const Simulation *simulation);
    // The robot's path so far, in centimetres.
    void setTrail(const QList<QPointF> &trail);

    // Course centimetres to widget pixels, for the current size.
    QTransform courseToWidget() const;

    QSize sizeHint() const override { return QSize(640, 420); }
    QSize minimumSizeHint() const override { return QSize(320, 220); }

signals:
    // The child put the ball at `position` (centimetres).
    void ballMoved(QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF toCourse(QPointF widgetPoint) const;

    const Simulation *m_simulation = nullptr;
    QList<QPointF> m_trail;
    bool m_draggingBall = false;
};

} // namespace zuvo::sim
