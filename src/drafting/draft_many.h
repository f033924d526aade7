#pragma once

#include <string>
#include <vector>

#include "drafting/drafted_glyph.h"
#include "drafting/glyph_drafter.h"

struct DraftRequest {
  char32_t unicode = 0;
  bool doubleByte = false;
};

// Drafts the characters on `threads` threads, each with a drafter of its own, the results in
// the order asked. Empty, with *error set, when the face cannot be opened.
std::vector<DraftedGlyph> draftMany(const FaceFile& face, const std::vector<DraftRequest>& asked,
                                    DraftGrid grid, DraftMode mode, int threads,
                                    std::string* error);
