// Memory of the undo history: drags of a 500-point character, each its own step, against the
// history's limit of 500 steps.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QUndoStack>

#include "editing/point_snapshot.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/edits/point_edit_command.h"

namespace {

size_t heapInUse() { return mallinfo2().uordblks; }

void BM_UndoHistoryOfDrags(benchmark::State& state) {
  const auto steps = static_cast<uint32_t>(state.range(0));
  double heapMiB = 0;
  for (auto _ : state) {
    auto file = std::make_unique<GShpFile>();
    file->addShape(std::make_unique<GShape>());
    GShape& shape = *file->shapeAtIndex(0);
    shape.reset(48);
    for (int i = 0; i < 500; ++i) shape.addPoint(i % 48, i % 40, i % 9 == 0 ? 1 : 0);
    FontDocument document;
    document.setFile(std::move(file), std::string());
    QUndoStack& stack = *document.undoStack();
    const size_t start = heapInUse();
    {
      const GPoint step(1, 0, 0);
      for (uint32_t drag = 0; drag < steps; ++drag) {
        PointSnapshot before = PointSnapshot::of(shape);
        for (GPoint* p = shape.first(); p; p = shape.next()) p->translate(step);
        stack.push(new PointEditCommand(document, 0, PointEdit::MoveSelection, drag,
                                        std::move(before), PointSnapshot::of(shape),
                                        ShapeChange::PointsShown));
      }
      heapMiB = static_cast<double>(heapInUse() - start) / (1024.0 * 1024.0);
      benchmark::DoNotOptimize(stack.count());
      stack.clear();
    }
  }
  state.counters["history_MiB"] = heapMiB;
}
BENCHMARK(BM_UndoHistoryOfDrags)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
