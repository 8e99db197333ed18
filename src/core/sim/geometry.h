#pragma once
// Plane geometry of the simulator's world, in centimetres: x to the east, y to the south (the
// way the course is drawn), angles clockwise from the east.

#include <QLineF>
#include <QList>
#include <QPointF>
#include <array>

namespace zuvo::sim {

using Quad = std::array<QPointF, 4>; // corners in order around the shape

double Dot(QPointF a, QPointF b);
double Length(QPointF v);
// The unit vector of heading `radians`.
QPointF Direction(double radians);
// `local` (x forward, y to the right) seen from a body at `origin` facing `radians`.
QPointF ToWorld(QPointF origin, double radians, QPointF local);
// The inverse of ToWorld.
QPointF ToLocal(QPointF origin, double radians, QPointF world);

QPointF ClosestPointOnSegment(QPointF p, const QLineF &segment);
double DistanceToSegment(QPointF p, const QLineF &segment);
bool SegmentsIntersect(const QLineF &s, const QLineF &t);
double SegmentDistance(const QLineF &s, const QLineF &t);
// Distance from p to the polyline through `points` (infinite for fewer than two points).
double DistanceToPolyline(QPointF p, const QList<QPointF> &points);

bool InsideConvexQuad(QPointF p, const Quad &quad);
// True when the segment touches the quad's edges or lies inside it.
bool SegmentHitsQuad(const QLineF &segment, const Quad &quad);

// Angle in radians, folded into -pi .. pi.
double NormalizedAngle(double radians);

} // namespace zuvo::sim
