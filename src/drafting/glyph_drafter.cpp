#include "drafting/glyph_drafter.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <strings.h>

#include <algorithm>
#include <cmath>

namespace {

// OS/2 fsSelection bit 7: the typographic metrics are the ones to lay lines out by.
constexpr unsigned kUseTypoMetrics = 1u << 7;

constexpr double kCurveTolerance = 0.25;  // grid units
constexpr int kMostCurveSegments = 64;
// Pixels a side: a glyph reaching far out of its em box is not rendered.
constexpr double kLargestBitmap = 4096;

// From font units to grid units.
struct Fit {
  double scale = 1;
  double shift = 0;  // grid units the pen origin lies right of the grid's
  double raise = 0;  // grid units the face's baseline lies above the grid's

  PointF apply(double x, double y) const { return {x * scale + shift, y * scale + raise}; }
};

// Collects the contours of an outline in grid units, curves flattened.
struct ContourSink {
  const Fit* fit;
  std::vector<Polyline> contours;
  PointF pen;

  PointF at(const FT_Vector* v) const {
    return fit->apply(static_cast<double>(v->x), static_cast<double>(v->y));
  }
  void lineTo(PointF p) {
    contours.back().push_back(p);
    pen = p;
  }
  // Enough segments that the flattened curve stays within the tolerance: a Bezier curve lies
  // within (degree-1) * degree / 8 * d / n^2 of n chords, d the largest second difference of
  // its control points.
  static int segmentsFor(double secondDifference, double factor) {
    const double n = std::ceil(std::sqrt(factor * secondDifference / kCurveTolerance));
    return std::clamp(static_cast<int>(std::isfinite(n) ? n : 1), 1, kMostCurveSegments);
  }
  static double distance(PointF a, PointF b, PointF c) {
    return std::hypot(a.x - 2 * b.x + c.x, a.y - 2 * b.y + c.y);
  }
};

int moveTo(const FT_Vector* to, void* user) {
  auto* sink = static_cast<ContourSink*>(user);
  sink->contours.emplace_back();
  sink->lineTo(sink->at(to));
  return 0;
}

int lineTo(const FT_Vector* to, void* user) {
  auto* sink = static_cast<ContourSink*>(user);
  sink->lineTo(sink->at(to));
  return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  auto* sink = static_cast<ContourSink*>(user);
  const PointF p0 = sink->pen, p1 = sink->at(control), p2 = sink->at(to);
  const int n = ContourSink::segmentsFor(ContourSink::distance(p0, p1, p2), 2.0 / 8);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1 - t;
    sink->lineTo({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                  u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
  }
  return 0;
}

int cubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* sink = static_cast<ContourSink*>(user);
  const PointF p0 = sink->pen, p1 = sink->at(c1), p2 = sink->at(c2), p3 = sink->at(to);
  const double d = std::max(ContourSink::distance(p0, p1, p2), ContourSink::distance(p1, p2, p3));
  const int n = ContourSink::segmentsFor(d, 6.0 / 8);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
    sink->lineTo(
        {a * p0.x + b * p1.x + c * p2.x + e * p3.x, a * p0.y + b * p1.y + c * p2.y + e * p3.y});
  }
  return 0;
}

// A hanzi whose face draws it a little taller or wider than the square (合's roof, 永's dot)
// would put its tips a unit off the grid once rounded; those tips are brought onto its edge.
// What reaches further out is the face's design and stays, for the user to see.
void keepTipsInCell(std::vector<GridStroke>& strokes, DraftGrid grid) {
  constexpr int32_t kTip = 1;
  const int32_t lastColumn = grid.above + grid.below - 1;
  const auto pulledIn = [](int32_t v, int32_t low, int32_t high) {
    if (v < low && v >= low - kTip) return low;
    if (v > high && v <= high + kTip) return high;
    return v;
  };
  for (GridStroke& stroke : strokes) {
    for (GridPoint& p : stroke) {
      p.x = pulledIn(p.x, 0, lastColumn);
      p.y = pulledIn(p.y, -grid.below, grid.above - 1);
    }
    const auto repeated = std::unique(stroke.begin(), stroke.end(), [](GridPoint a, GridPoint b) {
      return a.x == b.x && a.y == b.y;
    });
    if (repeated - stroke.begin() >= 2) stroke.erase(repeated, stroke.end());
  }
}

}  // namespace

struct GlyphDrafter::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  double unitsPerEm = 1;
  // The square a double-byte character fills, in font units: its side and its bottom (below
  // the baseline).
  double square = 1, squareBottom = 0;
  double capitalHeight = 1;  // font units: the top of H

  ~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }

  // For the glyph loaded last. The cell is the grid the canvas edits: columns 0 to side - 1,
  // rows -below to above - 1, so the square spans side - 1 units.
  Fit fitFor(DraftGrid grid, bool doubleByte) const {
    Fit fit;
    const int span = grid.above + grid.below - 1;
    fit.scale = span / square;
    if (!doubleByte) {
      // With rows below the baseline (an ASCII or UNIFONT grid) the capitals reach the top row
      // and the descenders go below, as imported fonts stand; on a grid without them the
      // letters keep the hanzi's scale and leave room at the bottom for their descenders.
      if (grid.below > 0) {
        fit.scale = (grid.above - 1) / capitalHeight;
      } else {
        fit.raise = -squareBottom * fit.scale;
      }
      return fit;
    }
    fit.raise = -grid.below - squareBottom * fit.scale;
    FT_BBox box;
    FT_Outline& outline = face->glyph->outline;
    const double middle = outline.n_points > 0 && FT_Outline_Get_BBox(&outline, &box) == 0
                              ? (static_cast<double>(box.xMin) + box.xMax) / 2
                              : static_cast<double>(face->glyph->metrics.horiAdvance) / 2;
    fit.shift = span / 2.0 - middle * fit.scale;
    return fit;
  }

  // The capital height: the top of H, else 70 % of the em.
  void findCapitalHeight() {
    FT_BBox box;
    capitalHeight = load(U'H') && face->glyph->outline.n_points > 0 &&
                            FT_Outline_Get_BBox(&face->glyph->outline, &box) == 0 && box.yMax > 0
                        ? box.yMax
                        : 0.7 * unitsPerEm;
  }

  // The square hanzi fill: the box of the face's 国, which CJK faces draw out to the edges of
  // the square their hanzi are designed in (WenQuanYi Micro Hei's is 87 % of its em); else the
  // em square, shared out below and above the baseline as the face's ascent and descent are
  // (the OS/2 typographic ones when the face asks for them, else FreeType's choice).
  void findSquare() {
    FT_BBox box;
    if (load(U'国') && face->glyph->outline.n_points > 0 &&
        FT_Outline_Get_BBox(&face->glyph->outline, &box) == 0 && box.yMax > box.yMin) {
      square = std::max(box.xMax - box.xMin, box.yMax - box.yMin);
      squareBottom = (static_cast<double>(box.yMin) + box.yMax - square) / 2;
      return;
    }
    square = unitsPerEm;
    const FT_Face f = face;
    double ascent = f->ascender, descent = -f->descender;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && (os2->fsSelection & kUseTypoMetrics) &&
        os2->sTypoAscender - os2->sTypoDescender > 0) {
      ascent = os2->sTypoAscender;
      descent = -os2->sTypoDescender;
    }
    squareBottom = ascent + descent > 0 ? -descent * unitsPerEm / (ascent + descent) : 0;
  }

  // Loads the glyph of the character in font units; false when the face has none.
  bool load(char32_t unicode) {
    const FT_UInt index = FT_Get_Char_Index(face, unicode);
    if (index == 0) return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP))
      return false;
    return face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
  }
};

GlyphDrafter::GlyphDrafter(std::unique_ptr<Face> face) : face_(std::move(face)) {}
GlyphDrafter::~GlyphDrafter() = default;

std::unique_ptr<GlyphDrafter> GlyphDrafter::open(const std::string& path, int index,
                                                 std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error) *error = path + ": " + why;
    return nullptr;
  };
  auto face = std::make_unique<Face>();
  if (FT_Init_FreeType(&face->library)) return fail("FreeType cannot start");
  if (index < 0 || FT_New_Face(face->library, path.c_str(), index, &face->face))
    return fail("no face " + std::to_string(index) + " can be opened in it");
  FT_Face f = face->face;
  if (!FT_IS_SCALABLE(f)) return fail("the face has no outlines");
  face->unitsPerEm = f->units_per_EM > 0 ? f->units_per_EM : 1000;
  face->findSquare();
  face->findCapitalHeight();
  return std::unique_ptr<GlyphDrafter>(new GlyphDrafter(std::move(face)));
}

double GlyphDrafter::draftingResolution(int side) {
  // Some 240 pixels a side: strokes of a hanzi are then a dozen pixels wide.
  return std::clamp(std::ceil(240.0 / std::max(side, 1)), 4.0, 20.0);
}

bool GlyphDrafter::placement(char32_t unicode, bool doubleByte, DraftGrid grid,
                             GlyphPlacement& placed) {
  if (!face_->load(unicode)) return false;
  const Fit fit = face_->fitFor(grid, doubleByte);
  placed = {fit.scale, fit.shift, fit.raise, face_->unitsPerEm};
  return true;
}

bool GlyphDrafter::render(char32_t unicode, bool doubleByte, DraftGrid grid, double pixelsPerUnit,
                          Bitmap& bitmap, PixelGrid& place) {
  if (!face_->load(unicode)) return false;
  if (pixelsPerUnit <= 0) pixelsPerUnit = draftingResolution(grid.above + grid.below);
  const Fit fit = face_->fitFor(grid, doubleByte);
  const FT_Outline& source = face_->face->glyph->outline;
  bitmap = Bitmap{};
  place = PixelGrid{pixelsPerUnit, 0, 0};
  if (source.n_points <= 0) return true;
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  std::vector<PointF> points(static_cast<size_t>(source.n_points));
  for (int i = 0; i < source.n_points; ++i) {
    points[i] =
        fit.apply(static_cast<double>(source.points[i].x), static_cast<double>(source.points[i].y));
    minX = std::min(minX, points[i].x);
    maxX = std::max(maxX, points[i].x);
    minY = std::min(minY, points[i].y);
    maxY = std::max(maxY, points[i].y);
  }
  // A blank unit around the glyph, so that the thinning sees its edges.
  const double left = std::floor(minX) - 1, top = std::ceil(maxY) + 1;
  const double right = std::ceil(maxX) + 1, bottom = std::floor(minY) - 1;
  const double width = (right - left) * pixelsPerUnit, height = (top - bottom) * pixelsPerUnit;
  if (!(width <= kLargestBitmap && height <= kLargestBitmap)) return true;  // broken: left blank
  bitmap.width = static_cast<int>(std::lround(width));
  bitmap.height = static_cast<int>(std::lround(height));
  bitmap.coverage.assign(static_cast<size_t>(bitmap.width) * bitmap.height, 0);
  place.left = left;
  place.top = top;

  FT_Outline outline;
  if (FT_Outline_New(face_->library, source.n_points, source.n_contours, &outline)) return true;
  FT_Outline_Copy(&source, &outline);
  for (int i = 0; i < source.n_points; ++i) {
    outline.points[i].x = std::lround((points[i].x - left) * pixelsPerUnit * 64);
    outline.points[i].y = std::lround((points[i].y - bottom) * pixelsPerUnit * 64);
  }
  FT_Bitmap target;
  FT_Bitmap_Init(&target);
  target.rows = static_cast<unsigned>(bitmap.height);
  target.width = static_cast<unsigned>(bitmap.width);
  target.pitch = bitmap.width;
  target.buffer = bitmap.coverage.data();
  target.num_grays = 256;
  target.pixel_mode = FT_PIXEL_MODE_GRAY;
  FT_Outline_Get_Bitmap(face_->library, &outline, &target);
  FT_Outline_Done(face_->library, &outline);
  return true;
}

DraftedGlyph GlyphDrafter::draft(char32_t unicode, bool doubleByte, DraftGrid grid,
                                 DraftMode mode) {
  DraftedGlyph drafted;
  if (!face_->load(unicode)) return drafted;
  drafted.found = true;
  const Fit fit = face_->fitFor(grid, doubleByte);
  const long advance =
      doubleByte
          ? grid.above + grid.below
          : std::lround(static_cast<double>(face_->face->glyph->metrics.horiAdvance) * fit.scale);
  drafted.advance = static_cast<uint16_t>(std::clamp(advance, 0L, 65535L));

  if (mode == DraftMode::Outline) {
    ContourSink sink{&fit, {}, {}};
    const FT_Outline_Funcs funcs{moveTo, lineTo, conicTo, cubicTo, 0, 0};
    FT_Outline_Decompose(&face_->face->glyph->outline, &funcs, &sink);
    for (const Polyline& contour : sink.contours) {
      GridStroke stroke = onWholeUnits(contour);
      if (stroke.size() > 1 && stroke.back().x == stroke.front().x &&
          stroke.back().y == stroke.front().y)
        stroke.pop_back();
      if (stroke.size() < 2) continue;
      // Each contour starts at its top left point and comes back to it.
      const auto start = std::max_element(stroke.begin(), stroke.end(),
                                          [](auto a, auto b) { return a.y - a.x < b.y - b.x; });
      std::rotate(stroke.begin(), start, stroke.end());
      stroke.push_back(stroke.front());
      drafted.strokes.push_back(std::move(stroke));
    }
    std::stable_sort(drafted.strokes.begin(), drafted.strokes.end(),
                     [](const GridStroke& a, const GridStroke& b) {
                       if (a.front().y != b.front().y) return a.front().y > b.front().y;
                       return a.front().x < b.front().x;
                     });
  } else {
    Bitmap bitmap;
    PixelGrid place;
    render(unicode, doubleByte, grid, 0, bitmap, place);
    drafted.strokes = centreLineStrokes(bitmap, place);
  }
  if (doubleByte) keepTipsInCell(drafted.strokes, grid);
  return drafted;
}

FaceFile faceFileOf(const std::string& listed) {
  FaceFile found;
  if (listed.empty() || !FcInit()) return found;
  // Qt lists a family several foundries make as "Family [Foundry]".
  std::string family = listed, foundry;
  const size_t bracket = listed.rfind(" [");
  if (bracket != std::string::npos && listed.back() == ']') {
    family = listed.substr(0, bracket);
    foundry = listed.substr(bracket + 2, listed.size() - bracket - 3);
  }
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  if (!foundry.empty())
    FcPatternAddString(pattern, FC_FOUNDRY, reinterpret_cast<const FcChar8*>(foundry.c_str()));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return found;
  // Fontconfig always offers some face; only one of the family asked for will do.
  bool sameFamily = false;
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0) sameFamily = true;
  }
  FcChar8* maker = nullptr;
  if (!foundry.empty() && !(FcPatternGetString(match, FC_FOUNDRY, 0, &maker) == FcResultMatch &&
                            strcasecmp(reinterpret_cast<const char*>(maker), foundry.c_str()) == 0))
    sameFamily = false;
  FcChar8* file = nullptr;
  int index = 0;
  if (sameFamily && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    found.path = reinterpret_cast<const char*>(file);
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) found.index = index;
  }
  FcPatternDestroy(match);
  return found;
}

std::optional<GlyphPlacement> glyphPlacement(const FaceFile& face, char32_t unicode,
                                             bool doubleByte, DraftGrid grid, std::string* error) {
  const std::unique_ptr<GlyphDrafter> drafter = GlyphDrafter::open(face.path, face.index, error);
  GlyphPlacement placed;
  if (!drafter || !drafter->placement(unicode, doubleByte, grid, placed)) return std::nullopt;
  return placed;
}
