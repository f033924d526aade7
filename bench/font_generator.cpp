#include "font_generator.h"

#include <algorithm>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every standard library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int between(int low, int high) { return low + static_cast<int>(next() % (high - low + 1)); }

 private:
  uint64_t state_;
};

std::vector<uint16_t> characterCodes(int count) {
  std::vector<uint16_t> codes;
  for (int c = 32; c <= 126 && static_cast<int>(codes.size()) < count; ++c) codes.push_back(c);
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (static_cast<int>(codes.size()) >= count) return codes;
      codes.push_back(static_cast<uint16_t>(lead * 256 + trail));
    }
  }
  return codes;
}

void addStroke(GShape& shape, Random& random, int points, int grid) {
  int x = random.between(0, grid);
  int y = random.between(0, grid);
  shape.addPoint(x, y, 1);
  for (int i = 1; i < points; ++i) {
    x = std::clamp(x + random.between(-grid / 4, grid / 4), 0, grid);
    y = std::clamp(y + random.between(-grid / 4, grid / 4), 0, grid);
    shape.addPoint(x, y, 0);
  }
}

std::unique_ptr<GShape> newShape(uint16_t code, int grid) {
  auto shape = std::make_unique<GShape>();
  shape->setCode(code);
  shape->reset(static_cast<uint16_t>(grid));
  return shape;
}

}  // namespace

std::unique_ptr<GShape> makeCharacter(uint64_t seed, int points, int grid) {
  Random random(seed);
  auto shape = newShape(0xB0A1, grid);
  for (int left = points; left > 0; left -= 8) addStroke(*shape, random, std::min(left, 8), grid);
  return shape;
}

std::unique_ptr<GShpFile> makeFont(const FontRecipe& recipe) {
  Random random(recipe.seed);
  const auto above = static_cast<uint8_t>(recipe.grid * 5 / 6);
  auto font = std::make_unique<GShpFile>(above, static_cast<uint8_t>(recipe.grid - above));
  font->setKind(GShpFile::kindBigfont);
  font->setFontName("KELVANE-BENCH");
  for (uint16_t code : characterCodes(recipe.characters)) {
    auto shape = newShape(code, recipe.grid);
    if (recipe.pointsPerCharacter > 0) {
      for (int left = recipe.pointsPerCharacter; left > 0; left -= 8) {
        addStroke(*shape, random, std::min(left, 8), recipe.grid);
      }
    } else {
      const int strokes = random.between(recipe.minStrokes, recipe.maxStrokes);
      for (int s = 0; s < strokes; ++s) {
        addStroke(*shape, random,
                  random.between(recipe.minPointsPerStroke, recipe.maxPointsPerStroke),
                  recipe.grid);
      }
    }
    font->addShape(std::move(shape));
  }
  return font;
}
