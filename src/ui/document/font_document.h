#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

class GShape;
class GShpFile;
class QUndoCommand;
class QUndoStack;

// How a character changed, which decides what its views redo.
enum class ShapeChange : uint8_t {
  Points,       // points added, moved or deleted; the source view shows it with its next rewrite
  PointsShown,  // as Points, and the source view shows the new text at once
  Outline,      // every point replaced (cut, paste): nothing may point to the old ones
};

// The open font and what changes with it: the shape file, its path, the undo history,
// whether it is modified, and the character being edited. Every change to the font goes
// through here or is reported here by the code that made it, and the signals say what
// changed, so the views follow without being told by that code.
//
// While no font is open, the grid metrics and the defaults for a new font stay as the last
// font or settings file left them: New and Import take them.
class FontDocument : public QObject {
  Q_OBJECT
 public:
  explicit FontDocument(QObject* parent = nullptr);
  ~FontDocument() override;

  GShpFile* file() const { return file_.get(); }
  const std::string& path() const { return path_; }  // file-system encoding
  QUndoStack* undoStack() const { return undoStack_; }
  // True while the history is off its saved state or something outside the steps changed
  // the open font (a new font counts as such until it is saved).
  bool isModified() const { return modified_; }

  // The character being edited (null: none) and its list bytes. The bytes outlive the
  // shape: they name the last character for the settings file and the next Open.
  GShape* currentShape() const { return currentShape_; }
  const std::string& currentChar() const { return currentChar_; }

  uint8_t gridAbove() const { return gridAbove_; }
  uint8_t gridBelow() const { return gridBelow_; }
  // Both the width and the height of the grid: the 8-bit sum of above and below.
  uint8_t gridSide() const { return static_cast<uint8_t>(gridAbove_ + gridBelow_); }
  // Sets the grid metrics without a font change (the start, a font's own metrics come with
  // it); returns the side.
  uint8_t setGridMetrics(uint8_t above, uint8_t below);

  // Direction and grid size given to a new font: from the last settings file read, and the
  // grid size also from the last grid-size command.
  uint8_t newFontDirection = 0;
  uint8_t newFontGridIndex = 3;

  // Makes `file` the open font under `path` (null: none). No character is current and the
  // grid takes the font's above and below; the history and the modified state are left as
  // they are.
  void setFile(std::unique_ptr<GShpFile> file, const std::string& path);
  // The open font is now kept under `path` (Save As).
  void setPath(const std::string& path);

  void setCurrent(GShape* shape, const std::string& text);
  // The last character's bytes without a shape: what a settings file names.
  void setCurrentChar(const std::string& text);

  // Reports of what commands changed; each emits the matching signal.
  // The points or the advance of `shape` changed.
  void shapeEdited(GShape* shape, ShapeChange change);
  // Only the selection of points in `shape` changed: no modification.
  void selectionEdited(GShape* shape);
  // The kind, the grid metrics or the direction of the open font changed.
  void metricsEdited();

  // What the undo steps call. The points of `shape` were put back: it becomes current.
  void showRestoredShape(GShape* shape);
  // Characters were added or removed. No character is current until the list picks the one
  // with the list bytes `pickText`, or where there is none the one in list row `pickRow`
  // (-1: none).
  void showChangedShapes(const std::string& pickText, int pickRow);

  // Runs `step` (its change is made already) as the next undo step.
  void pushStep(QUndoCommand* step);
  void markChangedWithoutStep();
  // The history ends (New, Open, Close): the font counts as unchanged.
  void forgetSteps();
  void markSaved();

 signals:
  // A font was opened, created, imported or closed.
  void fileChanged();
  void pathChanged();
  void currentChanged();
  void shapeChanged(GShape* shape, ShapeChange change);
  void selectionChanged(GShape* shape);
  // An undo step put back the points of the current character.
  void shapeRestored(GShape* shape);
  void shapesChanged(const std::string& pickText, int pickRow);
  void metricsChanged();
  void modifiedChanged(bool modified);

 private:
  void updateModified();

  std::unique_ptr<GShpFile> file_;
  std::string path_;
  QUndoStack* undoStack_;
  bool modified_ = false;
  bool changedOutsideSteps_ = false;
  GShape* currentShape_ = nullptr;  // belongs to file_
  std::string currentChar_;
  uint8_t gridAbove_ = 32;
  uint8_t gridBelow_ = 16;
};
