#pragma once

#include <ostream>
#include <vector>

#include "model/shape.h"

// A shape's path as plain values, for comparing paths.
struct PathPoint {
  int32_t x, y;
  bool isVirtual;
  bool operator==(const PathPoint&) const = default;
};

inline std::vector<PathPoint> pathOf(const GShape& shape) {
  std::vector<PathPoint> path;
  for (int i = 0; i < shape.pointCount(); ++i) {
    const GPoint* p = shape.pointAtIndex(i);
    path.push_back({p->x, p->y, p->isVirtual != 0});
  }
  return path;
}

inline void PrintTo(const PathPoint& p, std::ostream* os) {
  *os << "(" << p.x << "," << p.y << (p.isVirtual ? " virtual)" : " real)");
}
