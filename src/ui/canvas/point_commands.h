#pragma once

#include <cstdint>

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
  // 1 virtual before, 2 real before, 3 virtual after, 4 real after the point last hit: the
  // next click in normal editing places it.
  void armInsert(uint8_t kind);

  // The editor keys Insert and Delete.
  void addCursorPoint();
  void deleteSelectedByKey();

 private:
  FontDocument& document_;
  CanvasPanel& canvas_;
};
