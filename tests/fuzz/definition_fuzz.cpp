// Fuzz target: a shape header line and a definition text, decoded, encoded and decoded again.
// The input's first line (when it has a line break) is the header without its '*', the rest
// the definition text. The path written must come back point for point once repeats are
// removed, except for what the encoder leaves out by design: of pen-up points in a row only
// the last is written, since only where the pen ends up matters, and trailing pen-up points
// not at all.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../model/path_points.h"
#include "model/shape.h"

namespace {

// The item count the reader gathers a definition by: commas, plus one for a last item.
size_t itemCount(const std::string& text) {
  const auto commas = static_cast<size_t>(std::count(text.begin(), text.end(), ','));
  return commas + (!text.empty() && text.back() != ',' ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t lineBreak = input.find('\n');
  const std::string definition =
      lineBreak == std::string::npos ? input : input.substr(lineBreak + 1);
  if (definition.empty() || definition[0] == '*') return 0;

  GShape shape;
  shape.reset(48);
  if (lineBreak != std::string::npos) shape.parseLine("*" + input.substr(0, lineBreak));
  shape.parseLine(definition);
  shape.removeRepeats();
  std::vector<PathPoint> expected;
  for (const PathPoint& p : pathOf(shape)) {
    if (p.isVirtual && !expected.empty() && expected.back().isVirtual) expected.pop_back();
    expected.push_back(p);
  }
  while (!expected.empty() && expected.back().isVirtual) expected.pop_back();

  std::vector<std::string> lines;
  shape.writeTo(lines);
  if (lines.size() < 2) __builtin_trap();
  std::string written;
  for (size_t i = 1; i < lines.size(); ++i) written += lines[i];

  GShape again;
  again.reset(shape.width());
  again.setDirection(1);  // keeps the width as it is
  again.parseLine(lines[0]);
  if (again.code() != shape.code()) __builtin_trap();
  if (again.byteCount() != static_cast<int16_t>(itemCount(written))) __builtin_trap();
  again.parseLine(written);
  if (pathOf(again) != expected) __builtin_trap();
  return 0;
}
