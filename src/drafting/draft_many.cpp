#include "drafting/draft_many.h"

#include <algorithm>
#include <atomic>
#include <thread>

std::vector<DraftedGlyph> draftMany(const FaceFile& face, const std::vector<DraftRequest>& asked,
                                    DraftGrid grid, DraftMode mode, int threads,
                                    std::string* error, DraftProgress* progress) {
  threads = std::clamp(threads, 1, std::max(1, static_cast<int>(asked.size())));
  std::vector<std::unique_ptr<GlyphDrafter>> drafters;
  for (int i = 0; i < threads; ++i) {
    drafters.push_back(GlyphDrafter::open(face.path, face.index, error));
    if (!drafters.back()) return {};
  }
  std::vector<DraftedGlyph> drafted(asked.size());
  // Characters are handed out one at a time: some take far longer than others.
  std::atomic<size_t> next{0};
  const auto work = [&](GlyphDrafter& drafter) {
    for (size_t i = next++; i < asked.size(); i = next++) {
      if (progress && progress->cancelled) return;
      drafted[i] = drafter.draft(asked[i].unicode, asked[i].doubleByte, grid, mode);
      if (progress) ++progress->done;
    }
  };
  std::vector<std::thread> workers;
  for (int i = 1; i < threads; ++i) workers.emplace_back(work, std::ref(*drafters[i]));
  work(*drafters[0]);
  for (std::thread& worker : workers) worker.join();
  return drafted;
}
