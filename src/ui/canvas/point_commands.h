#pragma once

#include <cstdint>

#include "editing/mouse_gestures.h"

class CanvasPanel;
class FontDocument;

// The commands on the current character's points: selecting, deleting, arming an insert,
// and the editor keys that edit points. Each does nothing without an open font and a
// current character; the ones that act on "the point under the mouse" take the point the
// last click on the canvas hit.
class PointCommands {
 public:
  PointCommands(FontDocument& document, CanvasPanel& canvas);

  void selectLine();
  void invertSelection();
  void selectAll();
  void deselectAll();
  // The three delete commands mark the font modified even when nothing was there to delete.
  void deletePoint();
  void deleteSelected();
  void deleteAll();
  // A point before or after the point last hit: the next click in normal editing places it.
  void armInsert(PendingInsert kind);

  // The editor keys Insert and Delete.
  void addCursorPoint();
  void deleteSelectedByKey();

 private:
  FontDocument& document_;
  CanvasPanel& canvas_;
};
