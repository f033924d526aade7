#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class GShape;
class GShpFile;
class QUndoCommand;
class QUndoStack;

// How a character changed, which decides what its views redo.
enum class ShapeChange : uint8_t {
  Points,       // points added, moved or deleted; the source view shows it with its next rewrite
  PointsShown,  // as Points, and the source view shows the new text at once
  Outline,      // every point replaced (cut, paste): nothing may point to the old ones
  Restored,     // every point put back by an undo or a redo: as Outline, and shown at once
};

// The open font and what changes with it: the shape file, its path, the undo history,
// whether it is modified, the character being edited and the characters selected. Every
// change to the font is an undo step that makes its change in redo() and reports it here;
// the document emits one signal for each report, so the views follow without being told by
// the code that made the change.
//
// What is current and selected is kept by code. The current character is the first shape
// with its code; the selection holds codes of characters of the font, the current one among
// them: a character made current outside the selection becomes the selection alone.
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

  // The current character's code and shape (none: nothing is current).
  std::optional<uint16_t> current() const;
  GShape* currentShape() const { return currentShape_; }
  // The list bytes of the last current character. They outlive the shape: they name the last
  // character for the settings file and the next Open.
  const std::string& currentChar() const { return currentChar_; }
  // The selected characters' codes, in ascending order.
  const std::vector<uint16_t>& selection() const { return selection_; }

  // The character with `code` becomes current; none when the font holds no such character.
  void setCurrent(std::optional<uint16_t> code);
  // The user picks a character (the list, the preview, the overview, find): it becomes
  // current and `picked` follows, also when it was current already.
  void pick(std::optional<uint16_t> code);
  // Picks the character whose list bytes are `text`; where there is none, the current one
  // again. Returns whether the text named a character.
  bool pickText(const std::string& text);
  // Makes the character with the list bytes `text` current, without a pick; where there is
  // none, nothing is current and the bytes are kept as the last character (Open).
  void showText(const std::string& text);
  // The last character's bytes without a shape: what a settings file names.
  void setCurrentChar(const std::string& text);
  // Codes the font does not hold are dropped.
  void setSelection(std::vector<uint16_t> codes);

  // The code of the character after `shape` in code order, as the list shows them; none for
  // the last.
  std::optional<uint16_t> codeAfter(const GShape& shape) const;

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

  // Makes `file` the open font under `path` (null: none). No character is current or
  // selected and the grid takes the font's above and below; the history and the modified
  // state are left as they are.
  void setFile(std::unique_ptr<GShpFile> file, const std::string& path);
  // The open font is now kept under `path` (Save As).
  void setPath(const std::string& path);

  // Reports of what changed, each emitting its signal.
  // The points or the advance of `shape` changed. Restored points make the shape current.
  void shapeEdited(GShape* shape, ShapeChange change);
  // Only the selection of points in `shape` changed: no modification.
  void pointSelectionEdited(GShape* shape);
  // The kind, the grid metrics or the direction of the open font changed.
  void metricsEdited();
  // Characters were added or removed, or many outlines replaced at once: the views show the
  // characters anew, and the character with code `pickCode` is picked (none: nothing is).
  void shapesEdited(std::optional<uint16_t> pickCode);

  // Runs `step` as the next undo step: pushing it makes its change.
  void pushStep(QUndoCommand* step);
  void markChangedWithoutStep();
  // The history ends (New, Open, Close): the font counts as unchanged.
  void forgetSteps();
  void markSaved();

 signals:
  // A font was opened, created, imported or closed.
  void fileChanged();
  void pathChanged();
  // Emitted after each change of the current character, also when the same one is made
  // current again.
  void currentChanged();
  // The user picked a character; follows its currentChanged.
  void picked();
  void selectionChanged();
  void shapeChanged(GShape* shape, ShapeChange change);
  void pointSelectionChanged(GShape* shape);
  void shapesChanged();
  void metricsChanged();
  void modifiedChanged(bool modified);

 private:
  void makeCurrent(GShape* shape);
  // Selects the current character alone unless the selection holds it already; true when
  // that changed it.
  bool selectCurrent();
  // The code whose list bytes are `text` when the font holds that character.
  std::optional<uint16_t> codeHeld(const std::string& text) const;
  void updateModified();

  std::unique_ptr<GShpFile> file_;
  std::string path_;
  QUndoStack* undoStack_;
  bool modified_ = false;
  bool changedOutsideSteps_ = false;
  GShape* currentShape_ = nullptr;  // belongs to file_
  std::string currentChar_;
  std::vector<uint16_t> selection_;
  uint8_t gridAbove_ = 32;
  uint8_t gridBelow_ = 16;
};
