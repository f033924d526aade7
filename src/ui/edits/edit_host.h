#pragma once

#include <string>

class GShape;
class GShpFile;

// What an undo step needs of the window: the open file, and ways to show what the step
// restored.
class EditHost {
 public:
  virtual GShpFile* editedFile() = 0;
  // The character whose outline a step restored becomes current and selected in the list.
  virtual void showRestoredShape(GShape* shape) = 0;
  // The list is refilled after a step added or removed characters; the item with the list
  // bytes `text` is selected, or where there is none the item in `row` (-1: none).
  virtual void showChangedList(const std::string& text, int row) = 0;

 protected:
  ~EditHost() = default;
};
