#pragma once

#include <memory>
#include <optional>
#include <string>

#include "drafting/centre_line.h"
#include "drafting/drafted_glyph.h"

// Where the drafter puts a glyph on the grid: a point (x, y) of the glyph in font units (y up,
// the pen origin at 0, 0) lies at grid (originX + x * scale, originY + y * scale).
struct GlyphPlacement {
  double scale = 1;                 // grid units per font unit
  double originX = 0, originY = 0;  // grid units
  double unitsPerEm = 1;            // scale * unitsPerEm: grid units per em
};

// Drafts characters from one face. Not shared between threads: each worker thread opens its own.
//
// A double-byte character's square maps onto its cell, from the bottom of the grid (below the
// baseline by `below`) to its top, and the glyph is centred on its advance, the grid's side:
// the middle of its ink box on the middle of the cell. The square is the one the face's hanzi
// are drawn in, taken from its 国, which CJK faces draw out to the square's edges (else the em
// square). A single-byte character is scaled alike, x from its pen origin, and advances by its
// own advance rounded; on a grid with room below the baseline it stands on the baseline, on one
// without (a new BIGFONT's) it is raised as the double-byte characters are, so that the
// characters stand on it rather than hang out of the grid.
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
  bool render(char32_t unicode, bool doubleByte, DraftGrid grid, double pixelsPerUnit,
              Bitmap& bitmap, PixelGrid& place);

  // Where draft() maps the character's glyph; false when the face has no glyph for it.
  bool placement(char32_t unicode, bool doubleByte, DraftGrid grid, GlyphPlacement& placed);

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

// Where drafting from the face maps the character's glyph on a grid, for a reference drawing to
// lie under the draft; nullopt, with *error set when the face cannot be opened, when there is no
// such glyph.
std::optional<GlyphPlacement> glyphPlacement(const FaceFile& face, char32_t unicode,
                                             bool doubleByte, DraftGrid grid, std::string* error);
