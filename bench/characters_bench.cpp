// Adding the whole GB2312 hanzi set through the window: the shapes, the refilled and sorted
// list and the first hanzi selected; then undoing and redoing that add.
#include <benchmark/benchmark.h>

#include <QAction>
#include <deque>

#include "bench_application.h"
#include "ui/main/main_window.h"

namespace {

// Answers the add-characters dialog with the hanzi set; every other prompt is cancelled.
class HanziPrompts : public Prompts {
 public:
  Answer ask(const QString&, Question) override { return Answer::Cancel; }
  void showError(const QString&) override {}
  void showReport(const QString&, const QString&) override {}
  std::optional<QString> openFile(const FileDialog&) override { return std::nullopt; }
  std::optional<QString> saveFile(const FileDialog&) override { return std::nullopt; }
  std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<std::string> askCharacters() override { return std::string(1, '\x80'); }
  std::optional<FontSetupChoice> askFontSetup(const FontSetupChoice&) override {
    return std::nullopt;
  }
  void showAbout(const VersionInfo&) override {}
  void openDocument(const QString&, const QString&) override {}
};

struct Window {
  Window() : main(std::make_unique<HanziPrompts>()) {
    main.showShapeFile(std::make_unique<GShpFile>(), "/tmp/kelvane-bench.shp");
  }
  QAction* action(const char* name) { return main.findChild<QAction*>(QString::fromLatin1(name)); }
  TFmMain main;
};

void BM_AddHanziSet(benchmark::State& state) {
  benchApplication();
  for (auto _ : state) {
    state.PauseTiming();
    Window window;
    state.ResumeTiming();
    window.main.NNewShapeClick();
  }
}
BENCHMARK(BM_AddHanziSet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_UndoHanziSet(benchmark::State& state) {
  benchApplication();
  Window window;
  window.main.NNewShapeClick();
  for (auto _ : state) {
    window.action("NMUndo")->trigger();
    state.PauseTiming();
    window.action("NMRedo")->trigger();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoHanziSet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_RedoHanziSet(benchmark::State& state) {
  benchApplication();
  Window window;
  window.main.NNewShapeClick();
  for (auto _ : state) {
    state.PauseTiming();
    window.action("NMUndo")->trigger();
    state.ResumeTiming();
    window.action("NMRedo")->trigger();
  }
}
BENCHMARK(BM_RedoHanziSet)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
