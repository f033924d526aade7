#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class GShape;

// The points of a character as plain values: what an undo step keeps of the character it
// changes, before and after.
class PointSnapshot {
 public:
  static PointSnapshot of(const GShape& shape);
  // Gives the shape the snapshot's points with their selection, reusing its point objects.
  void restoreInto(GShape& shape) const;
  // The same places and pens in the same order; the selection does not count.
  bool samePath(const PointSnapshot& other) const;
  size_t size() const { return points_.size(); }

 private:
  struct Point {
    int32_t x, y;
    uint8_t isVirtual, selected;
  };
  std::vector<Point> points_;
};
