// Reading the single-line fonts of other programs.
#include <benchmark/benchmark.h>

#include "formats/font_formats.h"
#include "formats/lff_format.h"
#include "platform/text_lines.h"

namespace {

// The CJK font of Debian's librecad-data, 2.8 MB and 6727 glyph blocks, from the file to the
// neutral form.
void BM_ReadLffKst32b(benchmark::State& state) {
  const std::string path = "/usr/share/librecad/fonts/kst32b.lff";
  for (auto _ : state) benchmark::DoNotOptimize(readLff(readFileBytes(path), path).glyphs.size());
}
BENCHMARK(BM_ReadLffKst32b)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

// The whole import of that font: read, and made a BIGFONT on a grid of 48.
void BM_ImportLffKst32b(benchmark::State& state) {
  const std::string path = "/usr/share/librecad/fonts/kst32b.lff";
  for (auto _ : state) {
    const StrokeFont strokes = readLff(readFileBytes(path), path);
    benchmark::DoNotOptimize(
        importStrokes(strokes, {GShpFile::kindBigfont, 48, 0}).file->shapeCount());
  }
}
BENCHMARK(BM_ImportLffKst32b)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

}  // namespace
