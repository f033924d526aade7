#include "ui/characters/character_commands.h"

#include "editing/character_sets.h"
#include "editing/point_snapshot.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/edits/add_shapes_command.h"
#include "ui/edits/delete_shape_command.h"
#include "ui/edits/outline_command.h"
#include "ui/platform/gbk.h"
#include "ui/platform/prompts.h"

namespace {

bool sameOutline(const GShape& a, const GShape& b) {
  return a.width() == b.width() && a.byteCount() == b.byteCount() &&
         PointSnapshot::of(a).samePath(PointSnapshot::of(b));
}

}  // namespace

CharacterCommands::CharacterCommands(FontDocument& document, Prompts& prompts, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts) {}

CharacterCommands::~CharacterCommands() = default;

// One add is one undo step, however many characters it appends.
void CharacterCommands::add() {
  GShpFile* file = document_.file();
  if (!file) return;
  const std::optional<std::string> text = prompts_.askCharacters();
  if (!text) return;
  // The characters are made in the file, where their order and widths are worked out, and
  // taken back out for the step to add.
  const int firstIndex = file->shapeCount();
  const uint16_t countBefore = file->characterCount();
  const AddedCharacters result = addCharacters(*file, *text, document_.gridSide());
  if (!result.added) {
    document_.pick(document_.current());
    return;
  }
  std::vector<std::unique_ptr<GShape>> added = file->takeShapesFrom(firstIndex);
  file->setCharacterCount(countBefore);
  document_.pushStep(new AddShapesCommand(document_, std::move(added),
                                          *GShape::codeOfListText(result.firstText),
                                          document_.current()));
}

// The item that followed the deleted one in the list takes its row.
void CharacterCommands::remove() {
  GShpFile* file = document_.file();
  if (!file || !document_.currentShape()) return;
  if (prompts_.ask(QStringLiteral("删除的字形将不可恢复，请再次确认是否真的要删除！"),
                   Prompts::Question::OkCancelWarningCancel) != Prompts::Answer::Ok) {
    return;
  }
  document_.pushStep(new DeleteShapeCommand(document_, file->indexOf(document_.currentShape())));
}

// A character is found by its one or two GBK bytes; nothing found leaves the selection.
void CharacterCommands::find() {
  if (!document_.file()) return;
  const QString typed = prompts_
                            .inputText(QStringLiteral("查找字符"),
                                       QStringLiteral("请输入您要查找的字符：     "), QString())
                            .value_or(QString());
  std::string bytes;
  try {
    bytes = toGbk(typed);
  } catch (const GbkError&) {
    prompts_.ask(QStringLiteral("“%1”中有GBK编码中没有的字符，无法查找。").arg(typed),
                 Prompts::Question::OkError);
    return;
  }
  document_.pickText(bytes.substr(0, 2));
}

void CharacterCommands::copy() {
  const GShape* shape = document_.currentShape();
  if (!shape) return;
  if (!clipShape_) clipShape_ = std::make_unique<GShape>();
  clipShape_->copyFrom(*shape);
  emit clipboardChanged();
}

// The character stays, with its advance and without points.
void CharacterCommands::cut() {
  const GShape* shape = document_.currentShape();
  if (!shape) return;
  copy();
  GShape emptied;
  emptied.copyFrom(*shape);
  emptied.deleteAll();
  replaceOutline(QStringLiteral("剪切"), emptied);
}

// The character keeps its code and takes the clipboard's points and advance.
void CharacterCommands::paste() {
  if (!clipShape_ || !document_.currentShape()) return;
  replaceOutline(QStringLiteral("粘贴"), *clipShape_);
}

// The source view shows the new outline after the next pick or rewriting edit.
void CharacterCommands::replaceOutline(const QString& stepName, const GShape& outline) {
  GShape& shape = *document_.currentShape();
  std::unique_ptr<GShape> after = OutlineCommand::outlineOf(shape);
  after->copyFrom(outline);
  if (sameOutline(shape, *after)) {
    // Nothing to undo, yet the points are new ones.
    shape.copyFrom(*after);
    document_.markChangedWithoutStep();
    document_.shapeEdited(&shape, ShapeChange::Outline);
    return;
  }
  document_.pushStep(new OutlineCommand(document_, stepName, document_.file()->indexOf(&shape),
                                        std::move(after), ShapeChange::Outline));
}
