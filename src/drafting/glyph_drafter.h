#pragma once

#include <memory>
#include <string>

#include "drafting/centre_line.h"
#include "drafting/drafted_glyph.h"

// Drafts characters from one face. Not shared between threads: each worker thread opens its own.
//
// The face's ascent plus descent (its OS/2 typographic ones when the face asks for them, else
// its horizontal header's, which for CJK faces such as WenQuanYi Micro Hei hold the hanzi
// whole) is scaled to the grid's side, the face's baseline on the grid's. A grid with nothing
// below the baseline, as a new BIGFONT has, takes the face's descent line onto the baseline
// instead, so that its characters stand on it rather than hang out of the grid. A glyph keeps
// its place in the em box, x from the pen origin scaled alike.
class GlyphDrafter {
 public:
  // The face in the font file at `path` (face index `index`); null and *error set when it
  // cannot be opened.
  static std::unique_ptr<GlyphDrafter> open(const std::string& path, int index, std::string* error);
  ~GlyphDrafter();
  GlyphDrafter(const GlyphDrafter&) = delete;
  GlyphDrafter& operator=(const GlyphDrafter&) = delete;

  // unicode: the character; doubleByte: whether it is a two-byte (GBK) character of the font.
  // A double-byte character advances by the grid's side, a single-byte one by its own advance.
  DraftedGlyph draft(char32_t unicode, bool doubleByte, DraftGrid grid, DraftMode mode);

  // The glyph rendered as the centre-line drafting sees it, and where it lies on the grid;
  // false when the face has no glyph for the character. pixelsPerUnit 0 takes the drafting's
  // own resolution.
  bool render(char32_t unicode, DraftGrid grid, double pixelsPerUnit, Bitmap& bitmap,
              PixelGrid& place);

  // The pixels per grid unit the centre lines are drafted at on a grid of this side.
  static double draftingResolution(int side);

 private:
  struct Face;
  explicit GlyphDrafter(std::unique_ptr<Face> face);
  std::unique_ptr<Face> face_;
};

// The font file and face index fontconfig gives for a family name (as Qt's font database lists
// families, "Family [Foundry]" where several foundries make one); path empty when there is none.
struct FaceFile {
  std::string path;
  int index = 0;
};
FaceFile faceFileOf(const std::string& family);
