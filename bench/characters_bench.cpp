// Adding the whole GB2312 hanzi set through the window: the shapes, the refilled and sorted
// list and the first hanzi selected; then undoing and redoing that add; then drafting the
// strokes of every hanzi from the reference face.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QEventLoop>
#include <QListWidget>
#include <deque>

#include "bench_application.h"
#include "shapefile/shpfile.h"
#include "ui/drafting/draft_commands.h"
#include "ui/main/main_window.h"

namespace {

// Answers the add-characters dialog with the hanzi set and the drafting dialog with its
// proposal (the characters without points, centre lines); every other prompt is cancelled.
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
  std::optional<DraftChoice> askDraft(const DraftChoice& proposed, bool, const QString&) override {
    return proposed;
  }
  std::optional<Transform> askTransform(const Transform&, const TransformPreview&) override {
    return std::nullopt;
  }
  struct Unwatched : Progress {
    bool update(int) override { return true; }
  };
  std::unique_ptr<Progress> showProgress(const QString&, int) override {
    return std::make_unique<Unwatched>();
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

// 批量生成笔画... of all 6763 hanzi of a new BIGFONT on a grid of 48 from WenQuanYi Micro Hei:
// the drafting on both cores, the one undo step and the refilled list.
void BM_DraftHanziSet(benchmark::State& state) {
  benchApplication();
  for (auto _ : state) {
    state.PauseTiming();
    TFmMain main(std::make_unique<HanziPrompts>());
    auto font = std::make_unique<GShpFile>(48, 0);
    font->setKind(GShpFile::kindBigfont);
    main.showShapeFile(std::move(font), "/tmp/kelvane-bench.shp");
    main.NNewShapeClick();
    auto* faces = main.findChild<QListWidget*>(QStringLiteral("RzFontListBox1"));
    const auto wqy = faces->findItems(QStringLiteral("WenQuanYi Micro Hei"), Qt::MatchExactly);
    if (wqy.isEmpty()) {
      state.SkipWithError("WenQuanYi Micro Hei is not installed");
      break;
    }
    faces->setCurrentItem(wqy.constFirst());
    QEventLoop batchRunning;
    QObject::connect(main.findChild<DraftCommands*>(), &DraftCommands::batchFinished, &batchRunning,
                     &QEventLoop::quit);
    state.ResumeTiming();
    main.findChild<QAction*>(QStringLiteral("NMDraftBatch"))->trigger();
    batchRunning.exec();
  }
}
BENCHMARK(BM_DraftHanziSet)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

}  // namespace
