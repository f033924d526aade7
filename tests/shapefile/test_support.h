#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/temp_dir.h"
#include "platform/text_lines.h"
#include "shapefile/shpfile.h"

// Reads shape source text as a file named font.shp would be read.
inline void loadText(GShpFile& font, const std::string& text) { font.loadBytes(text, "font.shp"); }

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
