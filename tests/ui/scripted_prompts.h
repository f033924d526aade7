#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/platform/prompts.h"

// Answers dialogs from a script and records what was shown; nothing ever blocks.
class ScriptedPrompts : public Prompts {
 public:
  std::deque<Answer> answers;
  std::deque<std::optional<QString>> files;
  std::deque<std::optional<QString>> inputs;
  std::deque<std::optional<std::string>> characters;  // answers of the add-characters dialog
  QStringList questions;
  std::vector<Question> questionKinds;
  QStringList dialogTitles;
  QStringList errors;
  QStringList reports;  // summary, then details
  QStringList proposedPaths;
  QStringList documents;
  QStringList documentDirectories;
  int aboutShown = 0;
  std::deque<std::optional<FontSetupChoice>> setups;
  std::vector<FontSetupChoice> setupProposals;
  QStringList inputCaptions;
  std::deque<std::optional<DraftChoice>> drafts;
  std::vector<DraftChoice> draftProposals;
  QStringList strokeDataNotes;  // what each drafting dialog said of the stroke-order data
  QStringList progressTexts;
  int progressUpdates = 0;
  int cancelAt = -1;
  std::function<void()> onUpdate;
  std::deque<std::optional<Transform>> transforms;
  int transformsAsked = 0;
  std::function<void()> whileTransformShown;
  QStringList inputPrompts;

  Answer ask(const QString& text, Question question) override {
    questions << text;
    questionKinds.push_back(question);
    if (answers.empty()) return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void showError(const QString& text) override { errors << text; }
  void showReport(const QString& summary, const QString& details) override {
    reports << summary << details;
  }
  std::optional<QString> openFile(const FileDialog& dialog) override {
    dialogTitles << dialog.title;
    proposedPaths << dialog.proposedPath;
    return take(files);
  }
  std::optional<QString> saveFile(const FileDialog& dialog) override {
    dialogTitles << dialog.title;
    proposedPaths << dialog.proposedPath;
    return take(files);
  }
  std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                   const QString&) override {
    inputCaptions << caption;
    inputPrompts << prompt;
    return take(inputs);
  }
  std::optional<std::string> askCharacters() override {
    std::optional<std::string> next;
    if (!characters.empty()) {
      next = characters.front();
      characters.pop_front();
    }
    return next;
  }
  // Takes the proposal unless an answer is queued.
  std::optional<FontSetupChoice> askFontSetup(const FontSetupChoice& proposed) override {
    setupProposals.push_back(proposed);
    if (setups.empty()) return proposed;
    std::optional<FontSetupChoice> next = setups.front();
    setups.pop_front();
    return next;
  }
  std::optional<DraftChoice> askDraft(const DraftChoice& proposed, bool,
                                      const QString& strokeDataMissing) override {
    draftProposals.push_back(proposed);
    strokeDataNotes << strokeDataMissing;
    if (drafts.empty()) return proposed;
    std::optional<DraftChoice> next = drafts.front();
    drafts.pop_front();
    return next;
  }
  // Previews the queued answer (or the proposal), runs `whileTransformShown`, and cancels
  // unless an answer is queued.
  std::optional<Transform> askTransform(const Transform& proposed,
                                        const TransformPreview& preview) override {
    ++transformsAsked;
    std::optional<Transform> next;
    if (!transforms.empty()) {
      next = transforms.front();
      transforms.pop_front();
    }
    preview(next.value_or(proposed));
    if (whileTransformShown) whileTransformShown();
    return next;
  }
  // Counts its updates, and cancels at update `cancelAt` (never when negative); `onUpdate`
  // runs at each update.
  struct CountedProgress : Progress {
    explicit CountedProgress(ScriptedPrompts& owner) : owner(owner) {}
    bool update(int) override {
      if (owner.onUpdate) owner.onUpdate();
      return ++owner.progressUpdates != owner.cancelAt;
    }
    ScriptedPrompts& owner;
  };
  std::unique_ptr<Progress> showProgress(const QString& text, int total) override {
    progressTexts << QStringLiteral("%1/%2").arg(text).arg(total);
    return std::make_unique<CountedProgress>(*this);
  }
  void showAbout(const VersionInfo&) override { ++aboutShown; }
  void openDocument(const QString& path, const QString& directory) override {
    documents << path;
    documentDirectories << directory;
  }

 private:
  static std::optional<QString> take(std::deque<std::optional<QString>>& queue) {
    std::optional<QString> next;
    if (!queue.empty()) {
      next.swap(queue.front());
      queue.pop_front();
    }
    return next;
  }
};
