#include "simulator/courseview.h"

#include "sim/robotbody.h"
#include "sim/simulation.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace zuvo::sim {

namespace {

constexpr double Margin = 8; // pixels round the floor
const QColor WallColour(0x5a, 0x46, 0x32);
const QColor BodyColour(0x2e, 0x7b, 0xd6);
const QColor DarkRoomShade(20, 24, 48, 120);

} // namespace

CourseView::CourseView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral(u"コース表示"));
    setAccessibleName(QStringLiteral(u"コース"));
    setAccessibleDescription(
        QStringLiteral(u"ロボットが走るコース。光のボールはマウスで動かせます"));
    setMouseTracking(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CourseView::setSimulation(const Simulation *simulation)
{
    m_simulation = simulation;
    update();
}

void CourseView::setTrail(const QList<QPointF> &trail)
{
    m_trail = trail;
    update();
}

QTransform CourseView::courseToWidget() const
{
    if (!m_simulation)
        return QTransform();
    const QSizeF floor = m_simulation->world().course().size;
    const double scale = std::max(
        0.01,
        std::min((width() - 2 * Margin) / floor.width(), (height() - 2 * Margin) / floor.height()));
    const double left = (width() - floor.width() * scale) / 2;
    const double top = (height() - floor.height() * scale) / 2;
    return QTransform(scale, 0, 0, scale, left, top);
}

QPointF CourseView::toCourse(QPointF widgetPoint) const
{
    return courseToWidget().inverted().map(widgetPoint);
}

void CourseView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_simulation)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const World &world = m_simulation->world();
    const Course &course = world.course();
    const QTransform transform = courseToWidget();
    const double scale = transform.m11();
    painter.setTransform(transform);

    // The floor, its black mats and lines, the goal.
    painter.fillRect(QRectF(QPointF(0, 0), course.size), Qt::white);
    for (const QRectF &mat : course.darkMats)
        painter.fillRect(mat, QColor(0x18, 0x18, 0x18));
    QPen linePen(Qt::black, course.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(linePen);
    for (const QList<QPointF> &line : course.lines)
        painter.drawPolyline(line.constData(), int(line.size()));
    if (!course.goal.isEmpty()) {
        painter.setPen(QPen(QColor(0x2e, 0xa0, 0x4a), 1.5, Qt::DashLine));
        painter.setBrush(QColor(0x2e, 0xa0, 0x4a, 50));
        painter.drawRect(course.goal);
        QFont font = painter.font();
        font.setPixelSize(std::max(1, int(std::lround(course.goal.height() / 4))));
        painter.setFont(font);
        painter.drawText(course.goal, Qt::AlignCenter, QStringLiteral(u"ゴール"));
    }

    // The room's light: a dark room is drawn dim, the LED's patch of light stays bright.
    if (!world.roomLightOn())
        painter.fillRect(QRectF(QPointF(0, 0), course.size), DarkRoomShade);

    // The path driven so far.
    if (m_trail.size() > 1) {
        painter.setPen(QPen(QColor(0x2e, 0x7b, 0xd6, 140), 1.5 / scale));
        painter.drawPolyline(m_trail.constData(), int(m_trail.size()));
    }

    // Walls.
    painter.setPen(QPen(WallColour, std::max(2.0, 3 / scale), Qt::SolidLine, Qt::RoundCap));
    for (const QLineF &wall : course.walls)
        painter.drawLine(wall);

    // The light ball, with its glow.
    if (world.hasBall()) {
        const QPointF ball = world.ball();
        QRadialGradient glow(ball, BallRadius * 4);
        glow.setColorAt(0, QColor(255, 236, 120, 200));
        glow.setColorAt(1, QColor(255, 236, 120, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(ball, BallRadius * 4, BallRadius * 4);
        painter.setBrush(QColor(0xff, 0xd4, 0x2a));
        painter.setPen(QPen(QColor(0xc0, 0x90, 0x00), 0.6));
        painter.drawEllipse(ball, BallRadius, BallRadius);
    }

    // The robot, drawn on its own axes: x forward, y to the right.
    painter.save();
    painter.translate(world.position());
    painter.rotate(world.headingRadians() * 180 / M_PI);
    if (world.ledOn()) {
        QRadialGradient led(QPointF(LightSpotAhead, 0), 6);
        led.setColorAt(0, QColor(255, 250, 190, 230));
        led.setColorAt(1, QColor(255, 250, 190, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(led);
        painter.drawEllipse(QPointF(LightSpotAhead, 0), 6, 6);
    }
    const QRectF body(BodyRear, -BodyHalfWidth, BodyFront - BodyRear, 2 * BodyHalfWidth);
    painter.setPen(QPen(BodyColour.darker(150), 0.5));
    painter.setBrush(BodyColour);
    painter.drawRoundedRect(body, 2, 2);
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.setPen(Qt::NoPen);
    for (double side : {-1.0, 1.0})
        painter.drawRoundedRect(QRectF(-3, side * TrackWidth / 2 - 1.2, 6, 2.4), 0.8, 0.8);
    // Heading arrow.
    painter.setBrush(Qt::white);
    QPainterPath arrow;
    arrow.moveTo(6, 0);
    arrow.lineTo(0, -3);
    arrow.lineTo(0, 3);
    arrow.closeSubpath();
    painter.drawPath(arrow);
    // Touch levers, red while pressed.
    for (int sensor = 0; sensor < 2; ++sensor) {
        const bool pressed = m_simulation->touchPressed(sensor);
        painter.setPen(QPen(pressed ? QColor(0xe0, 0x30, 0x30) : QColor(0x90, 0x90, 0x90), 1.2,
                            Qt::SolidLine, Qt::RoundCap));
        const QLineF lever = TouchLever(sensor);
        painter.drawLine(lever.translated(0.8, 0));
    }
    // Light sensor spots, yellow while they see light.
    for (int sensor = 0; sensor < 2; ++sensor) {
        const bool light = m_simulation->lightDetected(sensor);
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.4));
        painter.setBrush(light ? QColor(0xff, 0xe0, 0x30) : QColor(0x50, 0x50, 0x60));
        painter.drawEllipse(LightSpot(sensor), 1.1, 1.1);
    }
    painter.restore();
}

void CourseView::mousePressEvent(QMouseEvent *event)
{
    if (!m_simulation || !m_simulation->world().hasBall() || event->button() != Qt::LeftButton)
        return;
    const QPointF at = toCourse(event->position());
    const QPointF ball = m_simulation->world().ball();
    if (std::hypot(at.x() - ball.x(), at.y() - ball.y()) <= BallRadius * 3) {
        m_draggingBall = true;
        setCursor(Qt::ClosedHandCursor);
    }
}

void CourseView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_draggingBall)
        emit ballMoved(toCourse(event->position()));
}

void CourseView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_draggingBall)
        return;
    m_draggingBall = false;
    unsetCursor();
    emit ballMoved(toCourse(event->position()));
}

} // namespace zuvo::sim
