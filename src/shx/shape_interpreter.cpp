#include "shx/shape_interpreter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace {

// The sixteen directions of a vector byte, x and y of one unit of length.
constexpr double vectorX[16] = {1, 1, 1, 0.5, 0, -0.5, -1, -1, -1, -1, -1, -0.5, 0, 0.5, 1, 1};
constexpr double vectorY[16] = {0, 0.5, 1, 1, 1, 1, 1, 0.5, 0, -0.5, -1, -1, -1, -1, -1, -0.5};

constexpr double octantAngle = std::numbers::pi / 4;
constexpr double largestPlace = 1e9;  // far beyond any grid, still a 32-bit number
constexpr double chordDeviation = 0.25;
constexpr int maxArcSegments = 4096;

// Raised when a program ends inside a code's operands.
struct ProgramEnds {};
// Raised when a shape has used up its work; drawing stops there.
struct WorkUsedUp {};

class Machine {
 public:
  Machine(const CompiledFont& font, const std::vector<int32_t>& shapeIndex, double bigfontHeight,
          size_t maxSteps, InterpretedShape& out)
      : font_(font),
        shapeIndex_(shapeIndex),
        bigfontHeight_(bigfontHeight),
        maxSteps_(maxSteps),
        out_(out) {}

  void draw(std::string_view program, int nesting) {
    penDown_ = true;  // every shape, a subshape too, begins with the pen down
    Cursor in{program};
    bool verticalOnly = false;
    try {
      for (;;) {
        if (in.at >= program.size()) {
          fault(ShapeReport::noEndCode);
          return;
        }
        const uint8_t code = in.byte();
        if (code == 0) return;
        const bool act = !verticalOnly;
        if (verticalOnly) ++out_.report.verticalSkipped;
        verticalOnly = code == 14;
        step(code, in, act, nesting);
      }
    } catch (const ProgramEnds&) {
      fault(ShapeReport::noEndCode);
    }
  }

  void finish() {
    while (!out_.points.empty() && out_.points.back().isVirtual) out_.points.pop_back();
    out_.endX = rounded(x_);
    out_.endY = rounded(y_);
    out_.report.endMoved = out_.endY != 0;
  }

  size_t stepsTaken() const { return std::min(steps_, maxSteps_); }

 private:
  struct Cursor {
    std::string_view program;
    size_t at = 0;
    uint8_t byte() {
      if (at >= program.size()) throw ProgramEnds{};
      return static_cast<uint8_t>(program[at++]);
    }
    int8_t signedByte() { return static_cast<int8_t>(byte()); }
  };

  void step(uint8_t code, Cursor& in, bool act, int nesting) {
    countStep();
    switch (code) {
      case 1:
      case 2:
        if (act) penDown_ = code == 1;
        break;
      case 3:
      case 4: {
        const uint8_t factor = in.byte();
        if (!act) break;
        if (factor == 0) {
          fault(ShapeReport::badScale);
        } else {
          scale_ = code == 3 ? scale_ / factor : scale_ * factor;
        }
        break;
      }
      case 5:
        if (!act) break;
        if (stack_.size() == ShapeInterpreter::maxStackDepth) {
          fault(ShapeReport::stackOverflow);
        } else {
          stack_.push_back({x_, y_});
        }
        break;
      case 6:
        if (!act) break;
        if (stack_.empty()) {
          fault(ShapeReport::stackUnderflow);
        } else {
          const auto [x, y] = stack_.back();
          stack_.pop_back();
          moveTo(x, y, true);
        }
        break;
      case 7:
        subshape(in, act, nesting);
        break;
      case 8: {
        const int8_t dx = in.signedByte(), dy = in.signedByte();
        if (act) moveBy(dx, dy);
        break;
      }
      case 9:
        for (;;) {
          const int8_t dx = in.signedByte(), dy = in.signedByte();
          if (dx == 0 && dy == 0) break;
          if (act) moveBy(dx, dy);
          countStep();
        }
        break;
      case 10: {
        const uint8_t radius = in.byte(), octants = in.byte();
        if (act) octantArc(radius, octants);
        break;
      }
      case 11: {
        uint8_t operand[5];
        for (uint8_t& b : operand) b = in.byte();
        if (act) fractionalArc(operand);
        break;
      }
      case 12: {
        const int8_t dx = in.signedByte(), dy = in.signedByte(), bulge = in.signedByte();
        if (act) bulgeArc(dx, dy, bulge);
        break;
      }
      case 13:
        for (;;) {
          const int8_t dx = in.signedByte(), dy = in.signedByte();
          if (dx == 0 && dy == 0) break;
          const int8_t bulge = in.signedByte();
          if (act) bulgeArc(dx, dy, bulge);
          countStep();
        }
        break;
      case 14:
      case 15:
        break;
      default: {
        const int length = code >> 4, direction = code & 15;
        if (act) moveBy(vectorX[direction] * length, vectorY[direction] * length);
        break;
      }
    }
  }

  void subshape(Cursor& in, bool act, int nesting) {
    uint16_t number = 0;
    double placeX = 0, placeY = 0, size = 0;
    if (font_.kind == CompiledKind::unifont) {
      number = static_cast<uint16_t>(in.byte() << 8);
      number = static_cast<uint16_t>(number | in.byte());
    } else {
      number = in.byte();
      if (font_.kind == CompiledKind::bigfont && number == 0) {
        number = static_cast<uint16_t>(in.byte() << 8);
        number = static_cast<uint16_t>(number | in.byte());
        placeX = in.signedByte();
        placeY = in.signedByte();
        in.byte();  // the width: the subshape is scaled by its height alone
        size = in.byte();
      }
    }
    if (!act) return;
    const int32_t index = shapeIndex_[number];
    if (index < 0) {
      fault(ShapeReport::missingSubshape);
      return;
    }
    if (nesting == ShapeInterpreter::maxNesting) {
      fault(ShapeReport::nestedTooDeep);
      return;
    }
    ++out_.report.subshapes;
    const double scaleBefore = scale_;
    if (size > 0 && bigfontHeight_ > 0) {
      moveTo(x_ + placeX * scale_, y_ + placeY * scale_, false);
      scale_ *= size / bigfontHeight_;
    }
    draw(font_.shapes[static_cast<size_t>(index)].bytes, nesting + 1);
    scale_ = scaleBefore;
  }

  void moveBy(double dx, double dy) { moveTo(x_ + dx * scale_, y_ + dy * scale_, !penDown_); }

  void moveTo(double x, double y, bool lifted) {
    x_ = x;
    y_ = y;
    emit(x, y, lifted);
  }

  void emit(double x, double y, bool lifted) {
    if (out_.points.size() >= ShapeInterpreter::maxSteps) {
      fault(ShapeReport::tooLong);
      throw WorkUsedUp{};
    }
    const int32_t px = rounded(x), py = rounded(y);
    if (std::abs(px - x) > 1e-6 || std::abs(py - y) > 1e-6) ++out_.report.roundedPoints;
    out_.points.push_back({px, py, lifted});
  }

  // The arc around (cx, cy) from angle start through sweep (positive counter-clockwise).
  void arc(double cx, double cy, double radius, double start, double sweep) {
    const double endX = cx + radius * std::cos(start + sweep);
    const double endY = cy + radius * std::sin(start + sweep);
    if (!std::isfinite(endX) || !std::isfinite(endY)) {
      fault(ShapeReport::badScale);
      return;
    }
    if (!penDown_) {
      moveTo(endX, endY, true);
      return;
    }
    ++out_.report.arcs;
    const double widest =
        radius > chordDeviation ? 2 * std::acos(1 - chordDeviation / radius) : 2 * std::numbers::pi;
    // Compared as a double: the widest chord of a huge radius comes out 0, the quotient
    // infinite.
    const double wanted = std::ceil(std::abs(sweep) / widest);
    const int segments =
        wanted < maxArcSegments ? std::max(static_cast<int>(wanted), 1) : maxArcSegments;
    for (int i = 1; i < segments; ++i) {
      // Every place is work, the ones the grid merges too.
      countStep();
      const double angle = start + sweep * i / segments;
      const double x = cx + radius * std::cos(angle), y = cy + radius * std::sin(angle);
      // Places the grid merges are drawn once.
      const InterpretedPoint& last = out_.points.empty() ? origin_ : out_.points.back();
      if (last.x == rounded(x) && last.y == rounded(y)) continue;
      emit(x, y, false);
    }
    moveTo(endX, endY, false);
  }

  void arcFromHere(double radius, double start, double sweep) {
    arc(x_ - radius * std::cos(start), y_ - radius * std::sin(start), radius, start, sweep);
  }

  // The top bit of the octant byte is set for a clockwise arc; then come the first octant
  // and the number of octants (0 for a whole circle).
  void octantArc(uint8_t radius, uint8_t octants) {
    const bool clockwise = octants & 0x80;
    const int first = (octants >> 4) & 7;
    const int span = (octants & 7) == 0 ? 8 : octants & 7;
    const double sweep = span * octantAngle * (clockwise ? -1 : 1);
    if (radius == 0) return;
    arcFromHere(radius * scale_, first * octantAngle, sweep);
  }

  // Starts and ends between octant boundaries, in 256ths of an octant.
  void fractionalArc(const uint8_t (&operand)[5]) {
    const double startOffset = operand[0], endOffset = operand[1] == 0 ? 256 : operand[1];
    const double radius = (operand[2] << 8 | operand[3]) * scale_;
    const uint8_t octants = operand[4];
    const bool clockwise = octants & 0x80;
    const int first = (octants >> 4) & 7, span = octants & 7;
    if (radius == 0) return;
    const double fraction = octantAngle / 256;
    double start, end;
    if (clockwise) {
      start = first * octantAngle - startOffset * fraction;
      end = (first - span + 1) * octantAngle - endOffset * fraction;
    } else {
      start = first * octantAngle + startOffset * fraction;
      end = (first + span - 1) * octantAngle + endOffset * fraction;
    }
    double sweep = clockwise ? start - end : end - start;
    sweep = std::fmod(sweep, 2 * std::numbers::pi);
    if (sweep <= 0) sweep += 2 * std::numbers::pi;
    arcFromHere(radius, start, clockwise ? -sweep : sweep);
  }

  // A bulge of ±127 is a half circle; positive bends counter-clockwise.
  void bulgeArc(int8_t dx, int8_t dy, int8_t bulge) {
    if (bulge == 0 || !penDown_ || (dx == 0 && dy == 0)) {
      moveBy(dx, dy);
      return;
    }
    const double x1 = x_ + dx * scale_, y1 = y_ + dy * scale_;
    const double chordX = x1 - x_, chordY = y1 - y_;
    const double chord = std::hypot(chordX, chordY);
    const double k = std::max(static_cast<int>(bulge), -127) / 127.0;
    const double theta = 4 * std::atan(std::abs(k));
    const double radius = chord / (2 * std::sin(theta / 2));
    const double toCentre = (chord / 2) / std::tan(theta / 2) * (k > 0 ? 1 : -1);
    const double cx = (x_ + x1) / 2 - chordY / chord * toCentre;
    const double cy = (y_ + y1) / 2 + chordX / chord * toCentre;
    const double start = std::atan2(y_ - cy, x_ - cx);
    arc(cx, cy, radius, start, k > 0 ? theta : -theta);
    x_ = x1;  // exactly where the displacement ends
    y_ = y1;
  }

  void countStep() {
    if (++steps_ > maxSteps_) {
      fault(ShapeReport::tooLong);
      throw WorkUsedUp{};
    }
  }

  void fault(ShapeReport::Fault f) { out_.report.faults |= f; }

  static int32_t rounded(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int32_t>(std::lround(std::clamp(v, -largestPlace, largestPlace)));
  }

  const CompiledFont& font_;
  const std::vector<int32_t>& shapeIndex_;
  const double bigfontHeight_;
  const size_t maxSteps_;
  InterpretedShape& out_;
  const InterpretedPoint origin_{0, 0, true};
  double x_ = 0, y_ = 0, scale_ = 1;
  bool penDown_ = true;
  std::vector<std::pair<double, double>> stack_;
  size_t steps_ = 0;
};

}  // namespace

ShapeInterpreter::ShapeInterpreter(const CompiledFont& font) : font_(font), shapeIndex_(65536, -1) {
  for (size_t i = font.shapes.size(); i-- > 0;) {
    shapeIndex_[font.shapes[i].code] = static_cast<int32_t>(i);
  }
  if (font.kind == CompiledKind::bigfont && !font.headerBytes.empty()) {
    bigfontHeight_ = static_cast<uint8_t>(font.headerBytes[0]);
  }
  for (const CompiledShape& shape : font.shapes) {
    fontStepsLeft_ += stepsPerProgramByte * shape.bytes.size();
  }
}

InterpretedShape ShapeInterpreter::run(const CompiledShape& shape) {
  InterpretedShape out;
  out.report.code = shape.code;
  out.points.reserve(shape.bytes.size());  // most bytes draw at most one point
  Machine machine(font_, shapeIndex_, bigfontHeight_, std::min(maxSteps, fontStepsLeft_), out);
  try {
    machine.draw(shape.bytes, 0);
  } catch (const WorkUsedUp&) {
    // what was drawn so far is kept, and the report says the shape was cut short
  }
  machine.finish();
  fontStepsLeft_ -= machine.stepsTaken();
  return out;
}
