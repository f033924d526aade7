#include "ui/document/font_document.h"

#include <QUndoStack>
#include <algorithm>

#include "shapefile/shpfile.h"

namespace {

constexpr int kUndoLimit = 500;

}  // namespace

FontDocument::FontDocument(QObject* parent) : QObject(parent), undoStack_(new QUndoStack(this)) {
  undoStack_->setUndoLimit(kUndoLimit);
  connect(undoStack_, &QUndoStack::indexChanged, this, &FontDocument::updateModified);
  connect(undoStack_, &QUndoStack::cleanChanged, this, &FontDocument::updateModified);
}

// The steps hold shapes and point into the file: they go before it.
FontDocument::~FontDocument() {
  const QSignalBlocker quiet(undoStack_);
  undoStack_->clear();
}

uint8_t FontDocument::setGridMetrics(uint8_t above, uint8_t below) {
  gridAbove_ = above;
  gridBelow_ = below;
  return gridSide();
}

void FontDocument::setFile(std::unique_ptr<GShpFile> file, const std::string& path) {
  currentShape_ = nullptr;
  selection_.clear();
  file_ = std::move(file);
  path_ = path;
  if (file_) setGridMetrics(file_->above(), file_->below());
  updateModified();
  emit fileChanged();
  emit pathChanged();
  emit currentChanged();
  emit selectionChanged();
}

void FontDocument::setPath(const std::string& path) {
  path_ = path;
  emit pathChanged();
}

void FontDocument::makeCurrent(GShape* shape) {
  currentShape_ = shape;
  if (shape) {
    currentChar_ = shape->listText();
  } else {
    currentChar_.clear();
  }
  const bool selected = selectCurrent();
  emit currentChanged();
  if (selected) emit selectionChanged();
}

bool FontDocument::selectCurrent() {
  if (!currentShape_) return false;
  const uint16_t code = currentShape_->code();
  if (std::binary_search(selection_.begin(), selection_.end(), code)) return false;
  selection_.assign(1, code);
  return true;
}

std::optional<uint16_t> FontDocument::current() const {
  if (!currentShape_) return std::nullopt;
  return currentShape_->code();
}

std::optional<uint16_t> FontDocument::codeHeld(const std::string& text) const {
  const std::optional<uint16_t> code = GShape::codeOfListText(text);
  if (!file_ || !code || !file_->hasShape(*code)) return std::nullopt;
  return code;
}

void FontDocument::setCurrent(std::optional<uint16_t> code) {
  makeCurrent(file_ && code ? file_->findShape(*code) : nullptr);
}

void FontDocument::pick(std::optional<uint16_t> code) {
  setCurrent(code);
  emit picked();
}

bool FontDocument::pickText(const std::string& text) {
  const std::optional<uint16_t> code = codeHeld(text);
  pick(code ? code : current());
  return code.has_value();
}

void FontDocument::showText(const std::string& text) {
  if (const std::optional<uint16_t> code = codeHeld(text)) {
    setCurrent(code);
    return;
  }
  currentShape_ = nullptr;
  currentChar_ = text;
  emit currentChanged();
}

void FontDocument::setCurrentChar(const std::string& text) { currentChar_ = text; }

void FontDocument::setSelection(std::vector<uint16_t> codes) {
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  std::erase_if(codes, [this](uint16_t code) { return !file_ || !file_->hasShape(code); });
  if (codes == selection_) return;
  selection_ = std::move(codes);
  emit selectionChanged();
}

std::optional<uint16_t> FontDocument::codeAfter(const GShape& shape) const {
  if (!file_) return std::nullopt;
  const std::vector<const GShape*> ordered = file_->shapesInCodeOrder();
  const auto at = std::find(ordered.begin(), ordered.end(), &shape);
  if (at == ordered.end() || at + 1 == ordered.end()) return std::nullopt;
  return (*(at + 1))->code();
}

void FontDocument::shapeEdited(GShape* shape, ShapeChange change) {
  emit shapeChanged(shape, change);
  if (change == ShapeChange::Restored) makeCurrent(shape);
}

void FontDocument::pointSelectionEdited(GShape* shape) { emit pointSelectionChanged(shape); }

void FontDocument::metricsEdited() {
  if (file_) setGridMetrics(file_->above(), file_->below());
  emit metricsChanged();
}

// The current character may be one of those removed: nothing is current while the views
// show the characters anew.
void FontDocument::shapesEdited(std::optional<uint16_t> pickCode) {
  currentShape_ = nullptr;
  const size_t selected = selection_.size();
  std::erase_if(selection_, [this](uint16_t code) { return !file_->hasShape(code); });
  emit shapesChanged();
  if (selection_.size() != selected) emit selectionChanged();
  pick(pickCode);
}

void FontDocument::pushStep(QUndoCommand* step) { undoStack_->push(step); }

void FontDocument::markChangedWithoutStep() {
  changedOutsideSteps_ = true;
  updateModified();
}

void FontDocument::forgetSteps() {
  changedOutsideSteps_ = false;
  undoStack_->clear();
  updateModified();
}

void FontDocument::markSaved() {
  changedOutsideSteps_ = false;
  undoStack_->setClean();
  updateModified();
}

void FontDocument::updateModified() {
  const bool modified = file_ && (changedOutsideSteps_ || !undoStack_->isClean());
  if (modified == modified_) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}
