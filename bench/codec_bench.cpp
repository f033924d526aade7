// Decoding and encoding cost against the size of one character's definition.
#include <benchmark/benchmark.h>

#include "model/shape.h"

namespace {

void makeZigzag(GShape& s, int steps) {
  s.setCode(45217);
  s.reset(48);
  s.addPoint(0, 0, 1);
  for (int i = 1; i <= steps; ++i) s.addPoint(i, i % 7, i % 50 == 0 ? 1 : 0);
}

std::string definitionOf(const GShape& s) {
  std::vector<std::string> lines;
  s.writeTo(lines);
  std::string text;
  for (size_t i = 1; i < lines.size(); ++i) text += lines[i];
  return text;
}

void BM_Decode(benchmark::State& state) {
  GShape s;
  makeZigzag(s, static_cast<int>(state.range(0)));
  const std::string text = definitionOf(s);
  GShape target;
  for (auto _ : state) {
    target.parseLine(text);
    benchmark::DoNotOptimize(target.pointCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Decode)->RangeMultiplier(10)->Range(1000, 200000);

void BM_Encode(benchmark::State& state) {
  GShape s;
  makeZigzag(s, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<std::string> lines;
    s.writeTo(lines);
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Encode)->RangeMultiplier(10)->Range(1000, 200000);

}  // namespace
