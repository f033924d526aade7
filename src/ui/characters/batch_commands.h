#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editing/batch_transform.h"

class FontDocument;
class GShape;
class Prompts;

// The 批量 commands: each acts on the selected characters as one undo step named after it
// and leaves every other character as it was. Nothing is half-applied: a change some
// character cannot hold is refused whole, or, for points leaving the grid, clamped when the
// user chooses so.
class BatchCommands {
 public:
  BatchCommands(FontDocument& document, Prompts& prompts);

  // Shows the current character as the 变换 dialog would leave it, or nothing (null) when the
  // dialog has closed.
  std::function<void(std::unique_ptr<GShape>)> showPreview;

  void transform();
  void centre();
  void fitToCell();
  void setWidth();
  void remove();

 private:
  struct Selected {
    std::vector<const GShape*> shapes;
    std::vector<int> indices;  // in the file, one per shape
  };
  Selected selected() const;
  // Pushes the changed outlines as one step named `name`; characters left as they were take
  // no part in it.
  void apply(const QString& name, const Selected& selection, const BatchResult& result);
  // The characters of codes, named for a message: the first few, then how many in all.
  QString named(const std::vector<uint16_t>& codes) const;
  // A whole number typed in the input box, or nothing (cancelled or not a number).
  std::optional<int> askNumber(const QString& caption, const QString& prompt, int initial);

  FontDocument& document_;
  Prompts& prompts_;
  Transform lastTransform_;
  int lastMargin_ = 1;
};
