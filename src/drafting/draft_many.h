#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "drafting/drafted_glyph.h"
#include "drafting/glyph_drafter.h"

struct DraftRequest {
  char32_t unicode = 0;
  bool doubleByte = false;
};

// What another thread may watch and ask of a long run: the characters drafted so far, and
// whether to stop.
struct DraftProgress {
  std::atomic<int> done{0};
  std::atomic<bool> cancelled{false};
};

// Drafts the characters on `threads` threads, each with a drafter of its own, the results in
// the order asked. Empty, with *error set, when the face cannot be opened, or for
// DraftMode::StrokeData (which needs no face) when the stroke-order data is not installed
// (*error is then strokeDataStatus().message). A run cancelled through `progress` stops soon
// and leaves the characters not reached undrafted.
//
// Centre lines of double-byte characters the stroke-order data has come in its writing order
// and direction (putInWritingOrder); without the data, in the drafter's own order.
std::vector<DraftedGlyph> draftMany(const FaceFile& face, const std::vector<DraftRequest>& asked,
                                    DraftGrid grid, DraftMode mode, int threads, std::string* error,
                                    DraftProgress* progress = nullptr);
