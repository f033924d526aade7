#include "ui/document/font_document.h"

#include <QUndoStack>

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
  file_ = std::move(file);
  path_ = path;
  if (file_) setGridMetrics(file_->above(), file_->below());
  updateModified();
  emit fileChanged();
  emit pathChanged();
  emit currentChanged();
}

void FontDocument::setPath(const std::string& path) {
  path_ = path;
  emit pathChanged();
}

void FontDocument::setCurrent(GShape* shape, const std::string& text) {
  currentShape_ = shape;
  currentChar_ = text;
  emit currentChanged();
}

void FontDocument::setCurrentChar(const std::string& text) { currentChar_ = text; }

void FontDocument::shapeEdited(GShape* shape, ShapeChange change) {
  emit shapeChanged(shape, change);
}

void FontDocument::selectionEdited(GShape* shape) { emit selectionChanged(shape); }

void FontDocument::metricsEdited() {
  if (file_) setGridMetrics(file_->above(), file_->below());
  emit metricsChanged();
}

void FontDocument::showRestoredShape(GShape* shape) {
  emit shapeRestored(shape);
  emit shapeChanged(shape, ShapeChange::Outline);
  setCurrent(shape, shape->listText());
}

// The current character may be one of those removed: nothing is current until the pick.
void FontDocument::showChangedShapes(const std::string& pickText, int pickRow) {
  currentShape_ = nullptr;
  emit shapesChanged(pickText, pickRow);
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
