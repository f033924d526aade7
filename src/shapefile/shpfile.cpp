#include "shapefile/shpfile.h"

#include "shapefile/font_rules.h"

#include <algorithm>

GShpFile::GShpFile() = default;

GShpFile::GShpFile(uint8_t above, uint8_t below)
    : above_(above),
      below_(below),
      width_(static_cast<uint8_t>(above + below)),
      height_(static_cast<uint8_t>(above + below)) {}

GShpFile::~GShpFile() = default;

uint8_t GShpFile::kind() const { return kind_; }
uint8_t GShpFile::above() const { return above_; }
uint8_t GShpFile::below() const { return below_; }
uint8_t GShpFile::width() const { return width_; }
uint8_t GShpFile::height() const { return height_; }
uint16_t GShpFile::characterCount() const { return characterCount_; }
uint8_t GShpFile::direction() const { return direction_; }
uint8_t GShpFile::gridIndex() const { return gridIndex_; }
const std::string& GShpFile::fontName() const { return fontName_; }

GShpFile::ShapeList& GShpFile::list() {
  if (!shapes_) shapes_ = std::make_unique<ShapeList>();
  return *shapes_;
}

bool GShpFile::setKind(uint8_t k) {
  if (k != kindAscii && k != kindUnifont && k != kindBigfont) return false;
  kind_ = k;
  return true;
}

void GShpFile::setFontName(const std::string& name) { fontName_ = name; }

bool GShpFile::setDirection(uint8_t d) {
  direction_ = d;
  return true;
}

bool GShpFile::setAbove(uint8_t v) {
  if (!list().empty()) return false;
  above_ = v;
  height_ = static_cast<uint8_t>(above_ + below_);
  return true;
}

bool GShpFile::setBelow(uint8_t v) {
  if (!list().empty()) return false;
  below_ = v;
  height_ = static_cast<uint8_t>(above_ + below_);
  return true;
}

bool GShpFile::setWidth(uint8_t v) {
  if (!list().empty()) return false;
  width_ = v;
  return true;
}

bool GShpFile::setGridIndex(uint8_t i) {
  gridIndex_ = i;
  // A font without descent keeps none.
  const HeightSplit split = splitHeight(gridSideOf(static_cast<int8_t>(i)), below_ != 0);
  setAbove(split.above);
  setBelow(split.below);
  return true;
}

int GShpFile::shapeCount() const { return shapes_ ? static_cast<int>(shapes_->size()) : 0; }

void GShpFile::countCode(const GShape& s, int change) {
  if (shapesPerCode_.empty()) shapesPerCode_.resize(65536);
  shapesPerCode_[s.code()] += static_cast<uint32_t>(change);
}

void GShpFile::clearShapes() {
  list().clear();
  shapesPerCode_.clear();
}

void GShpFile::addShape(std::unique_ptr<GShape> s) {
  if (!s) return;
  countCode(*s, +1);
  list().push_back(std::move(s));
  if (characterCount_ < shapes_->size()) characterCount_ = static_cast<uint16_t>(shapes_->size());
}

void GShpFile::removeShape(GShape* s) { takeShapeAt(indexOf(s)); }

std::unique_ptr<GShape> GShpFile::takeShapeAt(int index) {
  if (!shapeAt(index)) return nullptr;
  std::unique_ptr<GShape> taken = std::move((*shapes_)[index]);
  shapes_->erase(shapes_->begin() + index);
  countCode(*taken, -1);
  return taken;
}

void GShpFile::insertShapeAt(int index, std::unique_ptr<GShape> s) {
  if (!s) return;
  ShapeList& shapes = list();
  const auto at = static_cast<size_t>(std::clamp(index, 0, static_cast<int>(shapes.size())));
  countCode(*s, +1);
  shapes.insert(shapes.begin() + static_cast<std::ptrdiff_t>(at), std::move(s));
  if (characterCount_ < shapes.size()) characterCount_ = static_cast<uint16_t>(shapes.size());
}

std::vector<std::unique_ptr<GShape>> GShpFile::takeShapesFrom(int index) {
  std::vector<std::unique_ptr<GShape>> taken;
  if (!shapes_ || index < 0 || index >= shapeCount()) return taken;
  taken.assign(std::make_move_iterator(shapes_->begin() + index),
               std::make_move_iterator(shapes_->end()));
  shapes_->erase(shapes_->begin() + index, shapes_->end());
  for (const auto& s : taken) countCode(*s, -1);
  return taken;
}

void GShpFile::appendShapes(std::vector<std::unique_ptr<GShape>> shapes) {
  list().reserve(list().size() + shapes.size());
  for (auto& s : shapes) addShape(std::move(s));
}

void GShpFile::setCharacterCount(uint16_t count) { characterCount_ = count; }

std::pair<int, int> GShpFile::leadByteRange() const {
  int first = bigfontEscapeFirst, last = 0xFE;
  if (shapes_) {
    for (const auto& s : *shapes_) {
      // Text reaches a two-byte code only through a lead byte from 0x80 on; lower numbers are
      // shapes called by number.
      const int lead = s->code() >> 8;
      if (lead < 0x80) continue;
      first = std::min(first, lead);
      last = std::max(last, lead);
    }
  }
  return {first, last};
}

GShape* GShpFile::findShape(uint16_t code) {
  if (!hasShape(code)) return nullptr;
  for (const auto& s : *shapes_) {
    if (s->code() == code) return s.get();
  }
  return nullptr;
}

bool GShpFile::hasShape(uint16_t code) const {
  return !shapesPerCode_.empty() && shapesPerCode_[code] != 0;
}

GShape* GShpFile::findShapeByText(const std::string& text) {
  uint16_t code = 0;
  if (!text.empty()) {
    const auto lead = static_cast<unsigned char>(text[0]);
    code = lead;
    if (lead >= 0x80) {
      const unsigned trail = text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0;
      code = static_cast<uint16_t>(lead * 256 + trail);
    }
  }
  return findShape(code);
}

std::vector<const GShape*> GShpFile::shapesInCodeOrder() const {
  std::vector<const GShape*> shapes;
  if (!shapes_) return shapes;
  shapes.reserve(shapes_->size());
  for (const auto& s : *shapes_) shapes.push_back(s.get());
  std::stable_sort(shapes.begin(), shapes.end(),
                   [](const GShape* a, const GShape* b) { return a->code() < b->code(); });
  return shapes;
}

GShape* GShpFile::shapeAt(int index) const {
  if (!shapes_ || index < 0 || index >= static_cast<int>(shapes_->size())) return nullptr;
  return (*shapes_)[index].get();
}

GShape* GShpFile::first() {
  cursor_ = 0;
  return shapeAt(cursor_);
}

GShape* GShpFile::next() {
  ++cursor_;
  return shapeAt(cursor_);
}

const GShape* GShpFile::shapeAtIndex(int index) const { return shapeAt(index); }
GShape* GShpFile::shapeAtIndex(int index) { return shapeAt(index); }

int GShpFile::indexOf(const GShape* s) const {
  if (!shapes_ || !s) return -1;
  for (size_t i = 0; i < shapes_->size(); ++i) {
    if ((*shapes_)[i].get() == s) return static_cast<int>(i);
  }
  return -1;
}

void GShpFile::fillList(std::vector<std::string>& lines) const {
  if (!shapes_) return;
  lines.clear();
  for (const auto& s : *shapes_) lines.push_back(s->listText());
}

std::vector<GShape*> GShpFile::removeAllRepeats() {
  std::vector<GShape*> changed;
  if (!shapes_) return changed;
  for (const auto& s : *shapes_)
    if (s->removeRepeats()) changed.push_back(s.get());
  return changed;
}
