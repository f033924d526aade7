// How load and save grow: with the number of characters, and with the points of one
// character. The counters give the time per character and per point, which should stay
// flat across the rows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "font_generator.h"

namespace {

const LocalDate benchDate{1, 1, 2026};

FontRecipe recipeOf(const benchmark::State& state) {
  FontRecipe recipe;
  recipe.characters = static_cast<int>(state.range(0));
  recipe.pointsPerCharacter = static_cast<int>(state.range(1));
  return recipe;
}

void setPerItem(benchmark::State& state, const GShpFile& font) {
  int64_t points = 0;
  for (int i = 0; i < font.shapeCount(); ++i) points += font.shapeAtIndex(i)->pointCount();
  using benchmark::Counter;
  state.counters["us_per_char"] = Counter(static_cast<double>(font.shapeCount()) / 1e6,
                                          Counter::kIsIterationInvariantRate | Counter::kInvert);
  state.counters["ns_per_point"] = Counter(static_cast<double>(points) / 1e9,
                                           Counter::kIsIterationInvariantRate | Counter::kInvert);
}

void BM_LoadGrowth(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "kelvane-growth.shp").string();
  auto made = makeFont(recipeOf(state));
  made->save(path, benchDate);
  for (auto _ : state) {
    GShpFile font;
    font.load(path);
    benchmark::DoNotOptimize(font.shapeCount());
  }
  setPerItem(state, *made);
  std::remove(path.c_str());
}

void BM_EncodeGrowth(benchmark::State& state) {
  auto font = makeFont(recipeOf(state));
  for (auto _ : state) benchmark::DoNotOptimize(font->encode(benchDate).size());
  setPerItem(state, *font);
}

// {characters, points per character (0: 8 to 20 strokes of 2 to 8)}
void growthRows(benchmark::internal::Benchmark* b) {
  for (int characters : {1000, 2000, 4000, 6863}) b->Args({characters, 0});
  for (int points : {100, 1000, 10000}) b->Args({100, points});
  b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
}
BENCHMARK(BM_LoadGrowth)->Apply(growthRows);
BENCHMARK(BM_EncodeGrowth)->Apply(growthRows);

}  // namespace
