// Reading and writing the benchmark font: every GB2312 hanzi and the printable ASCII
// characters, 8 to 20 strokes each, as large as the editor's fonts get.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "font_generator.h"

namespace {

const LocalDate benchDate{1, 1, 2026};

std::string benchPath() {
  return (std::filesystem::temp_directory_path() / "kelvane-bench.shp").string();
}

// KELVANE_BENCH_FONT names another font file to load instead (the ezdxf comparison uses it).
void BM_LoadFont(benchmark::State& state) {
  const char* given = std::getenv("KELVANE_BENCH_FONT");
  const std::string path = given ? given : benchPath();
  if (!given) makeFont(FontRecipe{})->save(path, benchDate);
  for (auto _ : state) {
    GShpFile font;
    font.load(path);
    benchmark::DoNotOptimize(font.shapeCount());
  }
  if (!given) std::remove(path.c_str());
}
BENCHMARK(BM_LoadFont)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

void BM_EncodeFont(benchmark::State& state) {
  auto font = makeFont(FontRecipe{});
  for (auto _ : state) benchmark::DoNotOptimize(font->encode(benchDate).size());
}
BENCHMARK(BM_EncodeFont)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

// The whole save: encoding, the temporary file, its fsync and the replacement.
void BM_SaveFont(benchmark::State& state) {
  auto font = makeFont(FontRecipe{});
  const std::string path = benchPath();
  for (auto _ : state) font->save(path, benchDate);
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveFont)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

}  // namespace
