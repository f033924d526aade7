#pragma once

#include <QObject>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform/prompts.h"

class CharacterList;
class FontDocument;
class ReferenceUnderlay;
struct FaceFile;

// Drafting strokes from the reference face: the current character, or many characters at once
// on worker threads while the window stays responsive. Either is one undo step; a cancelled
// batch leaves the font as it was. The last choice of mode and characters is the user's, kept
// in the user's configuration.
class DraftCommands : public QObject {
  Q_OBJECT
 public:
  DraftCommands(FontDocument& document, Prompts& prompts, const ReferenceUnderlay& reference,
                const CharacterList& list, QObject* parent = nullptr);

  // 从参考字体生成笔画
  void draftCurrent();
  // 批量生成笔画...
  void draftMany();

 private:
  std::optional<Prompts::DraftChoice> ask(bool batch);
  // The file of the face chosen in the reference panel; nothing (the error shown) when there
  // is none.
  std::optional<FaceFile> referenceFace();
  // The file indices of the characters the batch drafts.
  std::vector<int> charactersOf(Prompts::DraftChoice::Scope scope);

  FontDocument& document_;
  Prompts& prompts_;
  const ReferenceUnderlay& reference_;
  const CharacterList& list_;
};
