#include "sim/course.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zuvo::sim {

namespace {

void addBox(Course &course, const QRectF &box)
{
    course.walls << QLineF(box.topLeft(), box.topRight())
                 << QLineF(box.topRight(), box.bottomRight())
                 << QLineF(box.bottomRight(), box.bottomLeft())
                 << QLineF(box.bottomLeft(), box.topLeft());
}

Course floorWithBoundary(int number, const QString &name, QSizeF size)
{
    Course course;
    course.number = number;
    course.name = name;
    course.size = size;
    addBox(course, QRectF(QPointF(0, 0), size));
    return course;
}

// Adds the points of an arc around `centre`, from `from` to `to` degrees (clockwise from east).
void appendArc(QList<QPointF> &points, QPointF centre, double radius, double from, double to)
{
    const int steps = int(std::ceil(std::abs(to - from) / 5));
    for (int i = 0; i <= steps; ++i) {
        const double degrees = from + (to - from) * i / steps;
        const double radians = degrees * std::numbers::pi / 180;
        points << centre + QPointF(radius * std::cos(radians), radius * std::sin(radians));
    }
}

Course moving()
{
    Course course = floorWithBoundary(1, QStringLiteral(u"移動する"), QSizeF(360, 240));
    course.starts << StartPlace {QStringLiteral(u"スタート"), {QPointF(40, 120), 0}};
    return course;
}

Course touching()
{
    Course course = floorWithBoundary(2, QStringLiteral(u"タッチセンサを使う"), QSizeF(240, 180));
    course.walls << QLineF(130, 50, 130, 130) // straight ahead of the start
                 << QLineF(180, 20, 225, 65) // a slanted wall in the corner
                 << QLineF(40, 150, 100, 150);
    course.starts << StartPlace {QStringLiteral(u"スタート"), {QPointF(60, 90), 0}};
    return course;
}

Course lighting()
{
    Course course = floorWithBoundary(3, QStringLiteral(u"光センサを使う"), QSizeF(240, 180));
    course.hasBall = true;
    course.ball = QPointF(200, 40);
    course.starts << StartPlace {QStringLiteral(u"スタート"), {QPointF(60, 90), 0}};
    return course;
}

Course counting()
{
    Course course = floorWithBoundary(4, QStringLiteral(u"変数を使う"), QSizeF(240, 180));
    course.showsVariables = true;
    course.starts << StartPlace {QStringLiteral(u"スタート"), {QPointF(120, 90), 0}};
    return course;
}

// Three areas side by side: a line to trace, a maze, and a black mat with the light ball.
Course competing()
{
    Course course = floorWithBoundary(5, QStringLiteral(u"競技する"), QSizeF(660, 300));
    course.walls << QLineF(220, 0, 220, 300) << QLineF(440, 0, 440, 300);

    // An oval, driven clockwise: top straight eastwards, down the right bend, back along the
    // bottom and up the left bend.
    QList<QPointF> oval;
    oval << QPointF(70, 100);
    appendArc(oval, QPointF(150, 150), 50, -90, 90);
    appendArc(oval, QPointF(70, 150), 50, 90, 270);
    course.lines << oval;

    // The maze: the way from the start at the bottom right to the goal at the top right
    // goes round the far end of a long wall.
    course.walls << QLineF(290, 150, 440, 150);
    course.goal = QRectF(360, 10, 70, 70);

    course.darkMats << QRectF(440, 0, 220, 300);
    course.hasBall = true;
    course.ball = QPointF(600, 80);

    course.starts << StartPlace {QStringLiteral(u"ライン"), {QPointF(90, 100), 0}}
                  << StartPlace {QStringLiteral(u"迷路"), {QPointF(400, 250), -90}}
                  << StartPlace {QStringLiteral(u"ボール"), {QPointF(490, 220), 0}};
    return course;
}

} // namespace

const QList<Course> &ReadyCourses()
{
    static const QList<Course> courses {moving(), touching(), lighting(), counting(), competing()};
    return courses;
}

const Course &ReadyCourse(int number)
{
    if (number < 1 || number > CourseCount)
        throw std::out_of_range("no such course");
    return ReadyCourses().at(number - 1);
}

} // namespace zuvo::sim
