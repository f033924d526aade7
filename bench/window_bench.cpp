// The window with the benchmark font open: refilling the character list, painting the
// canvas, and the memory the open font takes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "bench_application.h"
#include "font_generator.h"
#include "resident_memory.h"
#include "ui/characters/character_list.h"
#include "ui/main/main_window.h"
#include "ui/main/qt_prompts.h"

namespace {

struct Window {
  Window() : main(std::make_unique<QtPrompts>()) { main.resize(1600, 1100); }
  void open(std::unique_ptr<GShpFile> font) {
    main.showShapeFile(std::move(font), "/tmp/kelvane-window-bench.shp");
  }
  TFmMain main;
};

void BM_RefillCharacterList(benchmark::State& state) {
  benchApplication();
  Window window;
  window.open(makeFont(FontRecipe{}));
  auto* list = window.main.findChild<CharacterList*>("RzListBox1");
  for (auto _ : state) list->refill();
}
BENCHMARK(BM_RefillCharacterList)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// One paint of the 1400 x 1000 canvas: grid 120 and a character of 500 points.
void BM_PaintCanvas(benchmark::State& state) {
  benchApplication();
  Window window;
  auto font = std::make_unique<GShpFile>(100, 20);
  font->setKind(GShpFile::kindBigfont);
  font->addShape(makeCharacter(7, 500, 120));
  window.open(std::move(font));
  auto* list = window.main.findChild<QListWidget*>("RzListBox1");
  list->setCurrentRow(0);
  window.main.RzListBox1Click();
  auto* panel = window.main.findChild<QWidget*>("Panel");
  panel->resize(1400, 1000);
  QImage image(panel->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter canvas(&image);
    window.main.PanelPaint(canvas);
  }
}
BENCHMARK(BM_PaintCanvas)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

// Resident memory the open font adds to the editor: the file read, its list and its view.
void BM_OpenFontMemory(benchmark::State& state) {
  benchApplication();
  const std::string path =
      (std::filesystem::temp_directory_path() / "kelvane-memory-bench.shp").string();
  makeFont(FontRecipe{})->save(path, LocalDate{1, 1, 2026});
  for (auto _ : state) {
    Window window;
    malloc_trim(0);  // what earlier benchmarks freed must not count against the font
    const double before = residentMiB();
    auto font = std::make_unique<GShpFile>();
    font->load(path);
    window.open(std::move(font));
    state.counters["added_MiB"] = residentMiB() - before;
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_OpenFontMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
