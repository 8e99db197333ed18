#include "sim/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zuvo::sim {

double Dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

double Length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

QPointF Direction(double radians)
{
    return QPointF(std::cos(radians), std::sin(radians));
}

QPointF ToWorld(QPointF origin, double radians, QPointF local)
{
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return origin + QPointF(local.x() * c - local.y() * s, local.x() * s + local.y() * c);
}

QPointF ToLocal(QPointF origin, double radians, QPointF world)
{
    const QPointF d = world - origin;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return QPointF(d.x() * c + d.y() * s, -d.x() * s + d.y() * c);
}

QPointF ClosestPointOnSegment(QPointF p, const QLineF &segment)
{
    const QPointF a = segment.p1();
    const QPointF ab = segment.p2() - a;
    const double lengthSquared = Dot(ab, ab);
    if (lengthSquared <= 0)
        return a;
    const double t = std::clamp(Dot(p - a, ab) / lengthSquared, 0.0, 1.0);
    return a + ab * t;
}

double DistanceToSegment(QPointF p, const QLineF &segment)
{
    return Length(p - ClosestPointOnSegment(p, segment));
}

namespace {

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

int side(QPointF a, QPointF b, QPointF p)
{
    const double c = cross(b - a, p - a);
    return c > 0 ? 1 : (c < 0 ? -1 : 0);
}

bool onSegment(QPointF a, QPointF b, QPointF p)
{
    return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x())
        && std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
}

} // namespace

bool SegmentsIntersect(const QLineF &s, const QLineF &t)
{
    const QPointF a = s.p1(), b = s.p2(), c = t.p1(), d = t.p2();
    const int d1 = side(c, d, a), d2 = side(c, d, b), d3 = side(a, b, c), d4 = side(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b))
        || (d3 == 0 && onSegment(a, b, c)) || (d4 == 0 && onSegment(a, b, d));
}

double SegmentDistance(const QLineF &s, const QLineF &t)
{
    if (SegmentsIntersect(s, t))
        return 0;
    return std::min({DistanceToSegment(s.p1(), t), DistanceToSegment(s.p2(), t),
                     DistanceToSegment(t.p1(), s), DistanceToSegment(t.p2(), s)});
}

double DistanceToPolyline(QPointF p, const QList<QPointF> &points)
{
    double best = std::numeric_limits<double>::infinity();
    for (qsizetype i = 1; i < points.size(); ++i)
        best = std::min(best, DistanceToSegment(p, QLineF(points[i - 1], points[i])));
    return best;
}

bool InsideConvexQuad(QPointF p, const Quad &quad)
{
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        const int s = side(quad[i], quad[(i + 1) % 4], p);
        if (s == 0)
            continue;
        if (sign == 0)
            sign = s;
        else if (s != sign)
            return false;
    }
    return true;
}

bool SegmentHitsQuad(const QLineF &segment, const Quad &quad)
{
    if (InsideConvexQuad(segment.p1(), quad) || InsideConvexQuad(segment.p2(), quad))
        return true;
    for (int i = 0; i < 4; ++i) {
        if (SegmentsIntersect(segment, QLineF(quad[i], quad[(i + 1) % 4])))
            return true;
    }
    return false;
}

double NormalizedAngle(double radians)
{
    constexpr double pi = std::numbers::pi;
    double a = std::fmod(radians + pi, 2 * pi);
    if (a < 0)
        a += 2 * pi;
    return a - pi;
}

} // namespace zuvo::sim
