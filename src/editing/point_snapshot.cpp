#include "editing/point_snapshot.h"

#include <algorithm>

#include "model/shape.h"

PointSnapshot PointSnapshot::of(const GShape& shape) {
  PointSnapshot snapshot;
  snapshot.points_.reserve(static_cast<size_t>(shape.pointCount()));
  for (int i = 0; i < shape.pointCount(); ++i) {
    const GPoint* p = shape.pointAtIndex(i);
    snapshot.points_.push_back({p->x, p->y, p->isVirtual, p->selected});
  }
  return snapshot;
}

void PointSnapshot::restoreInto(GShape& shape) const {
  shape.deleteAll();
  for (const Point& p : points_) {
    GPoint point(p.x, p.y, p.isVirtual);
    point.selected = p.selected;
    shape.appendPoint(point);
  }
}

bool PointSnapshot::samePath(const PointSnapshot& other) const {
  return std::equal(points_.begin(), points_.end(), other.points_.begin(), other.points_.end(),
                    [](const Point& a, const Point& b) {
                      return a.x == b.x && a.y == b.y && a.isVirtual == b.isVirtual;
                    });
}
