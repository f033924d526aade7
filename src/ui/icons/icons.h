#pragma once

#include <QIcon>

// The tool bar and menu glyphs, by their index in the window's image list. They are drawn
// as vector shapes on a 32 x 32 design and rendered at every size the icon is asked for.
enum class IconIndex {
  New = 0,
  Open = 1,
  Save = 2,
  SaveAs = 3,
  Help = 7,
  About = 8,
  Exit = 10,
  Close = 11,
  Cut = 14,
  Copy = 15,
  Paste = 16,
  Undo = 17,
  Redo = 18,
};

QIcon commandIcon(IconIndex index);
