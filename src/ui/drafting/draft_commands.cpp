#include "ui/drafting/draft_commands.h"

#include <QFutureWatcher>
#include <QSettings>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "drafting/draft_many.h"
#include "drafting/stroke_data.h"
#include "platform/gbk_unicode.h"
#include "shapefile/font_rules.h"
#include "shapefile/shpfile.h"
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
  return {unicodeOfGbk(shape.code()), isDoubleByte(shape.code())};
}

DraftMode modeOf(const Prompts::DraftChoice& choice) {
  switch (choice.mode) {
    case Prompts::DraftChoice::outline:
      return DraftMode::Outline;
    case Prompts::DraftChoice::strokeData:
      return DraftMode::StrokeData;
    case Prompts::DraftChoice::centreLine:
      break;
  }
  return DraftMode::CentreLine;
}

QString strokeDataMissing() {
  const StrokeDataStatus status = strokeDataStatus();
  if (status.installed) return QString();
  return QStringLiteral("没有安装笔顺数据。") + QString::fromStdString(status.message);
}

// Where the characters a choice drafts are missing from, for the reports.
QString sourceName(const Prompts::DraftChoice& choice, const std::string& faceName) {
  return choice.mode == Prompts::DraftChoice::strokeData
             ? QStringLiteral("笔顺数据")
             : QStringLiteral("参考字体“%1”").arg(fromGbk(faceName));
}

QString captionOf(const GShape& shape) { return fromGbk(shape.listText()); }

}  // namespace

// A running batch: what it drafts, where those characters are, and how far it is.
struct DraftCommands::Batch {
  Prompts::DraftChoice choice;
  QString source;  // what it drafts from, named for the report
  const GShpFile* file;
  std::vector<int> indices;
  std::vector<const GShape*> shapes;  // at those indices when the batch started
  DraftProgress progress;
  std::string error;
  std::unique_ptr<Prompts::Progress> shown;
  QTimer poll;
  QFutureWatcher<std::vector<DraftedGlyph>> watcher;
};

DraftCommands::DraftCommands(FontDocument& document, Prompts& prompts,
                             const ReferenceUnderlay& reference, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), reference_(reference) {}

// A batch still running is stopped; its workers write into it until they return.
DraftCommands::~DraftCommands() {
  if (!batch_) return;
  batch_->progress.cancelled = true;
  batch_->watcher.waitForFinished();
}

// A scope given is proposed and kept, and not remembered as the user's choice.
std::optional<Prompts::DraftChoice> DraftCommands::ask(
    bool batch, std::optional<Prompts::DraftChoice::Scope> scope) {
  QSettings user;
  Prompts::DraftChoice last;
  last.mode =
      static_cast<Prompts::DraftChoice::Mode>(std::clamp(user.value(kModeKey, 0).toInt(), 0, 2));
  last.scope = scope.value_or(
      static_cast<Prompts::DraftChoice::Scope>(std::clamp(user.value(kScopeKey, 0).toInt(), 0, 2)));
  std::optional<Prompts::DraftChoice> choice = prompts_.askDraft(last, batch, strokeDataMissing());
  if (!choice) return choice;
  user.setValue(kModeKey, static_cast<int>(choice->mode));
  if (scope) {
    choice->scope = *scope;
  } else if (batch) {
    user.setValue(kScopeKey, static_cast<int>(choice->scope));
  }
  return choice;
}

std::optional<FaceFile> DraftCommands::sourceFace(const Prompts::DraftChoice& choice) {
  if (choice.mode != Prompts::DraftChoice::strokeData) return referenceFace();
  const QString missing = strokeDataMissing();
  if (missing.isEmpty()) return FaceFile{};
  prompts_.showError(missing);
  return std::nullopt;
}

std::optional<FaceFile> DraftCommands::referenceFace(bool showErrors) {
  const QString family = fromGbk(reference_.fontName());
  FaceFile face = faceFileOf(family.toStdString());
  if (face.path.empty()) {
    if (showErrors)
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
  const std::optional<Prompts::DraftChoice> choice = ask(false, std::nullopt);
  if (!choice) return;
  const std::optional<FaceFile> face = sourceFace(*choice);
  if (!face) return;
  std::string error;
  const std::vector<DraftedGlyph> drafted = ::draftMany(
      *face, {requestFor(*shape)}, {document_.file()->above(), document_.file()->below()},
      modeOf(*choice), 1, &error);
  if (drafted.empty()) {
    prompts_.showError(QString::fromStdString(error));
    return;
  }
  if (!drafted.front().found) {
    prompts_.showError(QStringLiteral("%1中没有字符“%2”。")
                           .arg(sourceName(*choice, reference_.fontName()), captionOf(*shape)));
    return;
  }
  std::unique_ptr<GShape> after = OutlineCommand::outlineOf(*shape);
  putDraft(drafted.front(), *after);
  document_.pushStep(new OutlineCommand(document_, kStepName, document_.file()->indexOf(shape),
                                        std::move(after), ShapeChange::Outline));
  if (choice->mode != Prompts::DraftChoice::strokeData) emit faceDrafted();
}

std::optional<GlyphPlacement> DraftCommands::referencePlacement(bool showErrors) {
  const GShape* shape = document_.currentShape();
  if (!shape) return std::nullopt;
  const std::optional<FaceFile> face = referenceFace(showErrors);
  if (!face) return std::nullopt;
  std::string error;
  const std::optional<GlyphPlacement> placed =
      glyphPlacement(*face, unicodeOfGbk(shape->code()), isDoubleByte(shape->code()),
                     {document_.gridAbove(), document_.gridBelow()}, &error);
  if (!placed && showErrors) prompts_.showError(QString::fromStdString(error));
  return placed;
}

std::vector<int> DraftCommands::charactersOf(Prompts::DraftChoice::Scope scope) {
  GShpFile& file = *document_.file();
  std::vector<int> indices;
  if (scope == Prompts::DraftChoice::listSelection) {
    for (const uint16_t code : document_.selection()) {
      const int index = file.indexOf(file.findShape(code));
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

void DraftCommands::draftMany(std::optional<Prompts::DraftChoice::Scope> scope) {
  if (!document_.file() || batch_) return;
  const std::optional<Prompts::DraftChoice> choice = ask(true, scope);
  if (!choice) return;
  const std::optional<FaceFile> face = sourceFace(*choice);
  if (!face) return;
  GShpFile& file = *document_.file();
  std::vector<int> indices = charactersOf(choice->scope);
  if (indices.empty()) {
    prompts_.showReport(QStringLiteral("没有需要生成笔画的字符。"), QString());
    return;
  }
  batch_ = std::make_unique<Batch>();
  Batch& batch = *batch_;
  batch.choice = *choice;
  batch.source = sourceName(*choice, reference_.fontName());
  batch.file = &file;
  std::vector<DraftRequest> requests;
  requests.reserve(indices.size());
  for (const int index : indices) {
    batch.shapes.push_back(file.shapeAtIndex(index));
    requests.push_back(requestFor(*file.shapeAtIndex(index)));
  }
  batch.indices = std::move(indices);
  batch.shown = prompts_.showProgress(QStringLiteral("正在生成笔画："),
                                      static_cast<int>(batch.indices.size()));
  batch.poll.setInterval(30);
  connect(&batch.poll, &QTimer::timeout, this, [&batch] {
    if (!batch.shown->update(batch.progress.done)) batch.progress.cancelled = true;
  });
  connect(&batch.watcher, &QFutureWatcherBase::finished, this, &DraftCommands::finishBatch);
  const DraftGrid grid{file.above(), file.below()};
  batch.watcher.setFuture(QtConcurrent::run([face = *face, requests = std::move(requests), grid,
                                             mode = modeOf(*choice), &batch] {
    return ::draftMany(face, requests, grid, mode, kWorkerThreads, &batch.error, &batch.progress);
  }));
  batch.poll.start();
}

void DraftCommands::finishBatch() {
  const std::unique_ptr<Batch> batch = std::move(batch_);
  batch->poll.stop();
  // A cancel the display took before the job ended still counts.
  if (!batch->shown->update(batch->progress.done)) batch->progress.cancelled = true;
  batch->shown.reset();
  if (!batch->progress.cancelled) {
    const std::vector<DraftedGlyph> drafted = batch->watcher.future().takeResult();
    if (drafted.empty()) {
      prompts_.showError(QString::fromStdString(batch->error));
    } else if (document_.file() == batch->file) {
      putBatch(*batch, drafted);
    }
  }
  emit batchFinished();
}

void DraftCommands::putBatch(const Batch& batch, const std::vector<DraftedGlyph>& drafted) {
  GShpFile& file = *document_.file();
  std::vector<OutlineCommand::Replaced> replaced;
  QStringList lacking;
  bool currentDrafted = false;
  for (size_t i = 0; i < batch.indices.size(); ++i) {
    GShape* shape = file.shapeAtIndex(batch.indices[i]);
    if (shape != batch.shapes[i]) continue;
    if (!drafted[i].found) {
      lacking << captionOf(*shape);
      continue;
    }
    std::unique_ptr<GShape> after = OutlineCommand::outlineOf(*shape);
    putDraft(drafted[i], *after);
    replaced.push_back({batch.indices[i], OutlineCommand::outlineOf(*shape), std::move(after)});
    currentDrafted = currentDrafted || shape == document_.currentShape();
  }
  const int made = static_cast<int>(replaced.size());
  if (made > 0) document_.pushStep(new OutlineCommand(document_, kStepName, std::move(replaced)));
  const bool fromData = batch.choice.mode == Prompts::DraftChoice::strokeData;
  QString summary =
      lacking.isEmpty()
          ? QStringLiteral("已生成 %1 个字符的笔画。").arg(made)
          : QStringLiteral("已生成 %1 个字符的笔画；%2中没有 %3 个字符，它们保持不变。")
                .arg(made)
                .arg(batch.source)
                .arg(lacking.size());
  if (fromData) {
    summary += QStringLiteral("\n这些笔画来自笔顺数据，依 Arphic Public License 发布。");
  } else if (lacking.size() > made) {
    summary += QStringLiteral("\n请在“参考模式”中选择含有这些字符的字体，例如中文字体。");
  }
  prompts_.showReport(summary, lacking.join(QLatin1Char(' ')));
  if (currentDrafted && !fromData) emit faceDrafted();
}
