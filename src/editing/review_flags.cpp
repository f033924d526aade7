#include "editing/review_flags.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#include "editing/batch_transform.h"
#include "model/shape.h"
#include "platform/gbk_unicode.h"
#include "shapefile/shpfile.h"

namespace {

bool isHanzi(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0xF900 && c <= 0xFAFF);
}

char32_t unicodeOf(uint16_t code, uint8_t kind) {
  if (kind == GShpFile::kindUnifont) return code;
  if (kind == GShpFile::kindBigfont && code > 0xFF) return unicodeOfGbk(code);
  return 0;
}

// The reasons as GBK bytes, so they go to the window as every other character text does.
// 没有落笔的笔画 / 短于半个单位的笔画 / 墨迹超出格子 / 笔画数与 Unihan 相差超过 40%
constexpr const char* kNoStrokeText = "\xC3\xBB\xD3\xD0\xC2\xE4\xB1\xCA\xB5\xC4\xB1\xCA\xBB\xAD";
constexpr const char* kShortStrokeText =
    "\xB6\xCC\xD3\xDA\xB0\xEB\xB8\xF6\xB5\xA5\xCE\xBB\xB5\xC4\xB1\xCA\xBB\xAD";
constexpr const char* kInkOutsideText = "\xC4\xAB\xBC\xA3\xB3\xAC\xB3\xF6\xB8\xF1\xD7\xD3";
constexpr const char* kStrokeCountText = "\xB1\xCA\xBB\xAD\xCA\xFD ";
constexpr const char* kCountsMissingText =
    "\xCE\xDE Unihan \xB1\xCA\xBB\xAD\xCA\xFD\xA3\xAC\xB2\xBB\xBC\xEC\xB2\xE9\xB1\xCA\xBB\xAD\xCA"
    "\xFD";  // 无 Unihan 笔画数，不检查笔画数

}  // namespace

ReviewRules ReviewRules::of(const GShpFile& file, const StrokeCounts* counts) {
  return {file.above(), file.below(), file.kind(), counts};
}

CharacterReview reviewOf(const GShape& shape, const ReviewRules& rules) {
  CharacterReview review;
  review.code = shape.code();
  // The cell: the grid the canvas edits, and no farther right than the advance.
  const GridRange grid{rules.above + rules.below, rules.above, rules.below};
  auto outside = [&](int32_t x, int32_t y) { return !grid.contains(x, y) || x > shape.width(); };
  int32_t px = 0, py = 0;
  bool inStroke = false;
  double length = 0;
  auto endStroke = [&] {
    if (inStroke && length < 0.5) review.flags |= kShortStroke;
    inStroke = false;
    length = 0;
  };
  for (const GPoint& p : shape.points()) {
    if (p.isVirtual) {
      endStroke();
    } else {
      if (!inStroke) ++review.strokes;
      inStroke = true;
      length += std::hypot(double(p.x) - px, double(p.y) - py);
      if (outside(px, py) || outside(p.x, p.y)) review.flags |= kInkOutside;
    }
    px = p.x;
    py = p.y;
  }
  endStroke();
  if (review.strokes == 0) review.flags |= kNoStroke;
  const char32_t unicode = unicodeOf(shape.code(), rules.kind);
  if (rules.countsStrokes() && isHanzi(unicode)) {
    const auto known = rules.strokeCounts->find(unicode);
    if (known != rules.strokeCounts->end()) {
      review.expectedStrokes = known->second;
      if (review.strokes > 0 && std::abs(review.strokes - known->second) > 0.4 * known->second)
        review.flags |= kStrokeCountOff;
    }
  }
  return review;
}

int severityOf(uint8_t flags) {
  // The most serious flag decides, the number of flags breaks a tie.
  int worst = 0;
  if (flags & kShortStroke) worst = 1;
  if (flags & kInkOutside) worst = 2;
  if (flags & kStrokeCountOff) worst = 3;
  if (flags & kNoStroke) worst = 4;
  return worst * 8 + std::popcount(flags);
}

std::vector<CharacterReview> flaggedCharacters(const GShpFile& file, const ReviewRules& rules) {
  std::vector<CharacterReview> flagged;
  for (const GShape* shape : file.shapesInCodeOrder()) {
    CharacterReview review = reviewOf(*shape, rules);
    if (review.flags) flagged.push_back(review);
  }
  std::stable_sort(flagged.begin(), flagged.end(),
                   [](const CharacterReview& a, const CharacterReview& b) {
                     return severityOf(a.flags) > severityOf(b.flags);
                   });
  return flagged;
}

std::string reasonsOf(const CharacterReview& review, const ReviewRules& rules) {
  std::string text;
  auto line = [&text](const std::string& reason) {
    if (!text.empty()) text += '\n';
    text += reason;
  };
  if (review.flags & kNoStroke) line(kNoStrokeText);
  if (review.flags & kShortStroke) line(kShortStrokeText);
  if (review.flags & kInkOutside) line(kInkOutsideText);
  if (review.flags & kStrokeCountOff)
    line(kStrokeCountText + std::to_string(review.strokes) + " / Unihan " +
         std::to_string(review.expectedStrokes));
  if (!rules.countsStrokes() && isHanzi(unicodeOf(review.code, rules.kind)))
    line(kCountsMissingText);
  return text;
}
