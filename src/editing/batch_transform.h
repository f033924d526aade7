#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class GShape;
class GShpFile;

// What is done to many characters at once (move, scale, slant, centre, fit, width), worked out
// on copies: the originals stay as they are, so a caller can show, refuse or apply the result
// as one step.

// Where a character's points may lie: on the grid the canvas draws and edits, columns 0 to
// side - 1 and rows -below to above - 1.
struct GridRange {
  int32_t side = 48;
  int32_t above = 32;
  int32_t below = 16;
  int32_t right() const { return side - 1; }
  int32_t top() const { return above - 1; }
  bool contains(int32_t x, int32_t y) const {
    return x >= 0 && x <= right() && y >= -below && y <= top();
  }
  static GridRange of(const GShpFile& file);
};

struct Transform {
  enum class Origin { CellMiddle, BaselineLeft };
  int32_t dx = 0, dy = 0;
  double scaleXPercent = 100, scaleYPercent = 100;
  Origin origin = Origin::CellMiddle;
  double slantDegrees = 0;  // positive leans the tops to the right, as italics do
  bool isIdentity() const {
    return dx == 0 && dy == 0 && scaleXPercent == 100 && scaleYPercent == 100 && slantDegrees == 0;
  }
};

// A point that would leave the grid is kept inside it (clamped) or makes the character one
// of those reported; points already outside before the change are not counted as leaving.
enum class OutOfRange { Report, Clamp };

struct BatchResult {
  // One shape per input shape, in the same order: the character after the change.
  std::vector<std::unique_ptr<GShape>> after;
  // The codes of the characters with a point that leaves the grid (in input order); with
  // OutOfRange::Clamp they are clamped and still listed.
  std::vector<uint16_t> outOfRange;
  // The codes whose result cannot be held at all (a width over 255); nothing should be applied.
  std::vector<uint16_t> refused;
  BatchResult();
  BatchResult(BatchResult&&) noexcept;
  BatchResult& operator=(BatchResult&&) noexcept;
  ~BatchResult();
};

// Scale about the origin, then slant about the origin's height, then move; every point rounded
// to the nearest grid unit.
BatchResult transformShapes(const std::vector<const GShape*>& shapes, const Transform& transform,
                            const GridRange& range, OutOfRange choice);
// Each character's ink moved sideways so it stands in the middle of its advance.
BatchResult centreOnAdvance(const std::vector<const GShape*>& shapes);
// Each character's ink scaled with its proportions kept and moved to fill its cell (from 0 to its
// advance but never past the grid's last column, from -below to the grid's top row) less
// `margin` units on every side. A margin that leaves no room refuses every character.
BatchResult fitToCell(const std::vector<const GShape*>& shapes, const GridRange& range,
                      int32_t margin);
// Every character takes the advance `width`; over 255 (what a shape can advance) is refused.
BatchResult setWidth(const std::vector<const GShape*>& shapes, int32_t width);

// Every shape of the file in file order, and the results of a change of them all put back.
std::vector<const GShape*> shapesOf(const GShpFile& file);
void applyToFile(GShpFile& file, const BatchResult& result);

// The box of a character's ink: every end of a pen-down segment (the path starts at the
// origin). Empty when nothing is drawn.
struct InkBox {
  bool empty = true;
  int32_t left = 0, right = 0, bottom = 0, top = 0;
};
InkBox inkBoxOf(const GShape& shape);
