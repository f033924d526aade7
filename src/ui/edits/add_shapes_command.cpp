#include "ui/edits/add_shapes_command.h"

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

AddShapesCommand::AddShapesCommand(FontDocument& document,
                                   std::vector<std::unique_ptr<GShape>> added, uint16_t pickCode,
                                   std::optional<uint16_t> currentBefore)
    : QUndoCommand(QStringLiteral("添加字符")),
      document_(document),
      firstIndex_(document.file()->shapeCount()),
      characterCountBefore_(document.file()->characterCount()),
      pickCode_(pickCode),
      currentBefore_(currentBefore),
      added_(std::move(added)) {}

AddShapesCommand::~AddShapesCommand() = default;

void AddShapesCommand::undo() {
  GShpFile& file = *document_.file();
  added_ = file.takeShapesFrom(firstIndex_);
  file.setCharacterCount(characterCountBefore_);
  document_.shapesEdited(currentBefore_);
}

void AddShapesCommand::redo() {
  document_.file()->appendShapes(std::move(added_));
  added_.clear();
  document_.shapesEdited(pickCode_);
}
