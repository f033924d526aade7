#include <gtest/gtest.h>

#include <random>

#include "model/path_points.h"
#include "model/shape.h"

namespace {

// What the text keeps of a path: trailing lifted moves go, consecutive lifted
// points merge into the last of them, and a real point repeating the place of
// the real point before it adds nothing to the run.
std::vector<PathPoint> expectedAfterRoundTrip(const std::vector<PathPoint>& path) {
  std::vector<PathPoint> out;
  for (const PathPoint& p : path) {
    if (p.isVirtual && !out.empty() && out.back().isVirtual) {
      out.back() = p;
      continue;
    }
    if (!p.isVirtual && !out.empty() && !out.back().isVirtual && out.back().x == p.x &&
        out.back().y == p.y) {
      continue;
    }
    out.push_back(p);
  }
  while (!out.empty() && out.back().isVirtual) out.pop_back();
  return out;
}

int countItems(const std::string& text) {
  int commas = 0;
  for (char c : text) commas += c == ',';
  return commas + (!text.empty() && text.back() != ',' ? 1 : 0);
}

int32_t randomCoordinate(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0:
      return static_cast<int32_t>(rng() % 5);
    case 1:
      return static_cast<int32_t>(rng() % 200) - 100;
    case 2:
      return static_cast<int32_t>(rng() % 2000001) - 1000000;
    default:
      return static_cast<int32_t>(rng());
  }
}

}  // namespace

TEST(RoundTrip, RandomPathsComeBackAsTheTextKeepsThem) {
  std::mt19937 rng(20261209);
  for (int round = 0; round < 3000; ++round) {
    GShape s;
    s.setCode(static_cast<uint16_t>(rng() % 2 ? 65 : 45217));
    s.reset(static_cast<uint16_t>(rng() % 256));
    int n = static_cast<int>(rng() % 60);
    for (int i = 0; i < n; ++i) {
      bool repeat = i > 0 && rng() % 4 == 0;
      const GPoint* prev = s.pointAtIndex(i - 1);
      int32_t x = repeat ? prev->x : randomCoordinate(rng);
      int32_t y = repeat ? prev->y : randomCoordinate(rng);
      s.addPoint(x, y, rng() % 3 == 0 ? 1 : 0);
    }

    std::vector<std::string> lines;
    s.writeTo(lines);
    ASSERT_GE(lines.size(), 2u);
    std::string definition;
    for (size_t i = 1; i < lines.size(); ++i) {
      ASSERT_LE(lines[i].size(), 100u);
      definition += lines[i];
    }

    GShape back;
    back.parseLine(lines[0]);
    back.parseLine(definition);
    ASSERT_EQ(back.code(), s.code());
    ASSERT_EQ(back.byteCount(), countItems(definition)) << definition;
    ASSERT_EQ(pathOf(back), expectedAfterRoundTrip(pathOf(s)))
        << "round " << round << ": " << definition;
  }
}

TEST(RoundTrip, AMegabyteDefinitionDecodesWhole) {
  GShape s;
  s.setCode(45217);
  s.reset(48);
  s.addPoint(0, 0, 1);
  const int steps = 160000;
  for (int i = 1; i <= steps; ++i) s.addPoint(i, i % 2, 0);
  std::vector<std::string> lines;
  s.writeTo(lines);
  std::string definition;
  for (size_t i = 1; i < lines.size(); ++i) definition += lines[i];
  ASSERT_GT(definition.size(), 1000000u);
  GShape back;
  back.parseLine(definition);
  EXPECT_EQ(back.pointCount(), steps + 1);
  EXPECT_EQ(back.last()->x, steps);
}
