// Compiling the benchmark font into a compiled font and reading such fonts back.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "font_generator.h"
#include "platform/text_lines.h"
#include "shx/font_export.h"
#include "shx/font_import.h"
#include "shx/shape_source.h"

namespace {

const LocalDate benchDate{1, 1, 2026};

// What 导出SHX does once the file is chosen: compile every shape, lay out the file, write it
// with one atomic replacement.
void BM_ExportShx(benchmark::State& state) {
  auto font = makeFont(FontRecipe{});
  const std::string path = (std::filesystem::temp_directory_path() / "kelvane-bench.shx").string();
  for (auto _ : state) writeFileBytes(path, writeShx(compileFont(*font, benchDate).font));
  std::remove(path.c_str());
}
BENCHMARK(BM_ExportShx)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

// The compiled bytes alone, without the file.
void BM_CompileFont(benchmark::State& state) {
  auto font = makeFont(FontRecipe{});
  for (auto _ : state)
    benchmark::DoNotOptimize(writeShx(compileFont(*font, benchDate).font).size());
}
BENCHMARK(BM_CompileFont)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

void BM_ImportShx(benchmark::State& state) {
  const std::string shx = writeShx(compileFont(*makeFont(FontRecipe{}), benchDate).font);
  for (auto _ : state)
    benchmark::DoNotOptimize(importFont(shx, "bench.shx", {}).file->shapeCount());
}
BENCHMARK(BM_ImportShx)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

// A shape source of any tool, here the benchmark font's own text.
void BM_ImportShp(benchmark::State& state) {
  const std::string shp = makeFont(FontRecipe{})->encode(benchDate);
  for (auto _ : state)
    benchmark::DoNotOptimize(importFont(shp, "bench.shp", {}).file->shapeCount());
}
BENCHMARK(BM_ImportShp)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

}  // namespace
