#include "formats/shape_conversion.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/gbk_unicode.h"
#include "shapefile/font_rules.h"

namespace {

constexpr double kArcTolerance = 0.25;  // grid units
constexpr int kMostArcSegments = 256;

int32_t toGrid(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int32_t>(std::lround(std::clamp(v, -1e9, 1e9)));
}

// Collects a character's points on the grid: a virtual point where each stroke starts, real
// points along it, repeats of the previous point dropped.
class GridPath {
 public:
  GridPath(GShape& shape, double scale) : shape_(shape), scale_(scale) {}

  void stroke(const Stroke& points) {
    if (points.empty()) return;
    const int before = shape_.pointCount();
    add(points[0].x * scale_, points[0].y * scale_, 1);
    for (size_t i = 1; i < points.size(); ++i) {
      const StrokePoint& from = points[i - 1];
      const StrokePoint& to = points[i];
      if (to.bulge != 0 && std::isfinite(to.bulge)) arc(from, to);
      add(to.x * scale_, to.y * scale_, 0);
    }
    // A stroke that rounds to one grid point draws nothing: its pen-up move goes too.
    const int count = shape_.pointCount();
    if (count > before && shape_.pointAtIndex(count - 1)->isVirtual)
      shape_.deletePoint(shape_.last());
  }

 private:
  // A point where the pen already stands adds nothing, and of two pen-up moves in a row
  // only the second counts.
  void add(double x, double y, uint8_t isVirtual) {
    const int32_t gx = toGrid(x), gy = toGrid(y);
    const GPoint* last = shape_.pointAtIndex(shape_.pointCount() - 1);
    if (last && last->x == gx && last->y == gy) return;
    if (last && isVirtual && last->isVirtual) shape_.deletePoint(shape_.last());
    shape_.addPoint(gx, gy, isVirtual);
  }

  // The inner points of the arc from `from` to `to`, in grid units. Its centre lies off the
  // chord's middle along the chord's left normal: to the left for a counter-clockwise arc of
  // less than half a turn, to the right for a larger one or a clockwise one.
  void arc(const StrokePoint& from, const StrokePoint& to) {
    const double x0 = from.x * scale_, y0 = from.y * scale_;
    const double x1 = to.x * scale_, y1 = to.y * scale_;
    const double chord = std::hypot(x1 - x0, y1 - y0);
    if (chord == 0 || !std::isfinite(chord)) return;
    const double angle = 4 * std::atan(to.bulge);  // included angle, signed
    const double radius = chord / (2 * std::sin(std::abs(angle) / 2));
    const double offset = chord / 2 / std::tan(angle / 2);
    const double cx = (x0 + x1) / 2 - (y1 - y0) / chord * offset;
    const double cy = (y0 + y1) / 2 + (x1 - x0) / chord * offset;
    // Segments whose sagitta stays within the tolerance.
    const double step =
        radius > kArcTolerance ? 2 * std::acos(1 - kArcTolerance / radius) : std::abs(angle);
    const int segments =
        std::clamp(static_cast<int>(std::ceil(std::abs(angle) / step)), 1, kMostArcSegments);
    const double start = std::atan2(y0 - cy, x0 - cx);
    for (int i = 1; i < segments; ++i) {
      const double a = start + angle * i / segments;
      add(cx + radius * std::cos(a), cy + radius * std::sin(a), 0);
    }
  }

  GShape& shape_;
  double scale_;
};

}  // namespace

uint8_t likelyKind(const StrokeFont& font) {
  size_t doubleByte = 0;
  for (const StrokeGlyph& glyph : font.glyphs) doubleByte += glyph.unicode >= 0x80;
  return doubleByte * 2 > font.glyphs.size() ? GShpFile::kindBigfont : GShpFile::kindAscii;
}

ShapeFontSetup proposedSetup(const StrokeFont& font) {
  return {likelyKind(font), static_cast<uint8_t>(gridSideOf(3)), 0};
}

ConvertedFont shapeFontOf(const StrokeFont& font, const ShapeFontSetup& setup) {
  const HeightSplit split = splitHeight(setup.gridSide, hasDescent(setup.kind, setup.direction));
  ConvertedFont converted;
  converted.file = std::make_unique<GShpFile>(split.above, split.below);
  GShpFile& file = *converted.file;
  file.setKind(setup.kind);
  file.setDirection(setup.direction);
  const double scale = font.capitalHeight > 0 ? split.above / font.capitalHeight : 1;
  std::vector<const StrokeGlyph*> glyphs;
  for (const StrokeGlyph& glyph : font.glyphs) glyphs.push_back(&glyph);
  std::stable_sort(glyphs.begin(), glyphs.end(),
                   [](const auto* a, const auto* b) { return a->unicode < b->unicode; });
  for (const StrokeGlyph* glyph : glyphs) {
    const uint16_t code = gbkOfUnicode(glyph->unicode);
    if (code == 0 || file.hasShape(code)) {
      converted.notInGbk.push_back(glyph->unicode);
      continue;
    }
    auto shape = std::make_unique<GShape>();
    shape->setCode(code);
    shape->reset(static_cast<uint16_t>(std::clamp(toGrid(glyph->advance * scale), 0, 65535)));
    GridPath path(*shape, scale);
    for (const Stroke& stroke : glyph->strokes) path.stroke(stroke);
    file.addShape(std::move(shape));
  }
  return converted;
}

StrokeExport strokeFontOf(const GShpFile& file) {
  StrokeExport exported;
  StrokeFont& font = exported.font;
  font.name = file.fontName();
  font.capitalHeight = file.above();
  font.descent = file.below();
  std::map<int64_t, int> gaps;  // advance beyond the rightmost point, by how often it occurs
  for (int i = 0; i < file.shapeCount(); ++i) {
    const GShape& shape = *file.shapeAtIndex(i);
    const char32_t unicode = unicodeOfGbk(shape.code());
    if (unicode == 0) {
      // Only a drawn character is lost: the empty places of the GB2312 set, which a font made
      // with the whole set holds, go without a word.
      if (shape.pointCount() > 0) exported.leftOut.push_back(shape.code());
      continue;
    }
    StrokeGlyph glyph;
    glyph.unicode = unicode;
    glyph.advance = shape.width();
    double penX = 0, penY = 0;
    Stroke* stroke = nullptr;
    bool drawn = false;
    double right = 0;
    for (const GPoint& p : shape.points()) {
      if (p.isVirtual) {
        stroke = nullptr;
      } else {
        if (!stroke) stroke = &glyph.strokes.emplace_back(Stroke{{penX, penY, 0}});
        stroke->push_back({static_cast<double>(p.x), static_cast<double>(p.y), 0});
        right = std::max({right, penX, static_cast<double>(p.x)});
        drawn = true;
      }
      penX = p.x;
      penY = p.y;
    }
    if (drawn) ++gaps[static_cast<int64_t>(glyph.advance - right)];
    if (unicode == U' ') font.wordSpacing = glyph.advance;
    font.glyphs.push_back(std::move(glyph));
  }
  if (!gaps.empty()) {
    font.letterSpacing = static_cast<double>(
        std::max_element(gaps.begin(), gaps.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->first);
  }
  return exported;
}
