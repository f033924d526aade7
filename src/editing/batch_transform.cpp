#include "editing/batch_transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/shape.h"
#include "shapefile/shpfile.h"

namespace {

// A copy of the shape (its code too) with another advance and the points given.
std::unique_ptr<GShape> rebuilt(const GShape& shape, uint16_t width,
                                const std::vector<GPoint>& points) {
  auto copy = std::make_unique<GShape>();
  copy->copyFrom(shape);
  copy->setCode(shape.code());
  if (!shape.hasList()) return copy;
  copy->reset(width, points.size());
  for (const GPoint& p : points) copy->appendPoint(p);
  return copy;
}

std::vector<GPoint> pointsOf(const GShape& shape) {
  std::vector<GPoint> points;
  points.reserve(static_cast<size_t>(shape.pointCount()));
  for (const GPoint& p : shape.points()) points.push_back(p);
  return points;
}

// To the nearest unit, halves upwards on both sides of the origin, so a shape keeps its size
// wherever it stands.
int32_t rounded(double v) {
  constexpr double limit = 1e9;  // far beyond any grid, yet an int32
  return static_cast<int32_t>(std::floor(std::clamp(v, -limit, limit) + 0.5));
}

// Every point moved by a function of its place: the whole batch, one shape each.
template <typename Move>
BatchResult moveEach(const std::vector<const GShape*>& shapes, Move move) {
  BatchResult result;
  result.after.reserve(shapes.size());
  for (const GShape* shape : shapes) {
    std::vector<GPoint> points = pointsOf(*shape);
    move(*shape, points, result);
    result.after.push_back(rebuilt(*shape, shape->width(), points));
  }
  return result;
}

}  // namespace

BatchResult::BatchResult() = default;
BatchResult::BatchResult(BatchResult&&) noexcept = default;
BatchResult& BatchResult::operator=(BatchResult&&) noexcept = default;
BatchResult::~BatchResult() = default;

GridRange GridRange::of(const GShpFile& file) {
  return {file.above() + file.below(), file.above(), file.below()};
}

std::vector<const GShape*> shapesOf(const GShpFile& file) {
  std::vector<const GShape*> shapes;
  shapes.reserve(static_cast<size_t>(file.shapeCount()));
  for (int i = 0; i < file.shapeCount(); ++i) shapes.push_back(file.shapeAtIndex(i));
  return shapes;
}

void applyToFile(GShpFile& file, const BatchResult& result) {
  for (size_t i = 0; i < result.after.size(); ++i)
    file.shapeAtIndex(static_cast<int>(i))->copyFrom(*result.after[i]);
}

InkBox inkBoxOf(const GShape& shape) {
  InkBox box;
  auto take = [&box](int32_t x, int32_t y) {
    if (box.empty) {
      box = {false, x, x, y, y};
      return;
    }
    box.left = std::min(box.left, x);
    box.right = std::max(box.right, x);
    box.bottom = std::min(box.bottom, y);
    box.top = std::max(box.top, y);
  };
  int32_t px = 0, py = 0;
  for (const GPoint& p : shape.points()) {
    if (!p.isVirtual) {
      take(px, py);
      take(p.x, p.y);
    }
    px = p.x;
    py = p.y;
  }
  return box;
}

BatchResult transformShapes(const std::vector<const GShape*>& shapes, const Transform& t,
                            const GridRange& range, OutOfRange choice) {
  const double sx = t.scaleXPercent / 100, sy = t.scaleYPercent / 100;
  const double slant = std::tan(t.slantDegrees * std::numbers::pi / 180);
  const auto move = [&](const GShape& shape, std::vector<GPoint>& points, BatchResult& result) {
    double ox = 0, oy = 0;
    if (t.origin == Transform::Origin::CellMiddle) {
      ox = shape.width() / 2.0;
      oy = (range.top() - range.below) / 2.0;
    }
    bool leaves = false;
    for (GPoint& p : points) {
      const double x = ox + (p.x - ox) * sx, y = oy + (p.y - oy) * sy;
      int32_t nx = rounded(x + (y - oy) * slant + t.dx), ny = rounded(y + t.dy);
      if (!range.contains(nx, ny) && range.contains(p.x, p.y)) {
        leaves = true;
        if (choice == OutOfRange::Clamp) {
          nx = std::clamp(nx, 0, range.right());
          ny = std::clamp(ny, -range.below, range.top());
        }
      }
      p.x = nx;
      p.y = ny;
    }
    if (leaves) result.outOfRange.push_back(shape.code());
  };
  return moveEach(shapes, move);
}

BatchResult centreOnAdvance(const std::vector<const GShape*>& shapes) {
  return moveEach(shapes, [](const GShape& shape, std::vector<GPoint>& points, BatchResult&) {
    const InkBox ink = inkBoxOf(shape);
    if (ink.empty) return;
    // The rounding goes to the left when the free room is odd, the same for every character.
    const int32_t dx = static_cast<int32_t>(
        std::floor((static_cast<double>(shape.width()) - ink.left - ink.right) / 2));
    for (GPoint& p : points) p.x += dx;
  });
}

BatchResult fitToCell(const std::vector<const GShape*>& shapes, const GridRange& range,
                      int32_t margin) {
  const auto move = [&](const GShape& shape, std::vector<GPoint>& points, BatchResult& result) {
    const int32_t left = margin, right = std::min<int32_t>(shape.width(), range.right()) - margin;
    const int32_t bottom = -range.below + margin, top = range.top() - margin;
    if (right < left || top < bottom) {
      result.refused.push_back(shape.code());
      return;
    }
    const InkBox ink = inkBoxOf(shape);
    if (ink.empty) return;
    const double inkW = ink.right - ink.left, inkH = ink.top - ink.bottom;
    double scale = 1;
    if (inkW > 0 && inkH > 0) {
      scale = std::min((right - left) / inkW, (top - bottom) / inkH);
    } else if (inkW > 0) {
      scale = (right - left) / inkW;
    } else if (inkH > 0) {
      scale = (top - bottom) / inkH;
    }
    const double inkCx = (ink.left + ink.right) / 2.0, inkCy = (ink.bottom + ink.top) / 2.0;
    const double cx = (left + right) / 2.0, cy = (bottom + top) / 2.0;
    for (GPoint& p : points) {
      // Exactly the ink lands within the box; rounding a value inside integer bounds keeps it
      // inside, and the clamp only takes away floating-point dust.
      p.x = std::clamp(rounded(cx + (p.x - inkCx) * scale), left, right);
      p.y = std::clamp(rounded(cy + (p.y - inkCy) * scale), bottom, top);
    }
  };
  return moveEach(shapes, move);
}

BatchResult setWidth(const std::vector<const GShape*>& shapes, int32_t width) {
  BatchResult result;
  result.after.reserve(shapes.size());
  for (const GShape* shape : shapes) {
    if (width < 0 || width > 255) result.refused.push_back(shape->code());
    const auto advance = static_cast<uint16_t>(std::clamp(width, 0, 255));
    result.after.push_back(rebuilt(*shape, advance, pointsOf(*shape)));
  }
  return result;
}
