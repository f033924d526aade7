#include "ui/edits/add_shapes_command.h"

#include "shapefile/shpfile.h"
#include "ui/edits/edit_host.h"

AddShapesCommand::AddShapesCommand(EditHost& host, int firstIndex, uint16_t characterCountBefore,
                                   std::string selectedBefore, std::string firstText)
    : QUndoCommand(QStringLiteral("添加字符")),
      host_(host),
      firstIndex_(firstIndex),
      characterCountBefore_(characterCountBefore),
      selectedBefore_(std::move(selectedBefore)),
      firstText_(std::move(firstText)) {}

AddShapesCommand::~AddShapesCommand() = default;

void AddShapesCommand::undo() {
  GShpFile& file = *host_.editedFile();
  removed_ = file.takeShapesFrom(firstIndex_);
  file.setCharacterCount(characterCountBefore_);
  host_.showChangedList(selectedBefore_, -1);
}

void AddShapesCommand::redo() {
  if (pushed_) {
    host_.editedFile()->appendShapes(std::move(removed_));
    removed_.clear();
    host_.showChangedList(firstText_, -1);
  }
  pushed_ = true;
}
