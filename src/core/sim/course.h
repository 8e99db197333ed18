#pragma once
// A course: the floor the robot runs on, its walls, black lines and black mats, the room light,
// the light ball and the places where the robot starts.

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace zuvo::sim {

struct Pose
{
    QPointF position; // the middle of the wheel axle, cm
    double heading = 0; // degrees clockwise from the east
};

struct StartPlace
{
    QString name;
    Pose pose;
};

struct Course
{
    int number = 0; // 1 .. 5, the sample step it belongs to
    QString name;
    QSizeF size; // the floor, cm, from (0, 0)
    QList<QLineF> walls;
    QList<QList<QPointF>> lines; // black lines drawn along these points
    double lineWidth = 5;
    QList<QRectF> darkMats; // black floor
    bool roomLightOn = true;
    QRectF goal; // a marked area to reach; empty for none
    bool hasBall = false;
    QPointF ball;
    QList<StartPlace> starts; // at least one
    bool showsVariables = false; // the window shows A-H large
};

constexpr int CourseCount = 5;

// The five ready courses, numbered 1 to 5.
const QList<Course> &ReadyCourses();
// Course 1 .. 5; throws std::out_of_range otherwise.
const Course &ReadyCourse(int number);

} // namespace zuvo::sim
