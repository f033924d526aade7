#include "drafting/centre_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "drafting/pen_strokes.h"
#include "drafting/raster.h"
#include "drafting/skeleton_graph.h"

std::vector<uint8_t> skeletonOf(const Bitmap& bitmap, double pixelsPerUnit) {
  if (bitmap.width <= 0 || bitmap.height <= 0) return {};
  return skeletonMask(bitmap, pixelsPerUnit, nullptr).image();
}

std::vector<Polyline> centreLinePaths(const Bitmap& bitmap, const PixelGrid& grid) {
  if (bitmap.width <= 0 || bitmap.height <= 0 || grid.pixelsPerUnit <= 0) return {};
  std::vector<double> distances;
  Mask ink(0, 0);
  const Mask skeleton = skeletonMask(bitmap, grid.pixelsPerUnit, &distances, &ink);
  SkeletonGraph graph(skeleton, distances, grid.pixelsPerUnit);
  graph.tidy();
  std::vector<Polyline> pixelPaths = graph.paths();
  for (Polyline& dot : dotsMissed(ink, pixelPaths, grid.pixelsPerUnit))
    pixelPaths.push_back(std::move(dot));
  std::vector<Polyline> paths;
  for (const Polyline& pixels : pixelPaths) {
    Polyline path;
    path.reserve(pixels.size());
    for (const PointF& p : pixels)
      path.push_back({grid.left + p.x / grid.pixelsPerUnit, grid.top - p.y / grid.pixelsPerUnit});
    paths.push_back(std::move(path));
  }
  return paths;
}

std::vector<GridStroke> centreLineStrokes(const Bitmap& bitmap, const PixelGrid& grid) {
  // How far either side of a point its direction is judged, and the longest hook left on the
  // stroke it ends, both in grid units.
  constexpr double kReach = 2.0, kHook = 3.0;
  std::vector<GridStroke> strokes;
  for (const Polyline& path : centreLinePaths(bitmap, grid)) {
    for (const Polyline& piece : cutAtCorners(simplified(path, 0.5), kReach, kHook)) {
      GridStroke stroke = onWholeUnits(piece);
      if (stroke.size() >= 2) strokes.push_back(std::move(stroke));
    }
  }
  // Of strokes from one point the steeper comes first: the left side of 口 before its top.
  const auto steepness = [](const GridStroke& s) {
    const double dx = s[1].x - s[0].x, dy = s[1].y - s[0].y;
    return -dy / std::hypot(dx, dy);
  };
  std::stable_sort(strokes.begin(), strokes.end(), [&](const GridStroke& a, const GridStroke& b) {
    if (a.front().y != b.front().y) return a.front().y > b.front().y;
    if (a.front().x != b.front().x) return a.front().x < b.front().x;
    return steepness(a) > steepness(b);
  });
  return strokes;
}
