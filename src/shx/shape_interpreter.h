#pragma once

#include <cstdint>
#include <vector>

#include "shx/compiled_font.h"

// What drawing a shape program on the editor's whole-unit grid changed, and what it could
// not do.
struct ShapeReport {
  enum Fault : uint32_t {
    missingSubshape = 1,
    nestedTooDeep = 2,
    stackOverflow = 4,
    stackUnderflow = 8,
    noEndCode = 16,
    tooLong = 32,
    badScale = 64,
  };
  uint16_t code = 0;
  int arcs = 0;             // arcs drawn as runs of segments
  int roundedPoints = 0;    // points moved to the nearest whole place
  int verticalSkipped = 0;  // codes for vertical text only, passed over
  int subshapes = 0;        // subshapes drawn in place
  bool endMoved = false;    // the end point was not on the baseline
  uint32_t faults = 0;

  bool approximated() const {
    return arcs || roundedPoints || verticalSkipped || subshapes || endMoved || faults;
  }
};

struct InterpretedPoint {
  int32_t x, y;
  bool isVirtual;
};

struct InterpretedShape {
  // Every place the pen moves to, lifted or drawing; the lifted moves after the last drawn
  // one are not kept.
  std::vector<InterpretedPoint> points;
  int32_t endX = 0, endY = 0;  // where the pen stops
  ShapeReport report;
};

// Draws shape programs the way a CAD program does: the pen starts down at the origin, and
// each move lands on a point. Arcs become segments whose chords stay within a quarter of a
// unit of the arc; places are then rounded to whole units. Subshapes are drawn in place from
// the font's other shapes; nesting, stack depth and the work per shape are bounded, so no
// program can run away. The steps of all shapes drawn are bounded by the size of the font's
// programs as well, so that subshapes drawn over and over cannot make a small font draw
// millions of points: drawing text takes a step or two a program byte, its arcs a few dozen.
// A shape cut short by either bound reports tooLong.
class ShapeInterpreter {
 public:
  explicit ShapeInterpreter(const CompiledFont& font);
  InterpretedShape run(const CompiledShape& shape);

  static constexpr int maxNesting = 8;
  static constexpr int maxStackDepth = 4;
  // Steps of one shape: codes, displacement pairs and arc segments; its points are bounded
  // alike.
  static constexpr size_t maxSteps = 1'100'000;
  // Steps of all shapes of a font: minFontSteps, and stepsPerProgramByte for every byte of
  // its programs (a shape of maxSteps takes some 17 KB of them).
  static constexpr size_t minFontSteps = 65'536;
  static constexpr size_t stepsPerProgramByte = 64;

 private:
  const CompiledFont& font_;
  std::vector<int32_t> shapeIndex_;  // by code, the first shape with it; -1 for none
  double bigfontHeight_ = 0;
  size_t fontStepsLeft_ = minFontSteps;
};
