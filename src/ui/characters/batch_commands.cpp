#include "ui/characters/batch_commands.h"

#include <QStringList>

#include "editing/point_snapshot.h"
#include "shapefile/shpfile.h"
#include "ui/characters/list_caption.h"
#include "ui/document/font_document.h"
#include "ui/edits/delete_shapes_command.h"
#include "ui/edits/outline_command.h"
#include "ui/platform/prompts.h"

namespace {

constexpr int kNamedAtMost = 20;

bool sameOutline(const GShape& a, const GShape& b) {
  return a.width() == b.width() && PointSnapshot::of(a).samePath(PointSnapshot::of(b));
}

}  // namespace

BatchCommands::BatchCommands(FontDocument& document, Prompts& prompts)
    : document_(document), prompts_(prompts) {}

BatchCommands::Selected BatchCommands::selected() const {
  Selected selection;
  GShpFile* file = document_.file();
  if (!file) return selection;
  for (uint16_t code : document_.selection()) {
    GShape* shape = file->findShape(code);
    if (!shape) continue;
    selection.shapes.push_back(shape);
    selection.indices.push_back(file->indexOf(shape));
  }
  return selection;
}

QString BatchCommands::named(const std::vector<uint16_t>& codes) const {
  QStringList names;
  for (size_t i = 0; i < codes.size() && i < kNamedAtMost; ++i) {
    const GShape* shape = document_.file()->findShape(codes[i]);
    names << (shape ? listCaption(shape->listText(), codes[i]) : QString::number(codes[i]));
  }
  QString text = names.join(QStringLiteral("、"));
  if (codes.size() > kNamedAtMost) text += QStringLiteral(" 等 %1 个字符").arg(codes.size());
  return text;
}

std::optional<int> BatchCommands::askNumber(const QString& caption, const QString& prompt,
                                            int initial) {
  const std::optional<QString> typed =
      prompts_.inputText(caption, prompt, QString::number(initial));
  if (!typed) return std::nullopt;
  bool ok = false;
  const int value = typed->trimmed().toInt(&ok);
  if (!ok) {
    prompts_.ask(QStringLiteral("“%1”不是整数。").arg(*typed), Prompts::Question::OkError);
    return std::nullopt;
  }
  return value;
}

void BatchCommands::apply(const QString& name, const Selected& selection,
                          const BatchResult& result) {
  std::vector<OutlineCommand::Replaced> replaced;
  for (size_t i = 0; i < selection.shapes.size(); ++i) {
    const GShape& before = *selection.shapes[i];
    if (sameOutline(before, *result.after[i])) continue;
    replaced.push_back({selection.indices[i], OutlineCommand::outlineOf(before),
                        OutlineCommand::outlineOf(*result.after[i])});
  }
  if (replaced.empty()) return;
  document_.pushStep(new OutlineCommand(document_, name, std::move(replaced)));
}

void BatchCommands::transform() {
  const Selected selection = selected();
  if (selection.shapes.empty()) return;
  const GridRange range = GridRange::of(*document_.file());
  const GShape* current = document_.currentShape();
  const auto preview = [&](const Transform& shown) {
    if (!showPreview || !current) return;
    showPreview(std::move(transformShapes({current}, shown, range, OutOfRange::Report).after[0]));
  };
  const std::optional<Transform> chosen = prompts_.askTransform(lastTransform_, preview);
  if (showPreview) showPreview(nullptr);
  if (!chosen) return;
  lastTransform_ = *chosen;
  BatchResult result = transformShapes(selection.shapes, *chosen, range, OutOfRange::Report);
  if (!result.outOfRange.empty()) {
    const QString text =
        QStringLiteral(
            "变换会使这些字符的点超出网格范围：%1。\n按“确定”把这些点限制在网格内，"
            "按“取消”放弃变换。")
            .arg(named(result.outOfRange));
    if (prompts_.ask(text, Prompts::Question::OkCancelWarningCancel) != Prompts::Answer::Ok) return;
    result = transformShapes(selection.shapes, *chosen, range, OutOfRange::Clamp);
  }
  apply(QStringLiteral("变换"), selection, result);
}

void BatchCommands::centre() {
  const Selected selection = selected();
  if (selection.shapes.empty()) return;
  apply(QStringLiteral("居中"), selection, centreOnAdvance(selection.shapes));
}

void BatchCommands::fitToCell() {
  const Selected selection = selected();
  if (selection.shapes.empty()) return;
  const std::optional<int> margin = askNumber(
      QStringLiteral("适合格子"), QStringLiteral("离格子边缘的距离（单位）："), lastMargin_);
  if (!margin) return;
  lastMargin_ = *margin;
  const BatchResult result =
      ::fitToCell(selection.shapes, GridRange::of(*document_.file()), *margin);
  if (!result.refused.empty()) {
    prompts_.ask(QStringLiteral("边距 %1 使这些字符的格子里没有地方：%2。没有改变任何字符。")
                     .arg(*margin)
                     .arg(named(result.refused)),
                 Prompts::Question::OkError);
    return;
  }
  apply(QStringLiteral("适合格子"), selection, result);
}

void BatchCommands::setWidth() {
  const Selected selection = selected();
  if (selection.shapes.empty()) return;
  const std::optional<int> width =
      askNumber(QStringLiteral("设置宽度"), QStringLiteral("字符的宽度（0 到 255）："),
                selection.shapes.front()->width());
  if (!width) return;
  const BatchResult result = ::setWidth(selection.shapes, *width);
  if (!result.refused.empty()) {
    prompts_.ask(QStringLiteral("宽度 %1 超出 0 到 255 的范围，没有改变任何字符。").arg(*width),
                 Prompts::Question::OkError);
    return;
  }
  apply(QStringLiteral("设置宽度"), selection, result);
}

void BatchCommands::remove() {
  const Selected selection = selected();
  if (selection.shapes.empty()) return;
  if (prompts_.ask(QStringLiteral("要删除选中的 %1 个字符吗？").arg(selection.shapes.size()),
                   Prompts::Question::OkCancelWarningCancel) != Prompts::Answer::Ok) {
    return;
  }
  document_.pushStep(
      new DeleteShapesCommand(document_, QStringLiteral("删除字符"), selection.indices));
}
