#pragma once

#include <cmath>
#include <cstddef>
#include <ostream>
#include <string>

#include "formats/stroke_font.h"

inline bool operator==(const StrokePoint& a, const StrokePoint& b) {
  return a.x == b.x && a.y == b.y && a.bulge == b.bulge;
}

// Lets a failed comparison show the points.
inline std::ostream& operator<<(std::ostream& out, const StrokePoint& p) {
  return out << "(" << p.x << "," << p.y << " A" << p.bulge << ")";
}

// Our LibreCAD fonts keep 4 decimals: what reads back lies within one unit of the last.
inline bool withinLffRounding(const Stroke& a, const Stroke& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::abs(a[i].x - b[i].x) > 1e-4 || std::abs(a[i].y - b[i].y) > 1e-4 ||
        a[i].bulge != b[i].bulge)
      return false;
  }
  return true;
}

inline size_t pointCount(const StrokeGlyph& glyph) {
  size_t points = 0;
  for (const Stroke& stroke : glyph.strokes) points += stroke.size();
  return points;
}

// The Debian packages' fonts, which the test set-up installs.
inline const std::string librecadFonts = "/usr/share/librecad/fonts";
inline const std::string hersheyFonts = "/usr/share/hershey-fonts";
