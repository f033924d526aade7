// Work on many characters at once on the benchmark font (6863 characters on a grid of 120): one
// transform of them all, and the review flags of the whole font.
#include <benchmark/benchmark.h>

#include "editing/batch_transform.h"
#include "editing/review_flags.h"
#include "font_generator.h"

namespace {

// Scaled to 90 % and slanted by 12 degrees about the cell's middle, every point checked
// against the grid.
void BM_TransformWholeFont(benchmark::State& state) {
  const auto font = makeFont(FontRecipe{});
  const std::vector<const GShape*> shapes = shapesOf(*font);
  Transform italic;
  italic.scaleXPercent = italic.scaleYPercent = 90;
  italic.slantDegrees = 12;
  for (auto _ : state) {
    BatchResult result = transformShapes(shapes, italic, GridRange::of(*font), OutOfRange::Clamp);
    benchmark::DoNotOptimize(result.after.data());
  }
  state.counters["characters"] = static_cast<double>(shapes.size());
}
BENCHMARK(BM_TransformWholeFont)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// Every character's flags, worst first, with Unihan's stroke counts (read once, not timed).
void BM_FlagWholeFont(benchmark::State& state) {
  const auto font = makeFont(FontRecipe{});
  const StrokeCounts counts = loadTotalStrokes();
  const ReviewRules rules = ReviewRules::of(*font, &counts);
  size_t flagged = 0;
  for (auto _ : state) flagged = flaggedCharacters(*font, rules).size();
  state.counters["flagged"] = static_cast<double>(flagged);
  state.counters["unihan"] = static_cast<double>(counts.size());
}
BENCHMARK(BM_FlagWholeFont)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

}  // namespace
