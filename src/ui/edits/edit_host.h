#pragma once

class GShape;

// What an undo step needs of the window: the character it changed, found by its place in
// the file's order, and a way to show that character once it has been restored.
class EditHost {
 public:
  virtual GShape* shapeAtFileIndex(int index) = 0;
  virtual void showRestoredShape(GShape* shape) = 0;

 protected:
  ~EditHost() = default;
};
