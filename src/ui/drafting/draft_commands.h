#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform/prompts.h"

class FontDocument;
class ReferenceUnderlay;
struct DraftedGlyph;
struct FaceFile;
struct GlyphPlacement;

// Drafting strokes from the reference face: the current character, or many characters at once
// as a job on worker threads while the window goes on with its events. Either is one undo step;
// a cancelled batch leaves the font as it was. The last choice of mode and characters is the
// user's, kept in the user's configuration.
class DraftCommands : public QObject {
  Q_OBJECT
 public:
  DraftCommands(FontDocument& document, Prompts& prompts, const ReferenceUnderlay& reference,
                QObject* parent = nullptr);
  ~DraftCommands() override;

  // 从参考字体生成笔画
  void draftCurrent();
  // 批量生成笔画...: starts the job and returns; batchFinished follows when it has ended.
  // With a scope (重新生成笔画 of the selection) the dialog asks only for the source.
  void draftMany(std::optional<Prompts::DraftChoice::Scope> scope = std::nullopt);
  bool drafting() const { return batch_ != nullptr; }
  // Where drafting from the reference face puts the current character's glyph on the grid;
  // nothing (the error shown, unless asked not to) without a face or a glyph.
  std::optional<GlyphPlacement> referencePlacement(bool showErrors = true);

 signals:
  // The batch has ended: drafted as one step, cancelled, or failed with its error shown.
  void batchFinished();
  // The current character was drafted from the reference face, so its glyph may be placed
  // under it.
  void faceDrafted();

 private:
  struct Batch;

  std::optional<Prompts::DraftChoice> ask(bool batch,
                                          std::optional<Prompts::DraftChoice::Scope> scope);
  // The file of the face chosen in the reference panel; nothing (the error shown) when there
  // is none.
  std::optional<FaceFile> referenceFace(bool showErrors = true);
  // The face a choice drafts from: the reference face, or none for the stroke-order data;
  // nothing (the error shown) when the source is missing.
  std::optional<FaceFile> sourceFace(const Prompts::DraftChoice& choice);
  // The file indices of the characters the batch drafts.
  std::vector<int> charactersOf(Prompts::DraftChoice::Scope scope);
  void finishBatch();
  // The drafted characters (one per character of the batch) that are still where the batch
  // found them, as one step.
  void putBatch(const Batch& batch, const std::vector<DraftedGlyph>& drafted);

  FontDocument& document_;
  Prompts& prompts_;
  const ReferenceUnderlay& reference_;
  std::unique_ptr<Batch> batch_;
};
