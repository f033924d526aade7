#pragma once

#include <QDialog>
#include <optional>
#include <string>

class ChoiceGroup;
class Prompts;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The add-characters dialog: one or two typed characters, or whole sets ticked.
class TFmNewShape : public QDialog {
  Q_OBJECT
 public:
  // Messages (a typed character GBK cannot hold) go through `prompts`.
  TFmNewShape(Prompts& prompts, QWidget* parent = nullptr);

  // Shows the dialog modally. On OK `text` holds the typed characters as GBK bytes or,
  // when nothing was typed, the ticked sets, the byte 0x80 standing for the hanzi set.
  bool askCharacters(std::string& text);
  // What OK would give; nothing (after saying so) when the typed text is not GBK.
  std::optional<std::string> chosenCharacters();
  bool canAccept() const;
  void Edit1Change();
  void RzCheckGroup1Change();

  void accept() override;

 private:
  Prompts& prompts_;
  std::string chosen_;

  ChoiceGroup* RzCheckGroup1;
  QGroupBox *RzGroupBox1, *RzGroupBox2;
  QLineEdit* Edit1;
  QPlainTextEdit* RzMemo1;
  QPushButton *BtnOk, *BtnCancel;
};
