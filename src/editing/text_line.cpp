#include "editing/text_line.h"

#include "shapefile/shpfile.h"

std::vector<LineGlyph> layOutLine(GShpFile& file, const std::vector<int32_t>& codes) {
  std::vector<LineGlyph> line;
  line.reserve(codes.size());
  const int32_t fullWidth = file.width();
  for (const int32_t code : codes) {
    LineGlyph glyph;
    glyph.code = code;
    if (code >= 0 && code <= 0xFFFF) glyph.shape = file.findShape(static_cast<uint16_t>(code));
    if (!glyph.shape)
      glyph.advance = code >= 0 && code < 128 && file.direction() == 0 ? fullWidth / 2 : fullWidth;
    line.push_back(glyph);
  }
  refreshLine(line, file.above(), file.below());
  return line;
}

void refreshLine(std::vector<LineGlyph>& line, int32_t above, int32_t below) {
  int32_t penX = 0;
  for (LineGlyph& glyph : line) {
    glyph.penX = penX;
    if (glyph.shape) {
      glyph.advance = glyph.shape->width();
      glyph.overrun = reachesOutside(*glyph.shape, above, below);
    }
    penX += glyph.advance;
  }
}

// A stroke runs from the pen's place before a real point to the point; the pen starts at 0.
bool reachesOutside(const GShape& shape, int32_t above, int32_t below) {
  const int32_t right = shape.width();
  const auto outside = [&](int32_t x, int32_t y) {
    return x < 0 || x > right || y > above || y < -below;
  };
  int32_t x = 0, y = 0;
  for (const GPoint& p : shape.points()) {
    if (!p.isVirtual && (outside(x, y) || outside(p.x, p.y))) return true;
    x = p.x;
    y = p.y;
  }
  return false;
}

bool drawsNothing(const GShape& shape) {
  for (const GPoint& p : shape.points()) {
    if (!p.isVirtual) return false;
  }
  return true;
}
