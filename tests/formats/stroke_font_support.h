#pragma once

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

inline size_t pointCount(const StrokeGlyph& glyph) {
  size_t points = 0;
  for (const Stroke& stroke : glyph.strokes) points += stroke.size();
  return points;
}

// The Debian packages' fonts, which the test set-up installs.
inline const std::string librecadFonts = "/usr/share/librecad/fonts";
inline const std::string hersheyFonts = "/usr/share/hershey-fonts";
