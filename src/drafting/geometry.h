#pragma once

#include <cmath>
#include <vector>

#include "drafting/drafted_glyph.h"

// A point in the plane: in grid units (y up) for drafted lines, in pixels (y down) while the
// centre lines are traced on a bitmap.
struct PointF {
  double x = 0, y = 0;
};
using Polyline = std::vector<PointF>;

inline PointF operator-(PointF a, PointF b) { return {a.x - b.x, a.y - b.y}; }
inline PointF operator+(PointF a, PointF b) { return {a.x + b.x, a.y + b.y}; }
inline PointF operator*(PointF a, double s) { return {a.x * s, a.y * s}; }
inline double length(PointF a) { return std::hypot(a.x, a.y); }

double pathLength(const Polyline& line);

// The point `distance` along the polyline from its first point (its last when too short).
PointF pointAlong(const Polyline& line, double distance);

double distanceToSegment(PointF p, PointF a, PointF b);
// The squared distance to the nearest point of the polyline (of its one point when it has one).
double squaredDistanceToLine(PointF p, const Polyline& line);
inline double distanceToLine(PointF p, const Polyline& line) {
  return std::sqrt(squaredDistanceToLine(p, line));
}

// The points of a polyline kept by Douglas-Peucker simplification within `tolerance`.
Polyline simplified(const Polyline& line, double tolerance);

// The line's points rounded to whole units, a point the same as the one before it dropped.
GridStroke onWholeUnits(const Polyline& line);
