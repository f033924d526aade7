#pragma once

#include <memory>
#include <random>
#include <vector>

#include "shapefile/shpfile.h"

// Character codes of every sort the file holds: control and punctuation bytes
// that are special in the text, letters, single bytes above 127, GBK double
// bytes and a code whose shape name is written with a blank in it.
inline const std::vector<uint16_t>& sampleCodes() {
  static const std::vector<uint16_t> codes{10,    13,    32,    42,    44,    48,    59,
                                           65,    97,    126,   128,   200,   255,   300,
                                           33088, 45217, 45218, 46049, 55289, 63486, 65278};
  return codes;
}

// Random strokes, each begun by a lifted move (or, at the start, drawn from the
// origin), with no two neighbours at one place and no lifted move at the end:
// a path the shape text keeps point for point. Places lie between low and high.
inline void addRandomStrokes(GShape& shape, std::mt19937& rng, int strokes, int32_t low = -60,
                             int32_t high = 120) {
  std::uniform_int_distribution<int32_t> coordinate(low, high);
  std::uniform_int_distribution<int> realPoints(1, 7);
  int32_t x = 0, y = 0;
  auto step = [&](uint8_t isVirtual) {
    int32_t nx, ny;
    do {
      nx = coordinate(rng);
      ny = coordinate(rng);
    } while (nx == x && ny == y);
    x = nx;
    y = ny;
    shape.addPoint(x, y, isVirtual);
  };
  for (int s = 0; s < strokes; ++s) {
    if (s > 0 || rng() % 4 != 0) step(1);
    for (int n = realPoints(rng); n > 0; --n) step(0);
  }
}

// A font of the given kind holding every sample code: some with an empty path,
// one whose definition runs over many lines, the rest random (places between low and high).
inline std::unique_ptr<GShpFile> sampleFont(uint8_t kind, uint32_t seed, int32_t low = -60,
                                            int32_t high = 120) {
  auto font = std::make_unique<GShpFile>(40, 16);
  font->setKind(kind);
  font->setFontName("Sample");
  std::mt19937 rng(seed);
  for (size_t i = 0; i < sampleCodes().size(); ++i) {
    const uint16_t code = sampleCodes()[i];
    auto shape = std::make_unique<GShape>();
    shape->reset(code < 128 ? font->width() / 2 : font->width());
    shape->setCode(code);
    if (i == 3) {
      addRandomStrokes(*shape, rng, 300, low, high);
    } else if (i % 5 != 1) {
      addRandomStrokes(*shape, rng, 1 + static_cast<int>(rng() % 5), low, high);
    }
    font->addShape(std::move(shape));
  }
  return font;
}
