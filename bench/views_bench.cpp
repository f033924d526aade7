// The text preview and the overview (字表) on the benchmark font: one paint of a preview line,
// one paint of a screenful of the overview, opening the overview, switching it to 待检查, and
// the memory it takes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

#include "bench_application.h"
#include "font_generator.h"
#include "resident_memory.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/main/main_window.h"
#include "ui/overview/character_overview.h"
#include "ui/overview/character_table_model.h"
#include "ui/platform/gbk.h"
#include "ui/main/qt_prompts.h"
#include "ui/preview/preview_strip.h"

namespace {

struct Window {
  Window() : main(std::make_unique<QtPrompts>()) {
    main.resize(1600, 1100);
    auto font = makeFont(FontRecipe{});
    font_ = font.get();
    main.showShapeFile(std::move(font), "/tmp/kelvane-views-bench.shp");
  }
  FontDocument& document() { return *main.findChild<FontDocument*>(); }
  // The text of `count` characters of the font from the middle of its code range.
  QString sample(int count) const {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += font_->shapeAtIndex(font_->shapeCount() / 2 + i)->listText();
    return fromGbk(bytes);
  }
  TFmMain main;

 private:
  GShpFile* font_;
};

// A line of 40 characters, all of them in view, painted once.
void BM_PaintPreviewLine(benchmark::State& state) {
  benchApplication();
  Window window;
  PreviewStrip strip(window.document());
  strip.setText(window.sample(40));
  strip.resize(10, 100);
  strip.resize(strip.lineWidth(), 100);
  QImage image(strip.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) strip.render(&image);
  state.counters["characters"] = static_cast<double>(strip.line().size());
}
BENCHMARK(BM_PaintPreviewLine)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

struct Overview {
  explicit Overview(FontDocument& document) : dock(document) {
    dock.resize(14 * 56 + 30, 15 * 56 + 60);  // 14 x 15 cells of 56 pixels in view
    dock.show();
    dock.view().doItemsLayout();
  }
  CharacterOverview dock;
};

// The overview scrolled to the middle of the font, its cells in view painted once.
void BM_PaintOverviewScreenful(benchmark::State& state) {
  benchApplication();
  Window window;
  Overview overview(window.document());
  QListView& view = overview.dock.view();
  view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
  QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) view.viewport()->render(&image);
  const QSize cells = view.viewport()->size() / 56;
  state.counters["cells"] = cells.width() * cells.height();
}
BENCHMARK(BM_PaintOverviewScreenful)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// Opening the overview on the open font: its rows made, laid out and the first screenful
// painted.
void BM_OpenOverview(benchmark::State& state) {
  benchApplication();
  Window window;
  for (auto _ : state) {
    auto overview = std::make_unique<Overview>(window.document());
    QWidget* viewport = overview->dock.view().viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    viewport->render(&image);
    state.PauseTiming();  // closing it is not part of opening it
    overview.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenOverview)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

// The overview switched to 待检查: the whole font's flags, the rows sorted worst first and
// the first screenful painted. Unihan's counts are read before, once.
void BM_SwitchOverviewToReview(benchmark::State& state) {
  benchApplication();
  Window window;
  Overview overview(window.document());
  QCheckBox& toReview = overview.dock.toReviewBox();
  toReview.setChecked(true);
  toReview.setChecked(false);
  QWidget* viewport = overview.dock.view().viewport();
  QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    toReview.setChecked(true);
    viewport->render(&image);
    state.PauseTiming();
    toReview.setChecked(false);
    state.ResumeTiming();
  }
  state.counters["rows"] = overview.dock.model().rowCount();
}
BENCHMARK(BM_SwitchOverviewToReview)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

// Resident memory the open overview adds to the editor with the font open.
void BM_OverviewMemory(benchmark::State& state) {
  benchApplication();
  Window window;
  for (auto _ : state) {
    malloc_trim(0);
    const double before = residentMiB();
    Overview overview(window.document());
    QImage image(overview.dock.view().viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    overview.dock.view().viewport()->render(&image);
    state.counters["added_MiB"] = residentMiB() - before;
  }
}
BENCHMARK(BM_OverviewMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
