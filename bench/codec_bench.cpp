// Decoding and encoding one character of the benchmark font's kind.
#include <benchmark/benchmark.h>

#include "font_generator.h"

namespace {

std::string definitionOf(const GShape& s) {
  std::vector<std::string> lines;
  s.writeTo(lines);
  std::string text;
  for (size_t i = 1; i < lines.size(); ++i) text += lines[i];
  return text;
}

void BM_DecodeCharacter(benchmark::State& state) {
  const std::string text = definitionOf(*makeCharacter(7, static_cast<int>(state.range(0)), 120));
  GShape target;
  for (auto _ : state) {
    target.parseLine(text);
    benchmark::DoNotOptimize(target.pointCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DecodeCharacter)->Arg(500)->Arg(100000);

void BM_EncodeCharacter(benchmark::State& state) {
  auto shape = makeCharacter(7, static_cast<int>(state.range(0)), 120);
  for (auto _ : state) {
    std::string text;
    shape->appendText(text);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EncodeCharacter)->Arg(500)->Arg(100000);

}  // namespace
