#pragma once

#include <QObject>
#include <memory>

class FontDocument;
class GShape;
class Prompts;

// Adding, deleting and finding characters, and the shape clipboard: the editor's own copy
// of one character's outline (the system clipboard is not used for outlines).
class CharacterCommands : public QObject {
  Q_OBJECT
 public:
  CharacterCommands(FontDocument& document, Prompts& prompts, QObject* parent = nullptr);
  ~CharacterCommands() override;

  void add();
  void remove();
  void find();
  void cut();
  void copy();
  void paste();
  bool clipboardFilled() const { return clipShape_ != nullptr; }

 signals:
  void clipboardChanged();

 private:
  friend struct TFmMainProbe;  // tests fill the clipboard without a character

  // Replaces the current character's outline by `outline` as one undo step.
  void replaceOutline(const QString& stepName, const GShape& outline);

  FontDocument& document_;
  Prompts& prompts_;
  std::unique_ptr<GShape> clipShape_;
};
