#include "ui/drafting/draft_commands.h"

#include <QEventLoop>
#include <QSettings>
#include <QTimer>
#include <thread>

#include "drafting/draft_many.h"
#include "platform/gbk_unicode.h"
#include "shapefile/shpfile.h"
#include "ui/characters/character_list.h"
#include "ui/document/font_document.h"
#include "ui/edits/outline_command.h"
#include "ui/platform/gbk.h"
#include "ui/reference/reference_underlay.h"

namespace {

const QString kModeKey = QStringLiteral("drafting/mode");
const QString kScopeKey = QStringLiteral("drafting/scope");
const QString kStepName = QStringLiteral("生成笔画");
constexpr int kWorkerThreads = 2;

DraftRequest requestFor(const GShape& shape) {
  return {unicodeOfGbk(shape.code()), shape.code() > 0xFF};
}

DraftMode modeOf(const Prompts::DraftChoice& choice) {
  return choice.mode == Prompts::DraftChoice::outline ? DraftMode::Outline : DraftMode::CentreLine;
}

QString captionOf(const GShape& shape) { return fromGbk(shape.listText()); }

}  // namespace

DraftCommands::DraftCommands(FontDocument& document, Prompts& prompts,
                             const ReferenceUnderlay& reference, const CharacterList& list,
                             QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), reference_(reference), list_(list) {}

std::optional<Prompts::DraftChoice> DraftCommands::ask(bool batch) {
  QSettings user;
  Prompts::DraftChoice last;
  last.mode = static_cast<Prompts::DraftChoice::Mode>(
      std::clamp(user.value(kModeKey, 0).toInt(), 0, 1));
  last.scope = static_cast<Prompts::DraftChoice::Scope>(
      std::clamp(user.value(kScopeKey, 0).toInt(), 0, 2));
  const std::optional<Prompts::DraftChoice> choice = prompts_.askDraft(last, batch);
  if (choice) {
    user.setValue(kModeKey, static_cast<int>(choice->mode));
    if (batch) user.setValue(kScopeKey, static_cast<int>(choice->scope));
  }
  return choice;
}

std::optional<FaceFile> DraftCommands::referenceFace() {
  const QString family = fromGbk(reference_.fontName());
  FaceFile face = faceFileOf(family.toStdString());
  if (face.path.empty()) {
    prompts_.showError(family.isEmpty()
                           ? QStringLiteral("请先在参考模式的“请选择字体”中选择一个参考字体。")
                           : QStringLiteral("找不到参考字体“%1”的字体文件。").arg(family));
    return std::nullopt;
  }
  return face;
}

void DraftCommands::draftCurrent() {
  GShape* shape = document_.currentShape();
  if (!document_.file() || !shape) return;
  const std::optional<Prompts::DraftChoice> choice = ask(false);
  if (!choice) return;
  const std::optional<FaceFile> face = referenceFace();
  if (!face) return;
  std::string error;
  const std::vector<DraftedGlyph> drafted =
      ::draftMany(*face, {requestFor(*shape)}, {document_.file()->above(), document_.file()->below()},
                  modeOf(*choice), 1, &error);
  if (drafted.empty()) {
    prompts_.showError(QString::fromStdString(error));
    return;
  }
  if (!drafted.front().found) {
    prompts_.showError(QStringLiteral("参考字体“%1”中没有字符“%2”。")
                           .arg(fromGbk(reference_.fontName()), captionOf(*shape)));
    return;
  }
  std::unique_ptr<GShape> before = OutlineCommand::outlineOf(*shape);
  putDraft(drafted.front(), *shape);
  document_.pushStep(new OutlineCommand(document_, kStepName, document_.file()->indexOf(shape),
                                        std::move(before), OutlineCommand::outlineOf(*shape)));
  document_.shapeEdited(shape, ShapeChange::Outline);
}

std::vector<int> DraftCommands::charactersOf(Prompts::DraftChoice::Scope scope) {
  GShpFile& file = *document_.file();
  std::vector<int> indices;
  if (scope == Prompts::DraftChoice::listSelection) {
    for (const QListWidgetItem* item : list_.selectedItems()) {
      const int index = file.indexOf(file.findShape(CharacterList::codeOf(item)));
      if (index >= 0) indices.push_back(index);
    }
    return indices;
  }
  for (int i = 0; i < file.shapeCount(); ++i) {
    if (scope == Prompts::DraftChoice::everyCharacter || file.shapeAtIndex(i)->pointCount() == 0)
      indices.push_back(i);
  }
  return indices;
}

// The drafting runs on its own thread (which drafts on both cores) while this one keeps the
// window's events going and the progress shown; the font changes only when all is drafted.
void DraftCommands::draftMany() {
  if (!document_.file()) return;
  const std::optional<Prompts::DraftChoice> choice = ask(true);
  if (!choice) return;
  const std::optional<FaceFile> face = referenceFace();
  if (!face) return;
  GShpFile& file = *document_.file();
  const std::vector<int> indices = charactersOf(choice->scope);
  if (indices.empty()) {
    prompts_.showReport(QStringLiteral("没有需要生成笔画的字符。"), QString());
    return;
  }
  std::vector<DraftRequest> requests;
  requests.reserve(indices.size());
  for (const int index : indices) requests.push_back(requestFor(*file.shapeAtIndex(index)));

  const DraftGrid grid{file.above(), file.below()};
  DraftProgress progress;
  std::atomic<bool> finished{false};
  std::vector<DraftedGlyph> drafted;
  std::string error;
  std::thread worker([&] {
    drafted = ::draftMany(*face, requests, grid, modeOf(*choice), kWorkerThreads, &error, &progress);
    finished = true;
  });
  {
    const std::unique_ptr<Prompts::Progress> shown =
        prompts_.showProgress(QStringLiteral("正在生成笔画："), static_cast<int>(indices.size()));
    QEventLoop waiting;
    QTimer poll;
    poll.setInterval(30);
    connect(&poll, &QTimer::timeout, &waiting, [&] {
      if (!shown->update(progress.done)) progress.cancelled = true;
      if (finished) waiting.quit();
    });
    poll.start();
    waiting.exec();
  }
  worker.join();
  if (progress.cancelled) return;
  if (drafted.empty()) {
    prompts_.showError(QString::fromStdString(error));
    return;
  }

  std::vector<OutlineCommand::Replaced> replaced;
  QStringList lacking;
  for (size_t i = 0; i < indices.size(); ++i) {
    GShape& shape = *file.shapeAtIndex(indices[i]);
    if (!drafted[i].found) {
      lacking << captionOf(shape);
      continue;
    }
    std::unique_ptr<GShape> before = OutlineCommand::outlineOf(shape);
    putDraft(drafted[i], shape);
    replaced.push_back({indices[i], std::move(before), OutlineCommand::outlineOf(shape)});
  }
  const int made = static_cast<int>(replaced.size());
  if (made > 0) {
    const std::string current = document_.currentChar();
    document_.pushStep(new OutlineCommand(document_, kStepName, std::move(replaced)));
    document_.showChangedShapes(current, -1);
  }
  prompts_.showReport(
      lacking.isEmpty()
          ? QStringLiteral("已生成 %1 个字符的笔画。").arg(made)
          : QStringLiteral("已生成 %1 个字符的笔画；参考字体中没有 %2 个字符，它们保持不变。")
                .arg(made)
                .arg(lacking.size()),
      lacking.join(QLatin1Char(' ')));
}
