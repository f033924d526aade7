#include "drafting/draft_many.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

#include "drafting/stroke_data.h"
#include "drafting/stroke_data_draft.h"

namespace {

// The face's draft, in the data's writing order where the data has the character.
DraftedGlyph draftFromFace(GlyphDrafter& drafter, const DraftRequest& asked, DraftGrid grid,
                           DraftMode mode, const StrokeDataStatus& data) {
  DraftedGlyph drafted = drafter.draft(asked.unicode, asked.doubleByte, grid, mode);
  if (mode != DraftMode::CentreLine || !data.installed || !drafted.found || !asked.doubleByte)
    return drafted;
  try {
    if (const std::optional<std::vector<Polyline>> medians =
            loadMedians(data.folder, asked.unicode))
      putInWritingOrder(drafted.strokes, *medians);
  } catch (const StrokeDataError& e) {
    drafted.problem = e.what();
  }
  return drafted;
}

}  // namespace

std::vector<DraftedGlyph> draftMany(const FaceFile& face, const std::vector<DraftRequest>& asked,
                                    DraftGrid grid, DraftMode mode, int threads, std::string* error,
                                    DraftProgress* progress) {
  threads = std::clamp(threads, 1, std::max(1, static_cast<int>(asked.size())));
  const StrokeDataStatus data = strokeDataStatus();
  const bool fromData = mode == DraftMode::StrokeData;
  if (fromData && !data.installed) {
    if (error) *error = data.message;
    return {};
  }
  std::vector<std::unique_ptr<GlyphDrafter>> drafters(static_cast<size_t>(threads));
  for (int i = 0; i < threads && !fromData; ++i) {
    drafters[i] = GlyphDrafter::open(face.path, face.index, error);
    if (!drafters[i]) return {};
  }
  std::vector<DraftedGlyph> drafted(asked.size());
  // Characters are handed out one at a time: some take far longer than others.
  std::atomic<size_t> next{0};
  const auto work = [&](GlyphDrafter* drafter) {
    for (size_t i = next++; i < asked.size(); i = next++) {
      if (progress && progress->cancelled) return;
      // A code that holds no character (GB2312's five empty places) has nothing to draft, and
      // the data holds double-byte characters only.
      const bool character = asked[i].unicode != 0;
      if (character && fromData && asked[i].doubleByte)
        drafted[i] = draftFromStrokeData(data.folder, asked[i].unicode, grid);
      else if (character && !fromData)
        drafted[i] = draftFromFace(*drafter, asked[i], grid, mode, data);
      if (progress) ++progress->done;
    }
  };
  std::vector<std::thread> workers;
  for (int i = 1; i < threads; ++i) workers.emplace_back(work, drafters[i].get());
  work(drafters[0].get());
  for (std::thread& worker : workers) worker.join();
  return drafted;
}
