// Reading and writing a font of every GB2312 hanzi, as large as the editor's fonts get.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "shapefile/shpfile.h"

namespace {

// 6768 hanzi of about forty points each, in strokes of four.
std::unique_ptr<GShpFile> makeLargeFont() {
  auto font = std::make_unique<GShpFile>(48, 0);
  font->setKind(GShpFile::kindBigfont);
  font->setFontName("bench");
  for (int lead = 0xB0; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) continue;
      auto shape = std::make_unique<GShape>();
      shape->setCode(static_cast<uint16_t>(lead * 256 + trail));
      shape->reset(48);
      for (int i = 0; i < 40; ++i) {
        shape->addPoint((i * 7 + trail) % 48, (i * 5 + lead) % 48, i % 4 == 0 ? 1 : 0);
      }
      font->addShape(std::move(shape));
    }
  }
  return font;
}

std::string benchPath() {
  return (std::filesystem::temp_directory_path() / "kelvane-bench.shp").string();
}

void BM_SaveLargeFont(benchmark::State& state) {
  auto font = makeLargeFont();
  const std::string path = benchPath();
  for (auto _ : state) font->save(path, LocalDate{1, 1, 2026});
  state.SetItemsProcessed(state.iterations() * font->shapeCount());
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveLargeFont)->Unit(benchmark::kMillisecond);

void BM_LoadLargeFont(benchmark::State& state) {
  const std::string path = benchPath();
  makeLargeFont()->save(path, LocalDate{1, 1, 2026});
  for (auto _ : state) {
    GShpFile font;
    font.load(path);
    benchmark::DoNotOptimize(font.shapeCount());
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadLargeFont)->Unit(benchmark::kMillisecond);

}  // namespace
