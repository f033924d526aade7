#include "drafting/geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

void keepFarthest(const Polyline& line, size_t from, size_t to, double tolerance,
                  std::vector<bool>& keep) {
  if (to <= from + 1) return;
  double farthest = -1;
  size_t at = from;
  for (size_t i = from + 1; i < to; ++i) {
    const double d = distanceToSegment(line[i], line[from], line[to]);
    if (d > farthest) {
      farthest = d;
      at = i;
    }
  }
  if (farthest <= tolerance) return;
  keep[at] = true;
  keepFarthest(line, from, at, tolerance, keep);
  keepFarthest(line, at, to, tolerance, keep);
}

}  // namespace

double pathLength(const Polyline& line) {
  double sum = 0;
  for (size_t i = 1; i < line.size(); ++i) sum += length(line[i] - line[i - 1]);
  return sum;
}

PointF pointAlong(const Polyline& line, double distance) {
  for (size_t i = 1; i < line.size(); ++i) {
    const double step = length(line[i] - line[i - 1]);
    if (step >= distance && step > 0)
      return line[i - 1] + (line[i] - line[i - 1]) * (distance / step);
    distance -= step;
  }
  return line.back();
}

double distanceToSegment(PointF p, PointF a, PointF b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double squaredDistanceToLine(PointF p, const Polyline& line) {
  if (line.size() == 1)
    return (p.x - line[0].x) * (p.x - line[0].x) + (p.y - line[0].y) * (p.y - line[0].y);
  double least = std::numeric_limits<double>::max();
  for (size_t i = 1; i < line.size(); ++i) {
    const PointF a = line[i - 1];
    const double dx = line[i].x - a.x, dy = line[i].y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
    const double ex = p.x - a.x - t * dx, ey = p.y - a.y - t * dy;
    least = std::min(least, ex * ex + ey * ey);
  }
  return least;
}

Polyline simplified(const Polyline& line, double tolerance) {
  if (line.size() < 3) return line;
  std::vector<bool> keep(line.size(), false);
  keep.front() = keep.back() = true;
  if (length(line.front() - line.back()) < 1e-9) {
    // A closed line: first split at the point farthest from its start.
    size_t far = 0;
    for (size_t i = 1; i < line.size(); ++i)
      if (length(line[i] - line[0]) > length(line[far] - line[0])) far = i;
    keep[far] = true;
    keepFarthest(line, 0, far, tolerance, keep);
    keepFarthest(line, far, line.size() - 1, tolerance, keep);
  } else {
    keepFarthest(line, 0, line.size() - 1, tolerance, keep);
  }
  Polyline out;
  for (size_t i = 0; i < line.size(); ++i)
    if (keep[i]) out.push_back(line[i]);
  return out;
}

GridStroke onWholeUnits(const Polyline& line) {
  GridStroke stroke;
  for (const PointF& p : line) {
    const GridPoint q{static_cast<int32_t>(std::lround(p.x)),
                      static_cast<int32_t>(std::lround(p.y))};
    if (!stroke.empty() && stroke.back().x == q.x && stroke.back().y == q.y) continue;
    stroke.push_back(q);
  }
  return stroke;
}
