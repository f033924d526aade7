#include "ui/edits/add_shapes_command.h"

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

AddShapesCommand::AddShapesCommand(FontDocument& document, int firstIndex,
                                   uint16_t characterCountBefore, std::string selectedBefore,
                                   std::string firstText)
    : QUndoCommand(QStringLiteral("添加字符")),
      document_(document),
      firstIndex_(firstIndex),
      characterCountBefore_(characterCountBefore),
      selectedBefore_(std::move(selectedBefore)),
      firstText_(std::move(firstText)) {}

AddShapesCommand::~AddShapesCommand() = default;

void AddShapesCommand::undo() {
  GShpFile& file = *document_.file();
  removed_ = file.takeShapesFrom(firstIndex_);
  file.setCharacterCount(characterCountBefore_);
  document_.showChangedShapes(selectedBefore_, -1);
}

void AddShapesCommand::redo() {
  if (pushed_) {
    document_.file()->appendShapes(std::move(removed_));
    removed_.clear();
    document_.showChangedShapes(firstText_, -1);
  }
  pushed_ = true;
}
