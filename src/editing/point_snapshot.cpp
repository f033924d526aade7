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

// The points the shape has take the snapshot's values in place, so that restoring the
// shape's own snapshot changes nothing and a pointer to one of its points stays good.
void PointSnapshot::restoreInto(GShape& shape) const {
  while (static_cast<size_t>(shape.pointCount()) > points_.size()) shape.deletePoint(shape.last());
  size_t at = 0;
  for (GPoint* p = shape.first(); p; p = shape.next(), ++at) {
    const Point& value = points_[at];
    p->x = value.x;
    p->y = value.y;
    p->isVirtual = value.isVirtual;
    p->selected = value.selected;
  }
  for (; at < points_.size(); ++at) {
    const Point& value = points_[at];
    GPoint point(value.x, value.y, value.isVirtual);
    point.selected = value.selected;
    shape.appendPoint(point);
  }
}

bool PointSnapshot::samePath(const PointSnapshot& other) const {
  return std::equal(points_.begin(), points_.end(), other.points_.begin(), other.points_.end(),
                    [](const Point& a, const Point& b) {
                      return a.x == b.x && a.y == b.y && a.isVirtual == b.isVirtual;
                    });
}
